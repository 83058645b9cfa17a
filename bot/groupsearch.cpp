#include "bot/groupsearch.h"

#include "bot/freestretch.h"
#include "bot/searchterms.h"

#include <array>

namespace brixo {

namespace {

// Columns first..last of one row, all holding the same number.
struct Stretch {
    int row = 0;
    int first = 0;
    int last = 0;
    int length() const { return last - first + 1; }
};

bool holds(const BoardGrid& grid, int col, int row, int value)
{
    const int tile = grid.at(col, row);
    return tile != kNoTile && rulesnumber(tile) == value;
}

std::optional<Stretch> boardstretch(const BoardGrid& grid, int row, int value)
{
    for (int col = 0; col <= BoardGrid::kLastLayColumn; ++col) {
        if (!holds(grid, col, row, value)) continue;
        int last = col;
        while (last < BoardGrid::kLastLayColumn && holds(grid, last + 1, row, value)) ++last;
        return Stretch{row, col, last};
    }
    return std::nullopt;
}

} // namespace

bool computermatches(BotTable& table, BotTurn& turn)
{
    const Rack& rack = table.rack(turn.seat);
    bool moved = false;
    for (const RackSlot slot : RackSlot::all()) {
        const int tile = rack.at(slot).code();
        if (!usable(tile) || turn.botused(slot)) continue;
        turn.colour = getsuit(tile);
        if (computermatch1(table, turn, slot) || computermatch2(table, turn, slot) ||
            computermatch3(table, turn, slot) || computermatch4(table, turn, slot))
            moved = true;
    }
    return moved;
}

bool computermatch1(BotTable& table, BotTurn& turn, RackSlot slot)
{
    const Rack& rack = table.rack(turn.seat);
    const int tile = rack.at(slot).code();
    const int value = rulesnumber(tile);
    std::array<bool, 6> present{};
    present[getsuit(tile)] = true;

    // The first new colour found is the second tile; every later new colour
    // replaces the third, so with four colours the last one found is laid.
    RackSlot second;
    RackSlot third;
    for (const RackSlot j : RackSlot::all()) {
        const int other = rack.at(j).code();
        if (j == slot || !usable(other) || rulesnumber(other) != value) continue;
        const int colour = getsuit(other);
        if (present[colour]) continue;
        present[colour] = true;
        (second.valid() ? third : second) = j;
    }
    if (!third.valid()) return false;

    const auto stretch = freestretch(table.grid(), table.random());
    if (!stretch) return false;
    const int row = stretch->row;
    if (!laytile(table, turn, slot, {stretch->col + 1, row})) return false;
    if (laytile(table, turn, second, {stretch->col + 2, row})) laytile(table, turn, third, {stretch->col + 3, row});
    return true;
}

BoardCell computertwoonboard(const BotTable& table, const BotTurn& turn, int value)
{
    const BoardGrid& grid = table.grid();
    for (int row = 0; row < BoardGrid::kRows; ++row) {
        const auto stretch = boardstretch(grid, row, value);
        if (!stretch || stretch->length() < 3) continue;
        bool clash = false;
        for (int col = stretch->first; col <= stretch->last; ++col)
            clash = clash || getsuit(grid.at(col, row)) == turn.colour;
        if (!clash) return {stretch->first, row};
    }
    return {};
}

bool computermatch2(BotTable& table, BotTurn& turn, RackSlot slot)
{
    const BoardGrid& grid = table.grid();
    const int value = rulesnumber(table.rack(turn.seat).at(slot).code());
    const BoardCell group = computertwoonboard(table, turn, value);
    // Column 0 and row 0 are outside the shown board: never extend there.
    if (group.col == 0 || group.row == 0) return false;
    const int row = group.row;

    // Two free cells keep the grown group apart from its neighbours.
    if (group.col >= 2 && grid.isEmpty(group.col - 1, row) && grid.isEmpty(group.col - 2, row))
        return laytile(table, turn, slot, {group.col - 1, row});

    int end = group.col;
    while (end < BoardGrid::kLastLayColumn && !grid.isEmpty(end, row)) ++end;
    if (grid.isEmpty(end, row) && grid.isEmpty(end + 1, row)) return laytile(table, turn, slot, {end, row});

    // Moving the three tiles away is only sound when they are the whole set:
    // a wild tile beside them would be left alone on the board.
    if (!grid.isEmpty(group.col - 1, row) || !grid.isEmpty(group.col + 3, row)) return false;
    const auto stretch = freestretch(grid, table.random());
    if (!stretch) return false;
    if (!laytile(table, turn, slot, {stretch->col + 1, stretch->row})) return false;
    for (int k = 0; k < 3; ++k)
        if (!movetile(table, turn.seat, {stretch->col + 2 + k, stretch->row}, {group.col + k, row})) break;
    return true;
}

std::optional<BorrowedTile> computeroneonboard(BotTable& table, const BotTurn& turn, int value, int partnerColour)
{
    const BoardGrid& grid = table.grid();
    for (int row = 0; row < BoardGrid::kRows; ++row) {
        const auto stretch = boardstretch(grid, row, value);
        if (!stretch || stretch->length() < 4) continue;
        for (int col = stretch->first; col <= stretch->last; ++col) {
            const int tile = grid.at(col, row);
            if (getsuit(tile) == turn.colour || getsuit(tile) == partnerColour) continue;

            // The first fitting tile decides the whole search.
            if (col == stretch->first) return std::nullopt;
            const auto free = freestretch(grid, table.random());
            if (!free) return std::nullopt;
            // The gap is closed up to the end of the whole set, so a wild
            // tile after the stretch stays with its group.
            int setEnd = stretch->last;
            while (setEnd < BoardGrid::kLastLayColumn && !grid.isEmpty(setEnd + 1, row)) ++setEnd;
            const BoardCell to{free->col + 1, free->row};
            if (!movetile(table, turn.seat, to, {col, row})) return std::nullopt;
            for (int m = col + 1; m <= setEnd; ++m)
                if (!movetile(table, turn.seat, {m - 1, row}, {m, row})) break;
            return BorrowedTile{to, {setEnd, row}};
        }
    }
    return std::nullopt;
}

bool computermatch3(BotTable& table, BotTurn& turn, RackSlot slot)
{
    const Rack& rack = table.rack(turn.seat);
    const int tile = rack.at(slot).code();
    const int value = rulesnumber(tile);
    for (const RackSlot j : RackSlot::all()) {
        // The wild tile, whose number reads as 1, may pair with a 1.
        const int partner = rack.at(j).code();
        if (j == slot || partner == kNoTile || rulesnumber(partner) != value || getsuit(partner) == getsuit(tile))
            continue;
        const auto borrowed = computeroneonboard(table, turn, value, getsuit(partner));
        if (!borrowed) continue;
        const auto stretch = freestretch(table.grid(), table.random());
        if (!stretch || !laytile(table, turn, slot, {stretch->col + 1, stretch->row})) {
            // No new group after all: the borrowed tile goes back to its own
            // group rather than lie alone on the board.
            movetile(table, turn.seat, borrowed->gap, borrowed->at);
            if (stretch) return false;
            continue;
        }
        if (laytile(table, turn, j, {stretch->col + 2, stretch->row}))
            movetile(table, turn.seat, {stretch->col + 3, stretch->row}, borrowed->at);
        return true;
    }
    return false;
}

bool computermatch4(BotTable&, BotTurn&, RackSlot) { return false; }

} // namespace brixo
