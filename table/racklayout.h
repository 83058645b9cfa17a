// Where the rack's tiles are drawn so that all of them show without
// scrolling. Up to 18 tiles lie in one row at full size (40 x 60); more
// take two rows of smaller tiles (30 x 45), the first row holding the
// extra tile of an odd count. A row whose tiles do not fit side by side
// lets them overlap, later places drawn in front, so that 60 tiles fit in
// the rack's width with at least 24 pixels of each covered tile showing.
// All figures are pixels of the rack's inner area at 100% size; the window
// scales them.
#pragma once

#include <vector>

namespace racklayout {

inline constexpr int kAreaWidth = 740;
inline constexpr int kAreaHeight = 91;
inline constexpr int kOneRowMost = 18;
inline constexpr int kMostTiles = 60;

struct Spot {
    int x = 0;
    int y = 0; // the top of a resting tile
    int width = 0;
    int height = 0;
    int raise = 0; // how far a picked-up tile rises above y
    bool operator==(const Spot&) const = default;
};

// The spots of rack places 1..count (count 0..60), in place order: left to
// right, then the second row. Counts above 60 are treated as 60.
std::vector<Spot> spots(int count);

} // namespace racklayout
