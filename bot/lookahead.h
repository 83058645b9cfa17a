// A few turns of a round played ahead on tile codes alone, for the Master
// to compare its candidate turns by. Every seat plays the Expert's best
// play (bestplay.h) on the board as a heap of tiles: the search rearranges
// the board at will, so where the tiles lie plays no part and nothing is
// laid out on a grid.
//
// What the seat that looks ahead cannot see, the other racks and the order
// of the pool, comes from sampling the tiles it has not seen: all 106 less
// the board and its own rack, shuffled and dealt into racks of the sizes
// the other seats hold, the rest the pool in that order.
#pragma once

#include "bot/bestplay.h"

#include <cstdint>
#include <vector>

namespace brixo {

struct LookaheadSeat {
    std::vector<int> rack;
    bool laidDown = false;
    int gained = 0;          // value laid from the rack since the look-ahead began
    bool poolEmpty = false;  // met the empty pool
};

// One possible course of the round: seat 0 is the seat that looks ahead,
// the others follow in turn order.
struct LookaheadGame {
    std::vector<int> board;
    std::vector<LookaheadSeat> seats;
    std::vector<int> pool;   // drawn from the front
    std::size_t poolNext = 0;
    int wentOut = -1;        // the seat whose rack emptied, or -1
    // Four seats in two teams, each seat's partner two seats on: a team
    // goes out when both its racks are empty and they share one standing.
    bool team = false;
    bool over = false;       // went out, or every seat met the empty pool

    // The seat lays these rack tiles (worth `value`) to the board; an
    // empty rack ends the round.
    void lay(std::size_t seat, const std::vector<int>& laid, int value);
    // The seat draws a tile; a draw every seat made on an empty pool ends
    // the round.
    void draw(std::size_t seat);
    // One turn of the seat with the Expert's search.
    void playturn(std::size_t seat, const PlayLimits& limits);
    // Seat 0's standing against the best of the others (or their mean), as
    // the round would settle if it ended now: each seat's gains, less its
    // rack's value (the wild tile 30) or, for the seat that went out, plus
    // every other rack's. In a team game: its team's against the other's.
    int standing(bool againstBest = true) const;
};

// What the seat that looks ahead knows of another seat.
struct SeatCount {
    int tiles = 0;
    bool laidDown = false;
};

// `count` possible games with the same board and own rack, and other racks
// and pools sampled from the unseen tiles; the same `seed` gives the same
// games.
std::vector<LookaheadGame> sampledeals(const std::vector<int>& board, const std::vector<int>& rack, bool laidDown,
                                       const std::vector<SeatCount>& others, int count, std::uint64_t seed);

} // namespace brixo
