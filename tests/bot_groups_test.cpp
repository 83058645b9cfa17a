#include "bot/groupsearch.h"
#include "tests/bot_faketable.h"

#include <gtest/gtest.h>

using namespace brixo;
using namespace brixo::test;

namespace {

constexpr int kLoneTile = black(13); // a lone tile that never matches a 5 or a 7

// A turn considering the slot's tile, as the pass sets it up before trying it.
BotTurn consider(const FakeBotTable& table, int slot)
{
    BotTurn turn(kBotSeat);
    turn.colour = getsuit(table.seat(kBotSeat).rack.at(slot));
    return turn;
}

} // namespace

TEST(GroupSearch, FourColoursInTheRackLayThreeAndTheFourthJoinsThemAtTheLeft)
{
    ScriptedRandom random;
    random.stretchAt(4, 6);
    FakeBotTable table(random);
    table.give(kBotSeat, {{3, red(7)}, {5, green(7)}, {9, black(7)}, {12, orange(7)}});

    BotTurn turn = consider(table, 3);
    ASSERT_TRUE(computermatch1(table, turn, RackSlot(3)));
    // Candidate, first partner, last partner; black 7 stays in the rack.
    EXPECT_EQ(table.calls, (std::vector<std::string>{"placemytile 2+3+5+6+", "placemytile 2+5+6+6+",
                                                     "placemytile 2+12+7+6+"}));
    EXPECT_EQ(table.seat(kBotSeat).rack.at(9), black(7));

    // The rest of the pass adds it to the new group, on the left first.
    EXPECT_TRUE(computermatches(table, turn));
    EXPECT_EQ(rowTiles(table.board, 6, 3, 8), (std::vector<int>{0, black(7), red(7), green(7), orange(7), 0}));
    EXPECT_EQ(table.seat(kBotSeat).tilecount(), 0);
    EXPECT_TRUE(boardok(table.board));
}

TEST(GroupSearch, TheWildTileIsNeitherCandidateNorPartnerForThreeFromTheRack)
{
    ScriptedRandom random;
    FakeBotTable table(random);
    table.give(kBotSeat, {{1, W}, {2, green(1)}, {3, red(1)}});
    BotTurn turn(kBotSeat);
    EXPECT_FALSE(computermatches(table, turn));
    EXPECT_TRUE(table.calls.empty());
    EXPECT_TRUE(random.asked.empty());
}

TEST(GroupSearch, AGroupInColumnZeroOrRowZeroIsNeverExtendedAndHidesLaterRows)
{
    for (const BoardCell at : {BoardCell{0, 3}, BoardCell{5, 0}}) {
        ScriptedRandom random;
        FakeBotTable table(random);
        table.put(at.col, at.row, {green(5), red(5), black(5)});
        table.put(8, 7, {green(5), red(5), black(5)});
        table.give(kBotSeat, {{1, orange(5)}});
        BotTurn turn = consider(table, 1);
        EXPECT_EQ(computertwoonboard(table, turn, 5), at);
        EXPECT_FALSE(computermatch2(table, turn, RackSlot(1)));
        EXPECT_TRUE(table.calls.empty());
    }
}

TEST(GroupSearch, AGroupOfThreeGrowsLeftThenRightThenMovesToAFreePlace)
{
    struct Case {
        const char* what;
        int groupCol;
        std::vector<int> blockers; // lone tiles in the group's row
        std::vector<std::string> calls;
    };
    const std::vector<Case> cases = {
        {"two free cells on the left", 5, {}, {"placemytile 2+1+4+2+"}},
        {"left blocked", 5, {3}, {"placemytile 2+1+8+2+"}},
        {"group starting in column 1", 1, {}, {"placemytile 2+1+4+2+"}},
        {"right end in column 22", 19, {17}, {"placemytile 2+1+22+2+"}},
        {"both ends blocked", 5, {3, 9},
         {"placemytile 2+1+11+7+", "swaptiles 2+12+7+5+2+", "swaptiles 2+13+7+6+2+", "swaptiles 2+14+7+7+2+"}},
    };
    for (const Case& c : cases) {
        ScriptedRandom random;
        random.stretchAt(10, 7);
        FakeBotTable table(random);
        table.put(c.groupCol, 2, {green(5), red(5), black(5)});
        for (int col : c.blockers) table.board.set(col, 2, kLoneTile);
        table.give(kBotSeat, {{1, orange(5)}});
        BotTurn turn = consider(table, 1);
        EXPECT_TRUE(computermatch2(table, turn, RackSlot(1))) << c.what;
        EXPECT_EQ(table.calls, c.calls) << c.what;
        EXPECT_TRUE(turn.botused(RackSlot(1))) << c.what;
    }
}

TEST(GroupSearch, OnlyTheFirstStretchOfARowAndGroupsLackingTheColourAreJoined)
{
    ScriptedRandom random;
    FakeBotTable table(random);
    table.put(1, 2, {green(4), green(5), green(6)}); // first 5 of row 2 stands alone
    table.put(8, 2, {green(5), red(5), orange(5)});
    table.put(8, 4, {green(5), black(5), orange(5)}); // holds the candidate's colour
    table.give(kBotSeat, {{1, black(5)}});
    BotTurn turn = consider(table, 1);
    EXPECT_EQ(computertwoonboard(table, turn, 5), (BoardCell{}));
    EXPECT_FALSE(computermatch2(table, turn, RackSlot(1)));

    table.put(1, 2, {0, 0, 0});
    EXPECT_EQ(computertwoonboard(table, turn, 5), (BoardCell{8, 2}));
}

TEST(GroupSearch, MovingAGroupThatIsNotTheWholeSetIsRefused)
{
    // A wild tile before the three would be left alone on the board.
    ScriptedRandom random;
    FakeBotTable table(random);
    table.put(4, 2, {W, green(5), red(5), black(5), 0, kLoneTile});
    table.give(kBotSeat, {{1, orange(5)}});
    BotTurn turn = consider(table, 1);
    EXPECT_FALSE(computermatch2(table, turn, RackSlot(1)));
    EXPECT_TRUE(table.calls.empty());
}

TEST(GroupSearch, TwoFromTheRackBorrowATileFromAGroupOfFour)
{
    ScriptedRandom random;
    random.stretchAt(8, 6); // the borrowed tile's first place
    random.stretchAt(3, 9); // the new group
    FakeBotTable table(random);
    table.put(2, 3, {green(5), red(5), black(5), orange(5)});
    table.give(kBotSeat, {{1, red(5)}, {2, green(5)}});

    BotTurn turn(kBotSeat);
    EXPECT_TRUE(computermatches(table, turn));
    // Green is the partner's colour and red the candidate's: black 5 goes.
    EXPECT_EQ(table.calls, (std::vector<std::string>{"swaptiles 2+9+6+4+3+", "swaptiles 2+4+3+5+3+",
                                                     "placemytile 2+1+4+9+", "placemytile 2+2+5+9+",
                                                     "swaptiles 2+6+9+9+6+"}));
    EXPECT_EQ(rowTiles(table.board, 3, 2, 5), (std::vector<int>{green(5), red(5), orange(5), 0}));
    EXPECT_EQ(rowTiles(table.board, 9, 4, 6), (std::vector<int>{red(5), green(5), black(5)}));
    EXPECT_TRUE(boardok(table.board));
}

TEST(GroupSearch, BorrowingFailsWhenTheTileToTakeIsTheLeftmost)
{
    ScriptedRandom random;
    FakeBotTable table(random);
    table.put(2, 3, {black(5), green(5), red(5), orange(5)});
    table.give(kBotSeat, {{1, red(5)}, {2, green(5)}});
    BotTurn turn = consider(table, 1);
    EXPECT_FALSE(computermatch3(table, turn, RackSlot(1)));
    EXPECT_TRUE(table.calls.empty());
    EXPECT_TRUE(random.asked.empty());
}

TEST(GroupSearch, ABorrowedTileWithNoNewGroupToJoinGoesBackToItsOwn)
{
    ScriptedRandom random;
    random.stretchAt(8, 6); // then every draw lands on row 1, which is taken
    FakeBotTable table(random);
    table.board.set(3, 1, kLoneTile);
    table.put(2, 3, {green(5), red(5), black(5), orange(5)});
    table.give(kBotSeat, {{1, red(5)}, {2, green(5)}});
    BotTurn turn = consider(table, 1);
    EXPECT_FALSE(computermatch3(table, turn, RackSlot(1)));
    EXPECT_EQ(rowTiles(table.board, 3, 2, 6), (std::vector<int>{green(5), red(5), orange(5), black(5), 0}));
    EXPECT_EQ(table.board.at(9, 6), 0);
    EXPECT_EQ(table.seat(kBotSeat).tilecount(), 2);
}

TEST(GroupSearch, AWildTileAfterTheGroupMovesUpWhenTheGapIsClosed)
{
    ScriptedRandom random;
    random.stretchAt(8, 6);
    random.stretchAt(3, 9);
    FakeBotTable table(random);
    table.put(2, 3, {green(5), red(5), black(5), orange(5), W});
    table.give(kBotSeat, {{1, red(5)}, {2, green(5)}});
    BotTurn turn = consider(table, 1);
    EXPECT_TRUE(computermatch3(table, turn, RackSlot(1)));
    EXPECT_EQ(rowTiles(table.board, 3, 2, 6), (std::vector<int>{green(5), red(5), orange(5), W, 0}));
    EXPECT_TRUE(boardok(table.board));
}

TEST(GroupSearch, OnACrowdedBoardNothingNeedingANewPlaceIsLaid)
{
    ScriptedRandom random;
    FakeBotTable table(random);
    table.crowd(kLoneTile);
    table.give(kBotSeat, {{1, green(7)}, {2, red(7)}, {3, black(7)}});
    BotTurn turn(kBotSeat);
    EXPECT_FALSE(computermatches(table, turn));
    EXPECT_TRUE(table.calls.empty());
    // Each slot's three-of-a-kind gave up after its 100 draws.
    EXPECT_EQ(random.asked.size(), 3u * 2 * 100);
}
