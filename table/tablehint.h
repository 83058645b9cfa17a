// The advice a table gives its player on request: the play the Expert
// computer player would make with this table's board as shown and the
// tiles its rack offers, told as the rack tiles to lay and what they are
// worth. It moves nothing.
#pragma once

#include "model/places.h"

#include <string>
#include <vector>

namespace brixo {

class TableMirror;

struct TableHint {
    std::vector<RackSlot> rackSlots; // the rack slots whose tiles to lay; none: draw
    int value = 0;
    std::string text;                // the notice for the chat
};

// Nothing is laid from the tiles awaiting the server's word; a board tile
// in the hand counts where it was lifted from.
TableHint tablehint(const TableMirror& mirror);

// "Lay Red 10, Red Jack, Red Queen for 33 points." (the tiles named as the
// game log names them) or, with no tiles, "No play found: draw a tile."
std::string hinttext(const std::vector<Tile>& tiles, int value);

} // namespace brixo
