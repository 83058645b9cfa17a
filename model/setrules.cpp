#include "model/setrules.h"

#include <algorithm>
#include <array>

namespace brixo {

bool boardok(const BoardGrid& grid)
{
    for (int row = 0; row < BoardGrid::kRows; ++row)
        if (!checkrow(grid, row)) return false;
    return true;
}

bool checkrow(const BoardGrid& grid, int row)
{
    for (auto set = nextSet(grid, row, 0); set; set = nextSet(grid, row, set->end + 1))
        if (!setok(grid, *set)) return false;
    return true;
}

std::optional<RowSet> nextSet(const BoardGrid& grid, int row, int from)
{
    int col = std::max(from, 0);
    while (col < BoardGrid::kColumns && grid.isEmpty(col, row)) ++col;
    if (col >= BoardGrid::kColumns) return std::nullopt;
    const int start = col;
    while (col + 1 < BoardGrid::kColumns && !grid.isEmpty(col + 1, row)) ++col;
    return RowSet{row, start, col};
}

bool setok(const BoardGrid& grid, const RowSet& set)
{
    if (set.size() < 3) return false;
    return checkforsuit(grid, set.row, set.start, set.end) || checkfornumber(grid, set.row, set.start, set.end);
}

// Wild tiles stand for whatever their place needs, with three limits that
// keep a run inside one colour's 1..13: no wild before a 1, no two leading
// wilds, no wild right after a King.
bool checkforsuit(const BoardGrid& grid, int row, int start, int end)
{
    int colour = 0;
    std::array<bool, kTilesPerColour> seen{};
    int low = kHighestTile + 1;
    for (int col = start; col <= end; ++col) {
        const int code = grid.at(col, row);
        if (code < low) low = code;
        if (code == kWildTile) continue;
        if (colour == 0) colour = getsuit(code);
        if (getsuit(code) != colour) return false;
        bool& numberSeen = seen[rulesnumber(code)];
        if (numberSeen) return false;
        numberSeen = true;
    }

    const bool firstWild = grid.at(start, row) == kWildTile;
    if (firstWild && rulesnumber(grid.at(start + 1, row)) == 1) return false;
    if (grid.at(end, row) == kWildTile && end > start && rulesnumber(grid.at(end - 1, row)) == 0) return false;

    int expected = firstWild ? low - 1 : low;
    for (int col = start; col <= end; ++col, ++expected) {
        const int code = grid.at(col, row);
        if (code != kWildTile && code != expected) return false;
    }
    return true;
}

bool checkfornumber(const BoardGrid& grid, int row, int start, int end)
{
    int reference = -1;
    std::array<bool, 5> colourSeen{};
    for (int col = start; col <= end; ++col) {
        const int code = grid.at(col, row);
        if (code == kWildTile) continue;
        if (reference < 0) reference = rulesnumber(code);
        if (rulesnumber(code) != reference) return false;
        bool& seen = colourSeen[getsuit(code)];
        if (seen) return false;
        seen = true;
    }
    return true;
}

} // namespace brixo
