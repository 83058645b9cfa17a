// What must hold of the server's game whenever a turn has ended, written
// as plain functions over the pieces of state so that self-play can ask
// them after every event and a test can show them a broken state.
#pragma once

#include "model/boardgrid.h"
#include "model/gamestate.h"
#include "model/pool.h"
#include "model/rack.h"
#include "model/slottable.h"

#include <array>
#include <vector>

namespace brixo::selfplay {

// How often each code 1..53 occurs; entry 0 counts nothing.
using TileCounts = std::array<int, kHighestTile + 1>;

inline void countBoard(const BoardGrid& board, TileCounts& counts, int sign = 1)
{
    for (int col = 0; col < BoardGrid::kStoredColumns; ++col)
        for (int row = 0; row < BoardGrid::kRows; ++row)
            if (const int tile = board.at(col, row); isTile(tile)) counts[tile] += sign;
}

// Every tile of the set, each code 1..53 twice, lies in exactly one place:
// on the board, in one of the four racks, or among the pool's places not
// yet taken. A lost, doubled or invented tile breaks it, as does a count
// that no longer matches its rack.
inline bool tilesConserved(const BoardGrid& board, const SlotTable& slots, const Pool& pool)
{
    TileCounts counts{};
    countBoard(board, counts);
    for (int seat = 1; seat <= kSeats; ++seat) {
        const Rack& rack = slots[seat].rack;
        int held = 0;
        for (int slot = 1; slot <= Rack::kSlots; ++slot) {
            const int tile = rack.at(slot);
            if (tile == kNoTile) continue;
            if (!isTile(tile)) return false;
            ++counts[tile];
            ++held;
        }
        if (held != rack.tilecount()) return false;
    }
    for (int place = pool.poolpos + 1; place <= Pool::kSize; ++place) ++counts[pool.at(place)];
    for (int code = 1; code <= kHighestTile; ++code)
        if (counts[code] != 2) return false;
    return true;
}

// While a turn runs the board may be rearranged at will, but it holds
// exactly the tiles of the turn's snapshot plus those laid from the rack
// this turn.
inline bool boardIsSnapshotPlusLog(const BoardGrid& board, const BoardGrid& snapshot, const std::vector<LaidTile>& log)
{
    TileCounts counts{};
    countBoard(board, counts);
    countBoard(snapshot, counts, -1);
    for (const LaidTile& laid : log) {
        if (!isTile(laid.tile)) return false;
        --counts[laid.tile];
    }
    for (int code = 1; code <= kHighestTile; ++code)
        if (counts[code] != 0) return false;
    return true;
}

// Once a turn has ended its moves are either committed or taken back: the
// board is the snapshot, cell for cell, and nothing is left in the log.
inline bool turnSettled(const BoardGrid& board, const BoardGrid& snapshot, const std::vector<LaidTile>& log)
{
    return log.empty() && board == snapshot;
}

} // namespace brixo::selfplay
