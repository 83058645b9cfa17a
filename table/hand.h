// The tile a player is moving: nothing, a tile picked from the rack (its
// card raised), or a tile lifted off the board (its cell shows empty until
// the tile is put down elsewhere or back).
#pragma once

#include "model/places.h"
#include "table/placerules.h"

namespace brixo {

struct Hand {
    enum class Source { Nothing, Rack, Board };

    Source source = Source::Nothing;
    Tile tile;
    RackSlot slot;   // the rack slot of a rack tile
    BoardCell cell;  // the cell a board tile came from
    placerules::Completion completion = placerules::Completion::None;

    static Hand fromRack(RackSlot slot, Tile tile, placerules::Completion completion)
    {
        return {Source::Rack, tile, slot, {}, completion};
    }
    static Hand fromBoard(BoardCell cell, Tile tile) { return {Source::Board, tile, {}, cell, {}}; }

    bool empty() const { return source == Source::Nothing; }
    bool holdsRackTile() const { return source == Source::Rack; }
    bool holdsBoardTile() const { return source == Source::Board; }
    bool holdsSlot(RackSlot rackSlot) const { return holdsRackTile() && slot == rackSlot; }

    bool operator==(const Hand&) const = default;
};

} // namespace brixo
