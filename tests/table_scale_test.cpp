// The table at another size: presses on the board find the same cells as at
// 100 %, drawn cells tile the board without gaps, and the size choices fit
// the room they are given.
#include "table/placerules.h"
#include "table/tablescale.h"

#include <gtest/gtest.h>

#include <cmath>

using brixo::ScaledRect;
using brixo::TableScale;

namespace {

// The first and last paint-box pixel whose press hits cell `index` (1-based)
// of cells `size` base pixels apart, at a factor: the 100 % hit area lies 5
// pixels before the picture.
int firstPixel(int index, int size, double factor)
{
    return static_cast<int>(std::ceil(((index - 1) * size - 5) * factor));
}

} // namespace

TEST(TableScale, PressesOnEveryCellEdgeFindThatCellAtEverySize)
{
    for (double factor : {1.0, 1.5, 2.0, 1.37, 2.71}) {
        const TableScale scale(factor);
        for (int col = 2; col <= 22; ++col) {
            const int first = firstPixel(col, 20, factor);
            const int last = firstPixel(col + 1, 20, factor) - 1;
            EXPECT_EQ(scale.cellOfPress(first, 100).col, col) << factor;
            EXPECT_EQ(scale.cellOfPress(last, 100).col, col) << factor;
            EXPECT_EQ(scale.cellOfPress(first - 1, 100).col, col - 1) << factor;
        }
        // A tile is put into a set at the edge of the drawn tile nearer the press.
        for (int col = 1; col <= 22; ++col) {
            const ScaledRect drawn = scale.cellRect({col, 3});
            EXPECT_EQ(scale.edgeOfPress(drawn.x + drawn.width / 4), col) << factor;
            EXPECT_EQ(scale.edgeOfPress(drawn.x + drawn.width * 3 / 4), col + 1) << factor;
        }
        for (int row = 2; row <= 12; ++row) {
            const int first = firstPixel(row, 30, factor);
            const int last = firstPixel(row + 1, 30, factor) - 1;
            EXPECT_EQ(scale.cellOfPress(100, first).row, row) << factor;
            EXPECT_EQ(scale.cellOfPress(100, last).row, row) << factor;
            EXPECT_EQ(scale.cellOfPress(100, first - 1).row, row - 1) << factor;
        }
    }
    // At 100 % it is the base rule exactly.
    const TableScale plain;
    for (int x = 0; x < 441; ++x) EXPECT_EQ(plain.cellOfPress(x, 0), brixo::placerules::cellOfPress(x, 0)) << x;
}

TEST(TableScale, DrawnCellsMeetWithoutGapsOrOverlap)
{
    const TableScale scale(1.37);
    for (int col = 1; col < 22; ++col) {
        const ScaledRect a = scale.cellRect({col, 1});
        const ScaledRect b = scale.cellRect({col + 1, 1});
        EXPECT_EQ(a.x + a.width, b.x);
        EXPECT_GE(a.width, 27);
        EXPECT_LE(a.width, 28);
    }
    EXPECT_EQ(TableScale(1.5).cellRect({3, 2}), (ScaledRect{60, 45, 30, 45}));
}

TEST(TableScale, ChoicesFitTheRoom)
{
    // A fixed size shows whole when the room allows, else as large as fits.
    EXPECT_DOUBLE_EQ(TableScale::forChoice(150, 2000, 2000, 775, 580), 1.5);
    EXPECT_DOUBLE_EQ(TableScale::forChoice(200, 1024, 768, 775, 580), 1.32);
    EXPECT_DOUBLE_EQ(TableScale::forChoice(TableScale::kFitToWindow, 1920, 1050, 775, 580), 1.81);
    // Never below the 100 % layout, whatever the room.
    EXPECT_DOUBLE_EQ(TableScale::forChoice(TableScale::kFitToWindow, 300, 200, 775, 580), 1.0);
    EXPECT_DOUBLE_EQ(TableScale::forChoice(50, 4000, 4000, 775, 580), 1.0);
    EXPECT_DOUBLE_EQ(TableScale(0.0 / 0.0).factor(), 1.0);
}
