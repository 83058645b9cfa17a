#include "bot/freestretch.h"
#include "tests/bot_faketable.h"

#include <gtest/gtest.h>

using namespace brixo;
using namespace brixo::test;

TEST(FreeStretch, DrawsColumnThenRowAndSkipsOccupiedStretches)
{
    BoardGrid grid;
    grid.set(8, 3, red(1)); // inside 3..8 of row 3
    ScriptedRandom random;
    random.stretchAt(3, 3);
    random.stretchAt(3, 4);
    EXPECT_EQ(freestretch(grid, random), (BoardCell{3, 4}));
    EXPECT_EQ(random.asked, (std::vector<int>{17, 12, 17, 12}));
}

TEST(FreeStretch, AStretchFoundOnlyOnTheHundredthDrawIsNotUsed)
{
    BoardGrid grid;
    grid.set(1, 1, red(1));
    for (int found = 99; found <= 100; ++found) {
        ScriptedRandom random;
        for (int draw = 1; draw < found; ++draw) random.stretchAt(1, 1);
        random.stretchAt(2, 2);
        const auto stretch = freestretch(grid, random);
        if (found == 99)
            EXPECT_EQ(stretch, (BoardCell{2, 2}));
        else
            EXPECT_FALSE(stretch);
        EXPECT_EQ(random.asked.size(), 2u * found);
    }
}

TEST(FreeStretch, RunStretchReachesTheAlwaysEmptyColumn23)
{
    BoardGrid grid;
    grid.set(17, 6, red(1));
    ScriptedRandom random;
    random.stretchAt(18, 6); // cells 18..23
    EXPECT_EQ(runstretch(grid, random), (BoardCell{18, 6}));
    EXPECT_EQ(random.asked, (std::vector<int>{18, 12}));
}

TEST(FreeStretch, RelocationStretchAnswersItsRightEndAndNeedsWidthPlusOneCells)
{
    BoardGrid grid;
    grid.set(15, 5, red(1));
    ScriptedRandom wide;
    wide.relocationAt(22, 5, 7); // cells 15..22: column 15 is taken
    wide.relocationAt(21, 6, 7); // cells 14..21 of row 6
    EXPECT_EQ(relocationstretch(grid, wide, 7), (BoardCell{21, 6}));
    EXPECT_EQ(wide.asked, (std::vector<int>{15, 12, 15, 12}));

    ScriptedRandom narrow;
    narrow.relocationAt(22, 5, 6); // cells 16..22
    EXPECT_EQ(relocationstretch(grid, narrow, 6), (BoardCell{22, 5}));
    EXPECT_EQ(narrow.asked, (std::vector<int>{16, 12}));
}
