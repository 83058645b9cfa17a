#include "bot/computerplayer.h"
#include "tests/bot_faketable.h"

#include <gtest/gtest.h>

using namespace brixo;
using namespace brixo::test;

TEST(BotTurn, ATurnThatFindsNothingDrawsOnce)
{
    ScriptedRandom random;
    FakeBotTable table(random);
    table.give(kBotSeat, {{1, green(1)}, {2, red(9)}, {3, W}});
    computerplay(table, kBotSeat);
    EXPECT_EQ(table.calls, (std::vector<std::string>{"drawcard 2+"}));
}

TEST(BotTurn, GroupsAreLaidBeforeRunsAndTheTurnIsFinished)
{
    ScriptedRandom random;
    random.stretchAt(2, 2); // the group
    random.stretchAt(2, 5); // the run
    FakeBotTable table(random);
    table.give(kBotSeat, {{1, orange(1)}, {2, orange(2)}, {3, orange(3)}, {4, green(9)}, {5, red(9)}, {6, black(9)}});
    computerplay(table, kBotSeat);
    EXPECT_EQ(table.calls, (std::vector<std::string>{
                               "placemytile 2+4+3+2+", "placemytile 2+5+4+2+", "placemytile 2+6+5+2+",
                               "placemytile 2+1+4+5+", "placemytile 2+2+5+5+", "placemytile 2+3+6+5+",
                               "finish 2+"}));
}

TEST(BotTurn, RefusedMovesEndTheTurnWithADraw)
{
    for (int accepted : {0, 1}) {
        // With one move accepted, a lone tile is left: the board is invalid.
        SeededRandom random(7);
        FakeBotTable table(random);
        table.give(kBotSeat, {{1, red(10)}, {2, red(11)}, {3, red(12)}, {4, green(10)}, {5, black(10)}});
        table.acceptMoves = accepted;
        computerplay(table, kBotSeat);
        EXPECT_EQ(table.calls.back(), "drawcard 2+") << accepted;
        EXPECT_EQ(table.count("finish"), 0) << accepted;
        EXPECT_LT(table.calls.size(), 20u) << accepted;
    }
}

TEST(BotTurn, AFixedSeedReplaysTheSameTurn)
{
    std::vector<std::string> first;
    for (int round = 0; round < 2; ++round) {
        SeededRandom random(2024);
        FakeBotTable table(random);
        table.pool.shuffletiles(random);
        for (int slot = 1; slot <= 20; ++slot) table.seat(kBotSeat).rack.set(slot, table.pool.take());
        computerplay(table, kBotSeat);
        ASSERT_GT(table.count("placemytile"), 0);
        if (round == 0) first = table.calls;
        else EXPECT_EQ(table.calls, first);
    }
}

// Four computer seats play turn after turn, each turn ended the way the
// server ends it. Whatever the searches do, they must never leave the
// board invalid (the turn would then be taken back), and no tile may be
// lost or made.
TEST(BotTurn, WholeGamesKeepTheBoardValidAndEveryTile)
{
    int laidTiles = 0;
    int laidTurns = 0;
    for (int seed = 1; seed <= 150; ++seed) {
        SeededRandom random(seed);
        FakeBotTable table(random, 1);
        table.pool.shuffletiles(random);
        for (int seat = 1; seat <= 4; ++seat)
            for (int slot = 1; slot <= 14; ++slot) table.seats[seat].rack.set(slot, table.pool.take());

        for (int turn = 0; turn < 240; ++turn) {
            const int seat = turn % 4 + 1;
            table.currentseat = seat;
            table.laid.clear();
            computerplay(table, Seat(seat));
            if (table.board != table.snapshot) {
                ADD_FAILURE() << "seed " << seed << " turn " << turn << ": board differs from snapshot";
                break;
            }
            laidTiles += int(table.laid.size());
            laidTurns += !table.laid.empty() && table.turnlog.empty();

            std::array<int, 54> seen{};
            for (int col = 0; col < BoardGrid::kStoredColumns; ++col)
                for (int row = 0; row < BoardGrid::kRows; ++row) ++seen[table.board.at(col, row)];
            for (int s = 1; s <= 4; ++s)
                for (int slot = 1; slot <= Rack::kSlots; ++slot) ++seen[table.seats[s].rack.at(slot)];
            for (int place = table.pool.poolpos + 1; place <= Pool::kSize; ++place) ++seen[table.pool.at(place)];
            for (int code = 1; code <= kHighestTile; ++code)
                ASSERT_EQ(seen[code], 2) << "seed " << seed << " turn " << turn << " code " << code;

            if (table.seats[seat].tilecount() == 0) break;
        }
        EXPECT_EQ(table.invalidFinishes, 0) << "seed " << seed;
        EXPECT_EQ(table.drawsAfterLaying, 0) << "seed " << seed;
    }
    // The computer does get its tiles out.
    EXPECT_GT(laidTurns, 150 * 5);
    EXPECT_GT(laidTiles, 150 * 30);
}
