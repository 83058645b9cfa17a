// A move this table sent to the server: a rack tile laid on a cell, or a
// board tile moved from one cell to another.
#pragma once

#include "model/places.h"

namespace brixo {

struct PendingMove {
    enum class Kind { Place, Move };

    Kind kind = Kind::Place;
    Tile tile;
    BoardCell to;    // where the tile went
    RackSlot slot;   // Place: the rack slot it left
    BoardCell from;  // Move: the cell it left

    static PendingMove place(Tile tile, RackSlot slot, BoardCell to) { return {Kind::Place, tile, to, slot, {}}; }
    static PendingMove move(Tile tile, BoardCell from, BoardCell to) { return {Kind::Move, tile, to, {}, from}; }

    // The same move, the other way round: the tile goes back where it came from.
    PendingMove reversed() const { return move(tile, to, from); }

    // The server's echo of a move says where the tile went (and for a move
    // where it came from), never which rack slot it left.
    bool answeredBy(const PendingMove& echo) const
    {
        return kind == echo.kind && tile == echo.tile && to == echo.to && (kind == Kind::Place || from == echo.from);
    }

    bool operator==(const PendingMove&) const = default;
};

} // namespace brixo
