// The draw pile: 106 tile codes, each of 1..53 twice, at places 1..106.
#pragma once

#include "model/randomsource.h"

#include <array>

namespace brixo {

class Pool {
public:
    static constexpr int kSize = 106;

    // Refill with 1..53 twice and shuffle; poolpos back to 0.
    void shuffletiles(RandomSource& random);

    // Tile at place 1..106; 0 outside.
    int at(int place) const { return place >= 1 && place <= kSize ? m_tiles[place - 1] : 0; }

    // Places already taken. The server may push it past 106 to mark an
    // exhausted pool (tiles left then reads -1).
    int poolpos = 0;

    int tilesLeft() const { return kSize - poolpos; }
    bool exhausted() const { return poolpos + 1 > kSize; }

    // Takes the next tile (place poolpos + 1); 0 when the pool is exhausted.
    int take();

    // The order of places 1..106, and putting back an order and position
    // kept from an earlier game (a resumed game goes on from there).
    const std::array<int, kSize>& order() const { return m_tiles; }
    void restore(const std::array<int, kSize>& tiles, int position)
    {
        m_tiles = tiles;
        poolpos = position;
    }

private:
    std::array<int, kSize> m_tiles{};
};

} // namespace brixo
