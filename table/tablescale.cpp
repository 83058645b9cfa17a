#include "table/tablescale.h"

#include <algorithm>
#include <cmath>

namespace brixo {

namespace {

constexpr int kCellWidth = 20;
constexpr int kCellHeight = 30;

double clampFactor(double factor)
{
    if (!std::isfinite(factor)) return TableScale::kSmallest;
    return std::clamp(factor, TableScale::kSmallest, TableScale::kLargest);
}

} // namespace

TableScale::TableScale(double factor) : m_factor(clampFactor(factor)) {}

int TableScale::px(int base) const
{
    return static_cast<int>(std::lround(base * m_factor));
}

ScaledRect TableScale::rect(int x, int y, int width, int height) const
{
    const int left = px(x);
    const int top = px(y);
    return {left, top, px(x + width) - left, px(y + height) - top};
}

BoardCell TableScale::cellOfPress(int x, int y) const
{
    // The base rule adds 5 and divides whole pixels; here the point at 100 %
    // is fractional, so the division floors it the same way.
    const double baseX = x / m_factor;
    const double baseY = y / m_factor;
    return {static_cast<int>(std::floor((baseX + 5) / kCellWidth)) + 1,
            static_cast<int>(std::floor((baseY + 5) / kCellHeight)) + 1};
}

int TableScale::edgeOfPress(int x) const
{
    return static_cast<int>(std::floor((x / m_factor + kCellWidth / 2.0) / kCellWidth)) + 1;
}

ScaledRect TableScale::cellRect(BoardCell cell) const
{
    return rect((cell.col - 1) * kCellWidth, (cell.row - 1) * kCellHeight, kCellWidth, kCellHeight);
}

double TableScale::fitting(int roomWidth, int roomHeight, int baseWidth, int baseHeight)
{
    if (baseWidth <= 0 || baseHeight <= 0) return kSmallest;
    const double across = double(roomWidth) / baseWidth;
    const double down = double(roomHeight) / baseHeight;
    // Hundredths, so a window a pixel smaller does not redraw every tile.
    return clampFactor(std::floor(std::min(across, down) * 100) / 100);
}

double TableScale::forChoice(int percent, int roomWidth, int roomHeight, int baseWidth, int baseHeight)
{
    const double room = fitting(roomWidth, roomHeight, baseWidth, baseHeight);
    if (percent == kFitToWindow) return room;
    return clampFactor(std::min(percent / 100.0, room));
}

} // namespace brixo
