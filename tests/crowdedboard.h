// Positions for the Expert and its hint: a board dealt full of valid sets
// at random places, and a rack of tiles that are left.
#pragma once

#include "bot/bestplay.h"
#include "model/boardgrid.h"
#include "model/rack.h"
#include "model/randomsource.h"
#include "tests/tilecodes.h"

#include <array>
#include <vector>

namespace brixo::test {

struct Crowded {
    BoardGrid board;
    Rack rack;
};

// About `tiles` tiles on the board, and a rack of `rackTiles` (at most).
inline Crowded crowdedPosition(SeededRandom& random, int tiles, int rackTiles = 14)
{
    std::array<int, kHighestTile + 1> left{};
    left.fill(2);
    left[0] = 0;
    Crowded p;
    int laid = 0;
    for (int attempt = 0; attempt < 400 && laid < tiles; ++attempt) {
        std::vector<int> set;
        const int colour = random.below(4);
        const int number = 1 + random.below(13);
        if (random.below(2) == 0) {
            const int length = 3 + random.below(4);
            for (int n = number; n < number + length && n <= 13; ++n) set.push_back(colour * 13 + n);
        } else {
            for (int c = 0; c < 3 + random.below(2); ++c) set.push_back((colour + c) % 4 * 13 + number);
        }
        if (random.below(8) == 0 && set.size() > 3) set[std::size_t(random.below(int(set.size())))] = W;
        if (!validset(set)) continue;
        std::array<int, kHighestTile + 1> need{};
        bool enough = true;
        for (const int t : set) enough = enough && ++need[std::size_t(t)] <= left[std::size_t(t)];
        if (!enough) continue;
        const int row = 1 + random.below(12);
        const int col = 1 + random.below(22 - int(set.size()) + 1);
        bool room = true;
        for (int c = col - 1; c <= col + int(set.size()); ++c) room = room && p.board.isEmpty(c, row);
        if (!room) continue;
        for (int i = 0; i < int(set.size()); ++i) p.board.set(col + i, row, set[std::size_t(i)]);
        for (const int t : set) --left[std::size_t(t)];
        laid += int(set.size());
    }
    std::vector<int> rest;
    for (int t = 1; t <= kHighestTile; ++t)
        for (int copy = 0; copy < left[std::size_t(t)]; ++copy) rest.push_back(t);
    for (int slot = 1; slot <= rackTiles && !rest.empty(); ++slot) {
        const std::size_t pick = std::size_t(random.below(int(rest.size())));
        p.rack.set(slot, rest[pick]);
        rest.erase(rest.begin() + std::ptrdiff_t(pick));
    }
    return p;
}

} // namespace brixo::test
