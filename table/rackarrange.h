// Arranging the player's rack by the sets its tiles make: the tiles that
// make whole sets stand together, then the pairs that want one more tile,
// then the rest, the wild tiles last. Like sorting, it changes only the
// rack places; the server's slot numbers stay as they are.
#pragma once

#include "model/places.h"

#include <vector>

namespace brixo::rackarrange {

struct RackTile {
    RackSlot slot;
    Tile tile;
};

// The slots of `tiles` in their arranged order:
//  1. whole sets (runs of three or more of one colour, groups of three or
//     four colours of one number), as many tiles in sets as the rack
//     allows (more points when two ways place as many), each set in order;
//  2. of the tiles left, pairs that are one tile short of a set: two of a
//     colour one apart, two of a number in two colours, two of a colour
//     with one number between;
//  3. the tiles left over;
//  4. the wild tiles.
// Sets and pairs stand in the order of their lowest tile, and the tiles
// left over in order, by the sort key of racksort (`byNumber`). Tiles of
// one code keep the order they had.
std::vector<RackSlot> arrange(const std::vector<RackTile>& tiles, bool byNumber);

} // namespace brixo::rackarrange
