// The rules of a press on the board that need no window: which cell a press
// hits, whether the tile in the hand may go between its neighbours, and
// which rack tiles complete a run or a group after a placement.
#pragma once

#include "model/boardgrid.h"
#include "table/rackpositions.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace brixo::placerules {

// The cell of a press at paint-box pixel (x, y). A cell's hit area lies
// 5 pixels left of and above its picture, so the right-most and
// bottom-most 6 pixels of the board give column 23 or row 13.
BoardCell cellOfPress(int x, int y);

// Whether the tile fits on the cell between its neighbours on the board: a
// tile on its left may not be higher and a tile on its right may not be
// lower (equal numbers make a group; a King counts 13). Wild tiles on
// either side, and a wild tile in the hand, always fit.
bool fitsOrder(const BoardGrid& grid, BoardCell cell, Tile tile);

// The neighbour that keeps the tile off the cell by that rule: a higher
// tile on its left or a lower one on its right (the left one when both do).
struct OrderClash {
    Tile neighbour;
    bool onLeft = false;
    bool operator==(const OrderClash&) const = default;
};
std::optional<OrderClash> orderClash(const BoardGrid& grid, BoardCell cell, Tile tile);

// Why the tile may not be put on the cell, in one short sentence for the
// status line ("That cell is taken.", "A 7 cannot go after a 9."); empty
// when it may.
std::string whyNotHere(const BoardGrid& grid, BoardCell cell, Tile tile);

// How the selected rack tile completes itself once placed.
enum class Completion { None, Run, Group };

// The two rack slots that complete the tile `placed`, scanning the rack
// places from the left: for a run the next two tiles of its colour, for a
// group two tiles of its number in two other colours. A slot for which
// `tileOf` answers no tile (no tile there to take) is skipped. Nothing when
// fewer than two tiles are found.
std::optional<std::array<RackSlot, 2>> completionChoices(const RackPositions& rack,
                                                         const std::function<Tile(RackSlot)>& tileOf, Tile placed,
                                                         Completion completion);

} // namespace brixo::placerules
