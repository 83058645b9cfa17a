#include "bot/runsearch.h"
#include "tests/bot_faketable.h"

#include <gtest/gtest.h>

using namespace brixo;
using namespace brixo::test;

namespace {

constexpr int kRunFiller = green(13);

using Items = std::vector<std::pair<int, int>>;

void give(FakeBotTable& table, const Items& items)
{
    for (auto [slot, tile] : items) table.seat(kBotSeat).rack.set(slot, tile);
}

struct RackCase {
    const char* what;
    Items rack;
    std::vector<int> laid; // left to right at columns 7..9 of row 4; empty: nothing laid
};

} // namespace

TEST(RunSearch, RunsOfThreeFromTheRack)
{
    const std::vector<RackCase> cases = {
        {"a: the tile and the two above", {{1, red(5)}, {2, red(6)}, {3, red(7)}}, {red(5), red(6), red(7)}},
        {"b: one either side", {{2, red(6)}, {8, red(5)}, {9, red(7)}}, {red(5), red(6), red(7)}},
        {"c: the two below", {{1, red(7)}, {2, red(5)}, {3, red(6)}}, {red(5), red(6), red(7)}},
        {"Jack Queen King", {{1, black(11)}, {2, black(12)}, {3, black(13)}}, {black(11), black(12), black(13)}},
        {"d in slot 14: wild after the pair", {{14, red(6)}, {20, red(5)}, {30, W}}, {red(5), red(6), W}},
        {"e in slot 1: wild before the pair", {{1, red(5)}, {2, W}, {3, red(6)}}, {W, red(5), red(6)}},
        {"d with a 2: 1, 2, wild", {{1, orange(2)}, {2, orange(1)}, {3, W}}, {orange(1), orange(2), W}},
        {"Queen King 1 never wraps", {{1, red(12)}, {2, red(13)}, {3, red(1)}}, {}},
        {"Queen King wild: no wild after a King", {{1, red(13)}, {2, red(12)}, {3, W}}, {}},
        {"colours differ", {{1, red(5)}, {2, green(6)}, {3, red(7)}}, {}},
        {"used slots are no partners", {{1, red(5)}, {2, red(6)}, {3, red(7)}}, {}},
    };
    for (const RackCase& c : cases) {
        ScriptedRandom random;
        random.stretchAt(5, 4);
        FakeBotTable table(random);
        give(table, c.rack);
        BotTurn turn(kBotSeat);
        if (std::string(c.what).starts_with("used")) turn.use(RackSlot(2));
        EXPECT_EQ(computerruns(table, turn), !c.laid.empty()) << c.what;
        if (c.laid.empty()) {
            EXPECT_TRUE(table.calls.empty()) << c.what;
            continue;
        }
        EXPECT_EQ(table.count("placemytile"), 3) << c.what;
        EXPECT_EQ(rowTiles(table.board, 4, 6, 10), (std::vector<int>{0, c.laid[0], c.laid[1], c.laid[2], 0}))
            << c.what;
        EXPECT_TRUE(boardok(table.board)) << c.what;
    }
}

TEST(RunSearch, PartnersAreLookedForOnlyAfterTheTilesOwnSlot)
{
    ScriptedRandom random;
    FakeBotTable table(random);
    give(table, {{1, red(5)}, {2, red(6)}, {3, red(7)}, {4, red(7)}, {5, W}, {6, green(8)}, {7, red(9)}, {8, red(10)}});
    BotTurn turn(kBotSeat);
    turn.use(RackSlot(7));
    PartnerTable expected{};
    expected[7] = RackSlot(3); // the first 7 stays
    expected[6] = RackSlot(2);
    expected[10] = RackSlot(8);
    EXPECT_EQ(partnertable(table.seat(kBotSeat).rack, turn, RackSlot(2)), expected);
    EXPECT_FALSE(computerrun1(table, turn, RackSlot(3))); // 5 and 6 lie in lower slots
    EXPECT_TRUE(table.calls.empty());
}

TEST(RunSearch, ABoardRunTakesTheTileAtItsUpperEndWhenThereIsRoom)
{
    ScriptedRandom random;
    FakeBotTable table(random);
    table.put(5, 4, {red(4), red(5), red(6)});
    table.put(1, 6, {red(4), red(5), red(6)}); // ends in column 3: below the column-4 floor
    give(table, {{1, red(7)}});
    BotTurn turn(kBotSeat);
    EXPECT_TRUE(computerrun2(table, turn, RackSlot(1)));
    EXPECT_EQ(table.calls, (std::vector<std::string>{"placemytile 2+1+8+4+"}));
    EXPECT_TRUE(random.asked.empty());
}

TEST(RunSearch, ALoneOneIsNotTakenForTheTopOfARun)
{
    // The empty cell before it reads as 0, the number a 2 wants there.
    ScriptedRandom random;
    FakeBotTable table(random);
    table.put(6, 4, {red(1)});
    give(table, {{1, red(2)}});
    BotTurn turn(kBotSeat);
    EXPECT_FALSE(computerrun2(table, turn, RackSlot(1)));
    EXPECT_TRUE(table.calls.empty());
}

TEST(RunSearch, ARunWithNoRoomAboveMovesWithTheTile)
{
    struct Case {
        const char* what;
        int runCol;
        std::vector<int> run;
        int blocker;  // a lone tile in the run's row, 0 for none
        int tile;
        int width;    // of the relocation
        std::vector<int> stays; // what is left of the run in its place
    };
    const std::vector<Case> cases = {
        {"4-5-6 ending in column 22", 20, {red(4), red(5), red(6)}, 0, red(7), 6, {}},
        {"4-5-6 with a tile two cells on", 5, {red(4), red(5), red(6)}, 9, red(7), 6, {}},
        {"4-5-6-7 ending in column 22", 19, {red(4), red(5), red(6), red(7)}, 0, red(8), 7, {}},
        {"3-4-5-6-7 gives up its top two", 2, {red(3), red(4), red(5), red(6), red(7)}, 8, red(8), 5,
         {red(3), red(4), red(5)}},
    };
    for (const Case& c : cases) {
        ScriptedRandom random;
        random.relocationAt(20, 9, c.width);
        FakeBotTable table(random);
        for (std::size_t k = 0; k < c.run.size(); ++k) table.board.set(c.runCol + int(k), 4, c.run[k]);
        if (c.blocker) table.board.set(c.blocker, 4, kRunFiller);
        give(table, {{1, c.tile}});
        BotTurn turn(kBotSeat);
        EXPECT_TRUE(computerrun2(table, turn, RackSlot(1))) << c.what;
        EXPECT_EQ(random.asked.front(), 22 - c.width) << c.what;

        // The new run ends at column 19, just left of the stretch's last cell.
        const int moved = c.stays.empty() ? int(c.run.size()) : 2;
        std::vector<int> expected(c.run.end() - moved, c.run.end());
        expected.push_back(c.tile);
        const int first = 19 - moved;
        EXPECT_EQ(rowTiles(table.board, 9, first, 19), expected) << c.what;
        EXPECT_EQ(table.board.at(first - 1, 9), 0) << c.what;
        EXPECT_EQ(rowTiles(table.board, 4, c.runCol, c.runCol + int(c.stays.size()) - 1), c.stays) << c.what;
        EXPECT_EQ(table.board.at(c.runCol + int(c.stays.size()), 4), 0) << c.what;
        EXPECT_EQ(table.count("swaptiles"), moved) << c.what;
    }
}

TEST(RunSearch, TheLowerEndIsTriedAfterTheUpperEnd)
{
    {
        // Both ends fit the red 4: the run it tops wins.
        ScriptedRandom random;
        FakeBotTable table(random);
        table.put(5, 2, {red(5), red(6), red(7)});
        table.put(5, 7, {red(1), red(2), red(3)});
        give(table, {{1, red(4)}});
        BotTurn turn(kBotSeat);
        EXPECT_TRUE(computerrun2(table, turn, RackSlot(1)));
        EXPECT_EQ(table.board.at(8, 7), red(4));
    }
    {
        ScriptedRandom random;
        FakeBotTable table(random);
        table.put(5, 2, {red(5), red(6), red(7)});
        give(table, {{1, red(4)}});
        BotTurn turn(kBotSeat);
        EXPECT_TRUE(computerrun2(table, turn, RackSlot(1)));
        EXPECT_EQ(table.calls, (std::vector<std::string>{"placemytile 2+1+4+2+"}));
    }
    {
        // Starting in column 1 it has no room below: it moves, the tile first.
        ScriptedRandom random;
        random.relocationAt(15, 8, 6);
        FakeBotTable table(random);
        table.put(1, 2, {red(5), red(6), red(7)});
        give(table, {{1, red(4)}});
        BotTurn turn(kBotSeat);
        EXPECT_TRUE(computerrun2(table, turn, RackSlot(1)));
        EXPECT_EQ(rowTiles(table.board, 8, 10, 15), (std::vector<int>{0, red(4), red(5), red(6), red(7), 0}));
        EXPECT_EQ(rowTiles(table.board, 2, 1, 3), (std::vector<int>{0, 0, 0}));
    }
    {
        // A King has nothing below it to join.
        ScriptedRandom random;
        FakeBotTable table(random);
        table.put(5, 2, {red(1), red(2), red(3)});
        give(table, {{1, red(13)}});
        BotTurn turn(kBotSeat);
        EXPECT_FALSE(computerrun2(table, turn, RackSlot(1)));
    }
}

TEST(RunSearch, OnACrowdedBoardNoRunIsLaid)
{
    ScriptedRandom random;
    FakeBotTable table(random);
    table.crowd(kRunFiller);
    give(table, {{1, red(5)}, {2, red(6)}, {3, red(7)}, {4, W}});
    BotTurn turn(kBotSeat);
    EXPECT_FALSE(computerruns(table, turn));
    EXPECT_TRUE(table.calls.empty());
}
