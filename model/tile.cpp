#include "model/tile.h"

#include <array>

namespace brixo {

std::string gettilename(int code)
{
    static const std::array<const char*, 4> colours = {"Green", "Orange", "Red", "Black"};
    static const std::array<const char*, 13> faces = {
        "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "Jack", "Queen", "King"};
    if (!isTile(code)) return {};
    if (code == kWildTile) return "WILD";
    return std::string(colours[getsuit(code) - 1]) + " " + faces[facenumber(code) - 1];
}

} // namespace brixo
