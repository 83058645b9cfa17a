#include "bot/freestretch.h"

namespace brixo {

namespace {

bool emptyCells(const BoardGrid& grid, int firstCol, int lastCol, int row)
{
    for (int col = firstCol; col <= lastCol; ++col)
        if (!grid.isEmpty(col, row)) return false;
    return true;
}

// Draws the leftmost column as 1 + Random(columnChoices), then the row as
// 1 + Random(12), and wants `cells` empty cells from that column on.
std::optional<BoardCell> drawStretch(const BoardGrid& grid, RandomSource& random, int columnChoices, int cells)
{
    for (int draw = 1; draw <= kStretchDraws; ++draw) {
        const int left = random.below(columnChoices) + 1;
        const int row = random.below(BoardGrid::kRows - 1) + 1;
        if (emptyCells(grid, left, left + cells - 1, row)) {
            if (draw == kStretchDraws) return std::nullopt;
            return BoardCell{left, row};
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<BoardCell> freestretch(const BoardGrid& grid, RandomSource& random)
{
    return drawStretch(grid, random, 17, 6);
}

std::optional<BoardCell> runstretch(const BoardGrid& grid, RandomSource& random)
{
    return drawStretch(grid, random, 18, 6);
}

std::optional<BoardCell> relocationstretch(const BoardGrid& grid, RandomSource& random, int width)
{
    // x = Random(22 - w) + w + 1 is the right end; the stretch runs from x - w.
    const auto found = drawStretch(grid, random, 22 - width, width + 1);
    if (!found) return std::nullopt;
    return BoardCell{found->col + width, found->row};
}

} // namespace brixo
