// Readable tile codes for tests, and the typed places printed as numbers
// when an expectation fails.
#pragma once

#include "model/places.h"
#include "model/tile.h"

#include <ostream>
#include <vector>

namespace brixo {

template <class Kind, int First, int Last>
void PrintTo(Numbered<Kind, First, Last> n, std::ostream* out)
{
    *out << n.number();
}
inline void PrintTo(Tile tile, std::ostream* out)
{
    *out << "tile " << tile.code();
}
inline void PrintTo(BoardCell cell, std::ostream* out)
{
    *out << "(" << cell.col << ", " << cell.row << ")";
}

namespace test {

constexpr int green(int n) { return n; }
constexpr int orange(int n) { return 13 + n; }
constexpr int red(int n) { return 26 + n; }
constexpr int black(int n) { return 39 + n; }
constexpr int W = kWildTile;

// The rack slots' numbers, for comparing with plain lists.
template <class Places>
std::vector<int> numbers(const Places& places)
{
    std::vector<int> out;
    for (const auto& place : places) out.push_back(place.number());
    return out;
}

} // namespace test
} // namespace brixo
