// What the group and run searches read the board and the rack by.
#pragma once

#include "model/boardgrid.h"
#include "model/tile.h"

namespace brixo {

// A tile the searches match by number and colour: any but the wild tile.
constexpr bool usable(int tile)
{
    return tile != kNoTile && tile != kWildTile;
}

} // namespace brixo
