#include "bot/runsearch.h"

#include "bot/botmoves.h"
#include "bot/freestretch.h"
#include "bot/searchterms.h"

namespace brixo {

namespace {

// The new set's width on a relocation: the run plus its new tile and two
// free cells; a run of five or more gives up only its top (or bottom) two.
int relocationwidth(int runLength) { return runLength + 1 <= 5 ? runLength + 3 : 5; }

// Lays three rack slots, left to right, at x + 2..x + 4 of a fresh stretch.
bool laypattern(BotTable& table, BotTurn& turn, RackSlot first, RackSlot second, RackSlot third)
{
    const auto stretch = runstretch(table.grid(), table.random());
    if (!stretch) return false;
    const RackSlot slots[3] = {first, second, third};
    for (int k = 0; k < 3; ++k)
        if (!laytile(table, turn, slots[k], {stretch->col + 2 + k, stretch->row})) return k > 0;
    return true;
}

// Patterns a (N, N+1, N+2), b (N-1, N, N+1) and c (N-2, N-1, N), in that order.
bool layownrun(BotTable& table, BotTurn& turn, RackSlot slot, const PartnerTable& p, int n)
{
    if (n <= 11 && p[n + 1].valid() && p[n + 2].valid() && laypattern(table, turn, slot, p[n + 1], p[n + 2]))
        return true;
    if (n >= 2 && n <= 12 && p[n - 1].valid() && p[n + 1].valid() && laypattern(table, turn, p[n - 1], slot, p[n + 1]))
        return true;
    if (n >= 3 && p[n - 2].valid() && p[n - 1].valid() && laypattern(table, turn, p[n - 2], p[n - 1], slot))
        return true;
    return false;
}

// Adds the tile after the run ending at column c; with no room there, lays
// the tile on a free stretch and moves the run's top tiles in front of it.
bool extendupper(BotTable& table, BotTurn& turn, RackSlot slot, int c, int row)
{
    const BoardGrid& grid = table.grid();
    if (c <= 21 && grid.isEmpty(c + 2, row)) return laytile(table, turn, slot, {c + 1, row});

    int length = 0;
    while (c - length >= 0 && !grid.isEmpty(c - length, row)) ++length;
    const int w = relocationwidth(length);
    const auto stretch = relocationstretch(grid, table.random(), w);
    if (!stretch) return false;
    const int x = stretch->col;
    if (!laytile(table, turn, slot, {x - 1, stretch->row})) return false;
    for (int j = 0; j <= w - 4; ++j)
        if (!movetile(table, turn.seat, {x - 2 - j, stretch->row}, {c - j, row})) break;
    return true;
}

// The mirror image for the run starting at column b: the tile goes just
// left of it when the two cells there are free and the tile would not land
// in column 0; otherwise the run's bottom tiles move with it.
bool extendlower(BotTable& table, BotTurn& turn, RackSlot slot, int b, int row)
{
    const BoardGrid& grid = table.grid();
    if (b >= 2 && grid.isEmpty(b - 2, row)) return laytile(table, turn, slot, {b - 1, row});

    int length = 0;
    while (b + length <= BoardGrid::kLastLayColumn && !grid.isEmpty(b + length, row)) ++length;
    const int w = relocationwidth(length);
    const auto stretch = relocationstretch(grid, table.random(), w);
    if (!stretch) return false;
    const int left = stretch->col - w + 2;
    if (!laytile(table, turn, slot, {left, stretch->row})) return false;
    for (int j = 0; j <= w - 4; ++j)
        if (!movetile(table, turn.seat, {left + 1 + j, stretch->row}, {b + j, row})) break;
    return true;
}

// The first cell, rows 0 to 12 and columns 4 to 22, holding an N - 1 of the
// tile's colour that ends a run: N - 2 just before it, N - 3 or nothing
// before that, and nothing after it.
bool upperend(BotTable& table, BotTurn& turn, RackSlot slot, int n, int colour)
{
    // One colour and number N - 1 name exactly one code; a 1 has none below.
    if (n < 2) return false;
    const int wanted = (colour - 1) * kTilesPerColour + n - 1;
    const BoardGrid& grid = table.grid();
    for (int row = 0; row < BoardGrid::kRows; ++row) {
        for (int c = 4; c <= BoardGrid::kLastLayColumn; ++c) {
            if (grid.at(c, row) != wanted) continue;
            // The cell before must hold a tile: an empty cell also reads 0,
            // which would take a lone 1 for the top of a run.
            if (grid.isEmpty(c - 1, row) || rulesnumber(grid.at(c - 1, row)) != n - 2) continue;
            if (!grid.isEmpty(c - 2, row) && rulesnumber(grid.at(c - 2, row)) != n - 3) continue;
            if (!grid.isEmpty(c + 1, row)) continue;
            return extendupper(table, turn, slot, c, row);
        }
    }
    return false;
}

// Mirrors upperend: an N + 1 of the tile's colour, N + 2 just after it,
// N + 3 or nothing after that, and nothing before it. There is no column
// limit like the upper end's: the placement checks its own room.
bool lowerend(BotTable& table, BotTurn& turn, RackSlot slot, int n, int colour)
{
    if (n > 11) return false; // an N + 2 above it must exist
    const BoardGrid& grid = table.grid();
    const int wanted = (colour - 1) * kTilesPerColour + n + 1;
    const int want2 = (n + 2) % kTilesPerColour;
    for (int row = 0; row < BoardGrid::kRows; ++row) {
        for (int b = 0; b <= BoardGrid::kLastLayColumn; ++b) {
            if (grid.at(b, row) != wanted) continue;
            if (grid.isEmpty(b + 1, row) || rulesnumber(grid.at(b + 1, row)) != want2) continue;
            const bool beyond = grid.isEmpty(b + 2, row) ||
                                (n + 3 <= 13 && rulesnumber(grid.at(b + 2, row)) == (n + 3) % kTilesPerColour);
            if (!beyond) continue;
            if (!grid.isEmpty(b - 1, row)) continue;
            return extendlower(table, turn, slot, b, row);
        }
    }
    return false;
}

} // namespace

PartnerTable partnertable(const Rack& rack, const BotTurn& turn, RackSlot slot)
{
    PartnerTable table{};
    const int tile = rack.at(slot).code();
    if (!usable(tile)) return table;
    table[ordernumber(tile)] = slot;
    for (int later = slot.number() + 1; later <= RackSlot::kLast; ++later) {
        const RackSlot j(later);
        const int other = rack.at(j).code();
        if (!usable(other) || turn.botused(j) || getsuit(other) != getsuit(tile)) continue;
        RackSlot& entry = table[ordernumber(other)];
        if (!entry.valid()) entry = j;
    }
    return table;
}

bool computerruns(BotTable& table, BotTurn& turn)
{
    const Rack& rack = table.rack(turn.seat);
    bool moved = false;
    for (const RackSlot slot : RackSlot::all()) {
        if (!usable(rack.at(slot).code()) || turn.botused(slot)) continue;
        if (computerrun1(table, turn, slot) || computerrun2(table, turn, slot) || computerrun3(table, turn, slot))
            moved = true;
    }
    return moved;
}

bool computerrun1(BotTable& table, BotTurn& turn, RackSlot slot)
{
    const Rack& rack = table.rack(turn.seat);
    return layownrun(table, turn, slot, partnertable(rack, turn, slot), ordernumber(rack.at(slot)));
}

bool computerrun2(BotTable& table, BotTurn& turn, RackSlot slot)
{
    const int tile = table.rack(turn.seat).at(slot).code();
    const int n = ordernumber(tile);
    return upperend(table, turn, slot, n, getsuit(tile)) || lowerend(table, turn, slot, n, getsuit(tile));
}

bool computerrun3(BotTable& table, BotTurn& turn, RackSlot slot)
{
    const Rack& rack = table.rack(turn.seat);
    RackSlot wild;
    for (const RackSlot j : RackSlot::all()) {
        if (rack.at(j).code() == kWildTile && !turn.botused(j)) {
            wild = j;
            break;
        }
    }

    const PartnerTable p = partnertable(rack, turn, slot);
    const int n = ordernumber(rack.at(slot));
    if (layownrun(table, turn, slot, p, n)) return true;
    if (!wild.valid() || n < 2 || n > 12) return false;
    // The wild tile stands for N + 1 after the pair (d) or N - 1 before it (e).
    if (p[n - 1].valid() && laypattern(table, turn, p[n - 1], slot, wild)) return true;
    if (p[n + 1].valid() && laypattern(table, turn, wild, slot, p[n + 1])) return true;
    return false;
}

} // namespace brixo
