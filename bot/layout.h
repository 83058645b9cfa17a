// Where the sets of a play go on the board, and the moves that take the
// board there.
//
// The sets are laid out in the rows and columns the tables show (columns 1
// to 22, rows 1 to 12), with an empty cell between two sets of a row. A set
// that is already on the board stays where it lies; the others are placed,
// one at a time and most-kept first, where the tiles already on the board
// match as many of their cells as possible, so few board tiles move. When
// that leaves no room for a set, only the unchanged sets are kept; when even
// that fails, every set is packed afresh.
//
// The moves come in an order in which each one is legal when it is made: a
// board tile moves to a cell that is empty at that moment, and a rack tile
// goes to an empty cell. Tiles that block each other in a ring are parked
// on a free cell first. The board may hold incomplete sets between moves.
#pragma once

#include "bot/botmoves.h"
#include "model/boardgrid.h"
#include "model/rack.h"

#include <vector>

namespace brixo {

struct BoardMove {
    enum class Kind { Place, Shift };
    Kind kind = Kind::Place;
    int slot = 0;     // Place: the rack slot whose tile is laid
    BoardCell from;   // Shift: the cell the tile leaves
    BoardCell to;
    bool operator==(const BoardMove&) const = default;
};

struct Layout {
    bool reached = false;          // every set found a place
    BoardGrid board;               // the board after the moves
    std::vector<BoardMove> moves;  // in the order they are to be made
    int shifts = 0;                // board tile moves, parking included
};

// `sets` must hold every tile of `board` and, besides, only tiles of `rack`.
Layout planlayout(const BoardGrid& board, const Rack& rack, const std::vector<std::vector<int>>& sets);

} // namespace brixo
