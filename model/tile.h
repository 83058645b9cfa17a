// Tile codes and what can be read from them.
//
// A tile is an int: 0 is no tile, 1..13 Green 1..King, 14..26 Orange,
// 27..39 Red, 40..52 Black, 53 the wild tile. Numbers arrive from the
// network, so every function here accepts any int and answers "no tile"
// for codes outside 0..53.
#pragma once

#include "model/places.h"

#include <string>

namespace brixo {

inline constexpr int kNoTile = 0;
inline constexpr int kWildTile = 53;
inline constexpr int kHighestTile = Tile::kHighest;
inline constexpr int kTilesPerColour = 13;

// True for a real tile, 1..53.
constexpr bool isTile(int code) { return code >= 1 && code <= kHighestTile; }

// Colour index: 1 Green, 2 Orange, 3 Red, 4 Black, 5 wild; 0 for anything else.
constexpr int getsuit(int code)
{
    if (!isTile(code)) return 0;
    if (code == kWildTile) return 5;
    return (code - 1) / kTilesPerColour + 1;
}

// Face number 1..13 of a coloured tile (the wild tile reads as 1, since its
// code is 53 = 4 * 13 + 1); 0 for no tile.
constexpr int facenumber(int code) { return isTile(code) ? (code - 1) % kTilesPerColour + 1 : 0; }

// The number the set rules compare: code mod 13. Faces 1..12 give 1..12, a
// King gives 0, the wild tile gives 1. No tile gives 0.
constexpr int rulesnumber(int code) { return isTile(code) ? code % kTilesPerColour : 0; }

// Order number 1..13 (a King is 13): code mod 13 with 0 read as 13.
constexpr int ordernumber(int code)
{
    if (!isTile(code)) return 0;
    const int n = code % kTilesPerColour;
    return n == 0 ? kTilesPerColour : n;
}

// Points: the wild tile is worth 30, any other tile its face number.
constexpr int tilevalue(int code)
{
    if (!isTile(code)) return 0;
    return code == kWildTile ? 30 : ordernumber(code);
}

// Display name: "" for no tile, "WILD", or colour word + blank + face word
// ("Black 1", "Orange Queen").
std::string gettilename(int code);

// The same readings of a typed tile.
constexpr int getsuit(Tile tile) { return getsuit(tile.code()); }
constexpr int ordernumber(Tile tile) { return ordernumber(tile.code()); }
constexpr int tilevalue(Tile tile) { return tilevalue(tile.code()); }
inline std::string gettilename(Tile tile) { return gettilename(tile.code()); }

} // namespace brixo
