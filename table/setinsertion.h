// Putting a tile into a set on the board: a tile dropped on a tile of a set
// goes in beside it, and the set's tiles on one side move along by one cell
// to make the space. The table asks for each of those moves as a person
// moving the tiles one by one would, so the server checks every one.
#pragma once

#include "model/boardgrid.h"
#include "table/pendingmove.h"

#include <optional>
#include <string>
#include <vector>

namespace brixo::setinsertion {

// Which edge of the tile pressed on the press lies nearer: the tile put
// down goes in before it or after it.
enum class Side { Before, After };

struct Insertion {
    // The board tiles to move, in the order to ask for them: every move's
    // cell is free by the time it is asked for. A board tile in the hand
    // moves last, to the insertion cell, possibly by way of a spare cell.
    std::vector<PendingMove> moves;
    // Where the tile put in ends.
    BoardCell cell;
    // Why it cannot go in; empty when it can.
    std::string refusal;

    bool ok() const { return refusal.empty(); }
};

// Puts `tile` into the set holding the tile on `onto`, on the given side of
// it. The set is the row of touching tiles through `onto` on the board as
// shown (`board`, where the cell a board tile was lifted from is empty).
// `lifted`: that cell, when the tile comes from the board.
//
// Of the tiles before the new place and those after it, the side with room
// moves: its last tile needs a free cell to move into, and, when any tile
// moves, the set must not run into the next set along the row. With room on
// both sides, the side with fewer tiles to move moves, the tiles after it
// when even. A place at the set's end with its cell free is a plain put-down
// there. The tile must also fit its new neighbours' numbers as any put-down
// must (placerules::fitsOrder).
Insertion insertIntoSet(const BoardGrid& board, BoardCell onto, Side side, Tile tile,
                        std::optional<BoardCell> lifted = std::nullopt);

} // namespace brixo::setinsertion
