// Putting the player's rack in order, by number or by colour. Only the
// rack places change: the server's slot numbers stay as they are.
#pragma once

#include "table/rackpositions.h"

#include <functional>

namespace brixo::racksort {

// The key a tile sorts by. By number: its number 1..13, the wild tile
// last. By colour: the code itself, so Green, Orange, Red, Black, and the
// wild tile last.
int sortKey(Tile tile, bool byNumber);

// Bubble-sorts the occupied places by key, left to right. Equal keys never
// change places, so tiles of one number keep the order an earlier sort by
// colour gave them. `tileOf` gives the tile a slot shows; no tile (the tile
// is gone) stops the sort where it stands and answers false. `moved` hears
// of every exchange of two places.
bool sortthem(RackPositions& rack, bool byNumber, const std::function<Tile(RackSlot)>& tileOf,
              const std::function<void(int a, int b)>& moved = {});

} // namespace brixo::racksort
