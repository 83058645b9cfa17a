// Readable tile codes for tests.
#pragma once

#include "model/tile.h"

namespace brixo::test {

constexpr int green(int n) { return n; }
constexpr int orange(int n) { return 13 + n; }
constexpr int red(int n) { return 26 + n; }
constexpr int black(int n) { return 39 + n; }
constexpr int W = kWildTile;

} // namespace brixo::test
