#include "tests/support/selfplaychecks.h"

#include <array>

namespace brixo::selfplay {

namespace {

// How often each code 1..53 occurs; entry 0 counts nothing.
using TileCounts = std::array<int, kHighestTile + 1>;

void countBoard(const BoardGrid& board, TileCounts& counts, int sign = 1)
{
    for (int col = 0; col < BoardGrid::kStoredColumns; ++col)
        for (int row = 0; row < BoardGrid::kRows; ++row)
            if (const int tile = board.at(col, row); isTile(tile)) counts[tile] += sign;
}

} // namespace

bool tilesConserved(const BoardGrid& board, const SlotTable& slots, const Pool& pool)
{
    TileCounts counts{};
    countBoard(board, counts);
    for (const Seat seat : Seat::all()) {
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

bool boardIsSnapshotPlusLog(const BoardGrid& board, const BoardGrid& snapshot, const std::vector<LaidTile>& log)
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

bool turnSettled(const BoardGrid& board, const BoardGrid& snapshot, const std::vector<LaidTile>& log)
{
    return log.empty() && board == snapshot;
}

} // namespace brixo::selfplay
