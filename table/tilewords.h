// A tile's name in the player's language: "Green 7", "Red King", "Joker".
// The model's gettilename() is the English the server and the tools use;
// the table says tiles to its player through here.
#pragma once

#include "model/tile.h"

#include <string>

namespace brixo {

// "Green", "Orange", "Red" or "Black" for a colour index 1 to 4.
std::string colourword(int suit);
// The number as the tiles say it: "7", "Jack", "Queen", "King".
std::string numberword(int face);
// The whole tile: colour and number, or the wild tile's name; empty for no tile.
std::string tileword(int code);
inline std::string tileword(Tile tile)
{
    return tileword(tile.code());
}

} // namespace brixo
