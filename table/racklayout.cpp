#include "table/racklayout.h"

#include <algorithm>

namespace racklayout {

namespace {

constexpr int kWideWidth = 40;
constexpr int kWideHeight = 60;
constexpr int kWideTop = 8;
constexpr int kWideRaise = 4;

constexpr int kSmallWidth = 30;
constexpr int kSmallHeight = 45;
// The first row rises to the area's top edge; the second rises over the
// first row's lower edge, in front of it.
constexpr int kFirstRowTop = 1;
constexpr int kFirstRowRaise = 1;
constexpr int kSecondRowTop = kAreaHeight - kSmallHeight;
constexpr int kSecondRowRaise = 4;

// Side by side while they fit, else spread evenly over the whole width.
int stepFor(int tiles)
{
    if (tiles <= 1 || tiles * kSmallWidth <= kAreaWidth) return kSmallWidth;
    return (kAreaWidth - kSmallWidth) / (tiles - 1);
}

void addRow(std::vector<Spot>& out, int tiles, int top, int raise)
{
    const int step = stepFor(tiles);
    for (int i = 0; i < tiles; ++i) out.push_back({i * step, top, kSmallWidth, kSmallHeight, raise});
}

} // namespace

std::vector<Spot> spots(int count)
{
    count = std::clamp(count, 0, kMostTiles);
    std::vector<Spot> out;
    out.reserve(static_cast<std::size_t>(count));
    if (count <= kOneRowMost) {
        for (int i = 0; i < count; ++i) out.push_back({i * kWideWidth, kWideTop, kWideWidth, kWideHeight, kWideRaise});
        return out;
    }
    const int first = (count + 1) / 2;
    addRow(out, first, kFirstRowTop, kFirstRowRaise);
    addRow(out, count - first, kSecondRowTop, kSecondRowRaise);
    return out;
}

} // namespace racklayout
