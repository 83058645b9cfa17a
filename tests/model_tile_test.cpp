#include "model/pool.h"
#include "model/tile.h"
#include "tests/tilecodes.h"

#include <gtest/gtest.h>

#include <array>

using namespace brixo;
using namespace brixo::test;

TEST(TileCode, ColourIndexCoversEveryCodeAndRefusesTheRest)
{
    EXPECT_EQ(getsuit(0), 0);
    EXPECT_EQ(getsuit(1), 1);
    EXPECT_EQ(getsuit(13), 1);
    EXPECT_EQ(getsuit(14), 2);
    EXPECT_EQ(getsuit(26), 2);
    EXPECT_EQ(getsuit(27), 3);
    EXPECT_EQ(getsuit(39), 3);
    EXPECT_EQ(getsuit(40), 4);
    EXPECT_EQ(getsuit(52), 4);
    EXPECT_EQ(getsuit(53), 5);
    for (int bad : {-1, 54, 99, -2147483647 - 1, 2147483647}) {
        EXPECT_EQ(getsuit(bad), 0) << bad;
        EXPECT_EQ(gettilename(bad), "") << bad;
        EXPECT_EQ(tilevalue(bad), 0) << bad;
    }
}

TEST(TileCode, KingsAreWorthThirteenAndCountZeroForTheRules)
{
    for (int king : {green(13), orange(13), red(13), black(13)}) {
        EXPECT_EQ(facenumber(king), 13);
        EXPECT_EQ(rulesnumber(king), 0);
        EXPECT_EQ(ordernumber(king), 13);
        EXPECT_EQ(tilevalue(king), 13);
    }
}

TEST(TileCode, WildTileIsWorthThirtyAndCountsOneForTheRules)
{
    EXPECT_EQ(tilevalue(W), 30);
    EXPECT_EQ(rulesnumber(W), 1);
    EXPECT_EQ(gettilename(W), "WILD");
}

TEST(TileCode, ValueIsTheFaceNumber)
{
    EXPECT_EQ(tilevalue(green(1)), 1);
    EXPECT_EQ(tilevalue(red(5)), 5);
    EXPECT_EQ(tilevalue(black(12)), 12);
    EXPECT_EQ(tilevalue(0), 0);
}

TEST(TileCode, NamesUseTheColourAndFaceWords)
{
    EXPECT_EQ(gettilename(0), "");
    EXPECT_EQ(gettilename(40), "Black 1");
    EXPECT_EQ(gettilename(25), "Orange Queen");
    EXPECT_EQ(gettilename(green(10)), "Green 10");
    EXPECT_EQ(gettilename(red(11)), "Red Jack");
    EXPECT_EQ(gettilename(red(13)), "Red King");
}

namespace {
// Counts each code in a freshly shuffled pool.
std::array<int, 54> countPool(const Pool& pool)
{
    std::array<int, 54> counts{};
    for (int place = 1; place <= Pool::kSize; ++place) ++counts.at(pool.at(place));
    return counts;
}
} // namespace

TEST(Pool, ShuffleHoldsEveryCodeExactlyTwice)
{
    for (std::uint64_t seed : {1u, 2u, 99u, 12345u}) {
        SeededRandom random(seed);
        Pool pool;
        pool.poolpos = 40;
        pool.shuffletiles(random);
        EXPECT_EQ(pool.poolpos, 0);
        const auto counts = countPool(pool);
        EXPECT_EQ(counts[0], 0);
        for (int code = 1; code <= 53; ++code) EXPECT_EQ(counts[code], 2) << "code " << code;
    }
}

TEST(Pool, FixedSeedGivesTheSameOrderAndOtherSeedsDiffer)
{
    SeededRandom a(7), b(7), c(8);
    Pool pa, pb, pc;
    pa.shuffletiles(a);
    pb.shuffletiles(b);
    pc.shuffletiles(c);
    bool allSame = true, differs = false;
    for (int i = 1; i <= Pool::kSize; ++i) {
        allSame = allSame && pa.at(i) == pb.at(i);
        differs = differs || pa.at(i) != pc.at(i);
    }
    EXPECT_TRUE(allSame);
    EXPECT_TRUE(differs);
}

namespace {
// Hands out a fixed script of draws, to check the shuffle's redraw rule.
class ScriptedRandom : public RandomSource {
public:
    int below(int n) override { return m_next++ % n; }
private:
    int m_next = 0;
};
} // namespace

TEST(Pool, ShuffleTakesWorkEntriesInDrawOrder)
{
    ScriptedRandom sequential;
    Pool pool;
    pool.shuffletiles(sequential);
    // Draws 0, 1, 2, ... take the work array in order: 1..53 then 1..53.
    EXPECT_EQ(pool.at(1), 1);
    EXPECT_EQ(pool.at(53), 53);
    EXPECT_EQ(pool.at(54), 1);
    EXPECT_EQ(pool.at(106), 53);
}

TEST(Pool, TakingRunsOutAfterTheLastPlace)
{
    SeededRandom random(3);
    Pool pool;
    pool.shuffletiles(random);
    for (int i = 0; i < Pool::kSize; ++i) EXPECT_NE(pool.take(), 0);
    EXPECT_TRUE(pool.exhausted());
    EXPECT_EQ(pool.tilesLeft(), 0);
    EXPECT_EQ(pool.take(), 0);
    EXPECT_EQ(pool.at(0), 0);
    EXPECT_EQ(pool.at(107), 0);
}
