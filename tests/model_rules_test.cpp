#include "model/setrules.h"
#include "tests/tilecodes.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

using namespace brixo;
using namespace brixo::test;

namespace {

BoardGrid withRow(int row, int startCol, const std::vector<int>& codes, BoardGrid grid = {})
{
    int col = startCol;
    for (int code : codes) grid.set(col++, row, code);
    return grid;
}

struct SetCase {
    std::string what;
    std::vector<int> tiles;
    bool run;
    bool group;
};

class SetKinds : public ::testing::TestWithParam<SetCase> {};

std::string caseName(const ::testing::TestParamInfo<SetCase>& info)
{
    std::string name;
    for (char c : info.param.what) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

} // namespace

TEST_P(SetKinds, RunAndGroupAndWholeBoard)
{
    const SetCase& c = GetParam();
    const BoardGrid grid = withRow(5, 3, c.tiles);
    const int end = 3 + static_cast<int>(c.tiles.size()) - 1;
    EXPECT_EQ(checkforsuit(grid, 5, 3, end), c.run) << c.what;
    EXPECT_EQ(checkfornumber(grid, 5, 3, end), c.group) << c.what;
    EXPECT_EQ(boardok(grid), c.run || c.group) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Sets, SetKinds, ::testing::Values(
    SetCase{"plain run", {green(5), green(6), green(7)}, true, false},
    SetCase{"plain group", {red(9), black(9), orange(9)}, false, true},
    SetCase{"run across King to next colour", {green(12), green(13), orange(1)}, false, false},
    SetCase{"wild after King", {black(12), black(13), W}, false, false},
    SetCase{"wild before a 1", {W, red(1), red(2)}, false, false},
    SetCase{"two leading wilds before a run", {W, W, red(4), red(5)}, false, false},
    SetCase{"two leading wilds make a group", {W, W, red(4)}, false, true},
    SetCase{"Red 11 12 wild wild", {red(11), red(12), W, W}, true, false},
    SetCase{"Red 12 13 wild wild", {red(12), red(13), W, W}, true, false},
    SetCase{"wild in the middle of a run", {red(3), W, red(5)}, true, false},
    SetCase{"wild leading a run", {W, red(3), red(4)}, true, false},
    SetCase{"wild closing a run", {red(3), red(4), W}, true, false},
    SetCase{"two wilds inside a run", {red(3), W, W, red(6)}, true, false},
    SetCase{"duplicate number", {red(3), red(3), red(4)}, false, false},
    SetCase{"gap in a run", {red(3), red(4), red(6)}, false, false},
    SetCase{"descending is no run", {red(5), red(4), red(3)}, false, false},
    SetCase{"group of six", {green(5), orange(5), red(5), black(5), W, W}, false, true},
    SetCase{"group with a repeated colour", {green(5), green(5), red(5)}, false, false},
    SetCase{"Kings group", {green(13), red(13), W}, false, true},
    SetCase{"wild counts as 1 in a group of 1s", {green(1), red(1), W}, false, true},
    SetCase{"J Q K", {black(11), black(12), black(13)}, true, false},
    SetCase{"thirteen long", {orange(1), orange(2), orange(3), orange(4), orange(5), orange(6), orange(7),
                              orange(8), orange(9), orange(10), orange(11), orange(12), orange(13)}, true, false},
    SetCase{"mixed colours, mixed numbers", {green(2), red(3), black(4)}, false, false}),
    caseName);

TEST(BoardRules, TwoSetsInOneRowNeedAnEmptyCellBetween)
{
    BoardGrid grid = withRow(4, 3, {green(5), green(6), green(7)});
    grid = withRow(4, 7, {red(9), black(9), orange(9)}, grid);
    EXPECT_TRUE(boardok(grid));
    for (int filler : {green(8), W, red(9), black(1)}) {
        BoardGrid joined = grid;
        joined.set(6, 4, filler);
        EXPECT_FALSE(boardok(joined)) << "filler " << filler;
    }
}

TEST(BoardRules, FewerThanThreeTilesNeverPass)
{
    EXPECT_FALSE(boardok(withRow(2, 5, {red(1), red(2)})));
    EXPECT_FALSE(boardok(withRow(2, 5, {W, W})));
    EXPECT_FALSE(boardok(withRow(2, 5, {red(1)})));
    EXPECT_FALSE(boardok(withRow(12, 22, {black(13)})));
    // A valid set elsewhere does not rescue a stray pair.
    BoardGrid grid = withRow(1, 1, {red(1), red(2), red(3)});
    grid = withRow(3, 10, {green(7), orange(7)}, grid);
    EXPECT_FALSE(boardok(grid));
}

TEST(BoardRules, EmptyBoardAndEdgeRowsAndColumns)
{
    EXPECT_TRUE(boardok(BoardGrid{}));
    EXPECT_TRUE(boardok(withRow(0, 0, {red(1), red(2), red(3)})));
    EXPECT_FALSE(boardok(withRow(0, 0, {red(1), red(2), red(4)})));
    // A set that runs to the last column ends there.
    EXPECT_TRUE(boardok(withRow(12, 20, {black(1), black(2), black(3)})));
    EXPECT_FALSE(boardok(withRow(12, 21, {black(1), black(2)})));
    EXPECT_TRUE(checkrow(withRow(6, 20, {green(4), red(4), black(4)}), 6));
}

TEST(BoardRules, EveryRowIsChecked)
{
    BoardGrid grid;
    for (int row = 0; row < BoardGrid::kRows; ++row) grid = withRow(row, 2, {orange(2), orange(3), orange(4)}, grid);
    EXPECT_TRUE(boardok(grid));
    grid.set(9, 12, red(1));
    EXPECT_FALSE(boardok(grid));
    EXPECT_FALSE(checkrow(grid, 12));
    EXPECT_TRUE(checkrow(grid, 11));
}

TEST(BoardGrid, OutOfBoundsIsRefusedAndReadsEmpty)
{
    BoardGrid grid;
    EXPECT_FALSE(grid.set(23, 0, red(1)));
    EXPECT_FALSE(grid.set(-1, 0, red(1)));
    EXPECT_FALSE(grid.set(0, 13, red(1)));
    EXPECT_FALSE(grid.set(0, -1, red(1)));
    EXPECT_FALSE(grid.set(4, 4, 54));
    EXPECT_FALSE(grid.set(4, 4, -1));
    EXPECT_FALSE(grid.hasAnyTile());
    EXPECT_EQ(grid.at(23, 5), 0);
    EXPECT_EQ(grid.at(1000, 5), 0);
    EXPECT_EQ(grid.at(5, -7), 0);
    EXPECT_TRUE(grid.set(22, 12, W));
    EXPECT_EQ(grid.at(22, 12), W);
    EXPECT_EQ(grid.tileCount(), 1);
    EXPECT_TRUE(grid.set(0, 0, red(1)));
    EXPECT_EQ(grid.tileCount(), 2);
    grid.clear();
    EXPECT_FALSE(grid.hasAnyTile());
}
