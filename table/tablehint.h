// The advice a table gives its player on request: the play the Expert
// computer player would make with this table's board as shown and the
// tiles its rack offers, told as the rack tiles to lay and the sets they
// go into, with the moves Show Me makes to lay them. It moves nothing.
#pragma once

#include "model/boardgrid.h"
#include "model/places.h"
#include "table/showme.h"

#include <string>
#include <vector>

namespace brixo {

class TableMirror;

struct TableHint {
    std::vector<RackSlot> rackSlots; // the rack slots whose tiles to lay; none: draw
    int value = 0;
    std::string text;                // the notice for the chat
    BoardGrid board;                 // the board the play leaves
    ShowMePlan plan;                 // how Show Me lays it
};

// Nothing is laid from the tiles awaiting the server's word; a board tile
// in the hand counts where it was lifted from.
TableHint tablehint(const TableMirror& mirror);

// Plays that lay more tiles than this, or go into more sets, are told in
// one short line that leaves the how to Show Me.
inline constexpr int kHintTilesToName = 8;
inline constexpr int kHintSetsToName = 3;

// The sentence for a play that takes `before` to `after` by the plan's
// transfers. The tiles are named as they show (Red 11, not Red Jack) and
// grouped by the set they go into, each set told as
//   "Red 10, 11, 12 as a new run", "Green 7, Orange 7, Black 7 as a new group",
//   "Green 5, 6, 7 beside the Green 8 to 10 run", "Orange 1 with the 1s",
//   "Red 4 into a rearranged Red 2 to 5 run" or
//   "Black 9 into a rearranged group of 9s" (board tiles move into it),
// as "Lay <sets, by '; '> (20 points)." with "; Show Me moves 6 board
// tiles" inside the brackets when board tiles move. A big play reads
// "Lay 14 tiles for 235 points: press Show Me."; no play at all, "No play
// found: draw a tile." (The chat shows a notice up to its first colon in
// bold, so only the short forms have one.)
std::string hinttext(const BoardGrid& before, const BoardGrid& after, const ShowMePlan& plan, int value);

} // namespace brixo
