// The tile a player is moving: nothing, a tile picked from the rack (its
// card raised), or a tile lifted off the board (its cell shows empty until
// the tile is put down elsewhere or back).
#pragma once

#include "model/tile.h"
#include "table/placerules.h"

namespace brixo {

struct Hand {
    enum class Source { Nothing, Rack, Board };
    // The hand's slot number while it holds a board tile; rack slots never
    // reach it.
    static constexpr int kBoardTileSlot = 100;

    Source source = Source::Nothing;
    int tile = kNoTile;
    int slot = 0;  // the rack slot of a rack tile
    int col = -1;  // the cell a board tile came from
    int row = -1;
    placerules::Completion completion = placerules::Completion::None;

    static Hand fromRack(int slot, int tile, placerules::Completion completion)
    {
        return {Source::Rack, tile, slot, -1, -1, completion};
    }
    static Hand fromBoard(int col, int row, int tile)
    {
        return {Source::Board, tile, 0, col, row, placerules::Completion::None};
    }

    bool empty() const { return source == Source::Nothing; }
    bool holdsRackTile() const { return source == Source::Rack; }
    bool holdsBoardTile() const { return source == Source::Board; }
    bool holdsSlot(int rackSlot) const { return holdsRackTile() && slot == rackSlot; }
    // -1 for an empty hand, kBoardTileSlot for a board tile, else the rack slot.
    int handSlot() const { return empty() ? -1 : holdsBoardTile() ? kBoardTileSlot : slot; }

    bool operator==(const Hand&) const = default;
};

} // namespace brixo
