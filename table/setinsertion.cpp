#include "table/setinsertion.h"
#include "table/wording.h"

#include "table/placerules.h"

#include <algorithm>

namespace brixo::setinsertion {

namespace {

// One way of making the space: the tiles on one side of the new place move
// one cell further that way.
struct Way {
    int step = 0;     // +1: the tiles after the place move right; -1: those before it move left
    int count = 0;    // tiles that move
    int nearest = 0;  // the column of the moving tile nearest the place
    int freeEnd = 0;  // the column the last of them moves into
    int cell = 0;     // the new tile's column
    std::optional<int> spare; // where a board tile in the hand waits while its own cell is needed
};

} // namespace

Insertion insertIntoSet(const BoardGrid& board, BoardCell onto, Side side, Tile tile, std::optional<BoardCell> lifted)
{
    Insertion result;
    if (!onto.inside() || board.isEmpty(onto) || !tile.real()) {
        result.refusal = translate("Table", "There is no set there.");
        return result;
    }
    const int row = onto.row;
    const auto inColumns = [](int col) { return col >= BoardGrid::kFirstLayColumn && col <= BoardGrid::kLastLayColumn; };
    const auto free = [&](int col) { return inColumns(col) && board.isEmpty({col, row}); };
    const auto clearOrOff = [&](int col) { return !inColumns(col) || board.isEmpty({col, row}); };
    // The cell shows empty, but the server still holds the lifted tile there.
    const auto holdsLifted = [&](int col) { return lifted && *lifted == BoardCell{col, row}; };

    int first = onto.col;
    int last = onto.col;
    while (inColumns(first - 1) && !board.isEmpty({first - 1, row})) --first;
    while (inColumns(last + 1) && !board.isEmpty({last + 1, row})) ++last;
    // The new tile goes between columns gap - 1 and gap.
    const int gap = side == Side::Before ? onto.col : onto.col + 1;

    std::vector<Way> ways;
    const auto consider = [&](Way way) {
        if (!free(way.freeEnd)) return;
        if (way.count > 0) {
            // Moved along, the set must not run into the next one.
            const int beyond = way.freeEnd + way.step;
            if (!clearOrOff(beyond)) return;
            if (holdsLifted(way.freeEnd)) {
                if (!free(beyond)) return;
                way.spare = beyond;
            }
        }
        ways.push_back(way);
    };
    consider({+1, last - gap + 1, gap, last + 1, gap, std::nullopt});
    consider({-1, gap - first, gap - 1, first - 1, gap - 1, std::nullopt});
    std::stable_sort(ways.begin(), ways.end(), [](const Way& a, const Way& b) { return a.count < b.count; });
    if (ways.empty()) {
        result.refusal = translate("Table", "There is no room beside that set to make space in it.");
        return result;
    }

    for (const Way& way : ways) {
        Insertion tried;
        tried.cell = {way.cell, row};
        BoardGrid after = board;
        if (way.spare) tried.moves.push_back(PendingMove::move(tile, *lifted, {*way.spare, row}));
        // The far end first, so that every move goes to a free cell.
        for (int n = way.count - 1; n >= 0; --n) {
            const BoardCell from{way.nearest + way.step * n, row};
            const BoardCell to = from.right(way.step);
            tried.moves.push_back(PendingMove::move(board.at(from), from, to));
            after.set(to, board.at(from));
            after.set(from, Tile());
        }
        // Back on its own cell, a board tile needs no move.
        if (lifted && tried.cell != *lifted)
            tried.moves.push_back(PendingMove::move(tile, way.spare ? BoardCell{*way.spare, row} : *lifted, tried.cell));
        tried.refusal = placerules::whyNotHere(after, tried.cell, tile);
        if (tried.ok()) return tried;
        if (result.refusal.empty()) result = std::move(tried);
    }
    result.moves.clear();
    return result;
}

} // namespace brixo::setinsertion
