// The table drawn at a size: every length of the 100 % layout multiplied by
// one factor, rounded so that neighbouring parts still meet, and presses on
// the board turned back into cells by the same rule at every size.
#pragma once

#include "model/places.h"

namespace brixo {

struct ScaledRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ScaledRect&) const = default;
};

class TableScale {
public:
    // A size choice of 0 percent fits the table to the window.
    static constexpr int kFitToWindow = 0;
    static constexpr double kSmallest = 1.0;
    static constexpr double kLargest = 4.0;

    explicit TableScale(double factor = 1.0);

    double factor() const { return m_factor; }

    // A length or a place of the 100 % layout at this size.
    int px(int base) const;
    // Left and right edges are scaled separately, so rectangles that touch
    // at 100 % touch at every size.
    ScaledRect rect(int x, int y, int width, int height) const;

    // The board cell a press at paint-box pixel (x, y) hits: the 100 % rule,
    // applied to the point the press lies over at 100 %.
    BoardCell cellOfPress(int x, int y) const;
    // The column whose left edge, as drawn, lies nearest a press at
    // paint-box pixel x: a tile put into a set there goes in at that edge.
    // It is the column of cellOfPress, or the one after it.
    int edgeOfPress(int x) const;
    // Where the cell is drawn in the paint box.
    ScaledRect cellRect(BoardCell cell) const;

    // The largest factor at which a base-sized area fits in the room given,
    // within the allowed range.
    static double fitting(int roomWidth, int roomHeight, int baseWidth, int baseHeight);
    // The factor a choice in percent gives in a room; a fixed size larger
    // than the room is shown as large as fits.
    static double forChoice(int percent, int roomWidth, int roomHeight, int baseWidth, int baseHeight);

    bool operator==(const TableScale&) const = default;

private:
    double m_factor;
};

} // namespace brixo
