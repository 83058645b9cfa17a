#include "table/tilewords.h"

#include "table/wording.h"

namespace brixo {

std::string colourword(int suit)
{
    switch (suit) {
    case 1: return translate("Tile", "Green");
    case 2: return translate("Tile", "Orange");
    case 3: return translate("Tile", "Red");
    case 4: return translate("Tile", "Black");
    default: return {};
    }
}

std::string numberword(int face)
{
    switch (face) {
    //: The tiles numbered 11, 12 and 13 are called Jack, Queen and King.
    case 11: return translate("Tile", "Jack");
    case 12: return translate("Tile", "Queen");
    case 13: return translate("Tile", "King");
    default: return std::to_string(face);
    }
}

std::string tileword(int code)
{
    if (!isTile(code)) return {};
    //: The wild tile, which stands for any tile (the joker).
    if (code == kWildTile) return translate("Tile", "WILD");
    // The colour and the number; a language may put them the other way round.
    //: A tile by its colour (%1) and its number (%2): "Green 7", "Red King".
    return fillin(translate("Tile", "%1 %2"), {colourword(getsuit(code)), numberword(facenumber(code))});
}

} // namespace brixo
