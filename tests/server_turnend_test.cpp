// Finishing a turn (first lay-down, board check, penalty or incomplete by
// the clock), drawing, the penalty draw, and the end of the pool.
#include "tests/server_fakehost.h"
#include "tests/tilecodes.h"

using namespace brixo;
using namespace brixo::test;

using ServerTurnEnd = ServerFixture;
using Strings = std::vector<std::string>;

namespace {
const std::vector<int> kSeat1{red(10), red(11), red(12), green(7), orange(7), black(7), W, red(2), red(3), red(13)};
const std::vector<int> kSeat2{green(1), green(2), green(3), orange(1), orange(2), orange(3),
                              black(1), black(2), black(3), black(4)};
} // namespace

TEST_F(ServerTurnEnd, TheFirstLayDownNeedsThirtyPoints)
{
    join(1, "Ann");
    join(2, "Bob");
    random.stackPool(dealOrder({kSeat1, kSeat2}));
    startgame(500, 60, true, false, 10);

    // 21 points: refused, and the person's turn goes on with the tiles laid.
    lay(1, 1, {4, 5, 6}, 3);
    forget();
    send(1, msg::finish(1));
    EXPECT_EQ(lines(1), Strings{"CMD_notenough+1+"});
    EXPECT_TRUE(lines(2).empty());
    EXPECT_EQ(server.grid().tileCount(), 3);
    EXPECT_EQ(server.state().currentseat, Seat(1));

    // Red 10, Jack, Queen make 33: the whole board is committed.
    lay(1, 1, {1, 2, 3}, 5);
    send(1, msg::finish(1));
    EXPECT_EQ(args(2, "CMD_movedtiles"), Strings{"1+54+54+1+3+7+1+5+36+2+3+20+2+5+37+3+3+46+3+5+38"});
    EXPECT_EQ(server.snapshot(), server.grid());
    EXPECT_EQ(seat(1).laiddown, 54);
    EXPECT_EQ(server.state().currentseat, Seat(2));

    // Seat 2 draws; seat 1, laid down already, may add a single King.
    send(2, msg::drawcard(2));
    forget();
    send(1, msg::placemytile({1, 10, 4, 5}));
    send(1, msg::finish(1));
    EXPECT_EQ(args(2, "CMD_movedtiles"), Strings{"1+67+13+4+5+39"});
}

TEST_F(ServerTurnEnd, AWildTileCountsThirtyAndTheComputerTakesBackAShortLayDown)
{
    join(1, "Ann"); // seat 2 is the computer's
    random.stackPool(dealOrder({kSeat1, kSeat2}));
    startgame(500, 60, true, false, 10);
    lay(1, 1, {7, 8, 9}, 2); // wild, Red 2, Red 3: 35
    send(1, msg::finish(1));
    EXPECT_EQ(args(1, "CMD_movedtiles"), Strings{"1+35+35+1+2+53+2+2+28+3+2+29"});
    ASSERT_EQ(server.state().currentseat, Seat(2));
    forget();

    // The computer lays 6 points through the same door a table uses.
    server.placemytile("2+1+1+7+");
    server.placemytile("2+2+2+7+");
    server.placemytile("2+3+3+7+");
    server.finish("2+");
    EXPECT_EQ(commands(1), (Strings{"CMD_placehistile", "CMD_placehistile", "CMD_placehistile", "CMD_undothem",
                                    "CMD_nextplayer"}));
    EXPECT_EQ(seat(2).tilecount(), 11);
    EXPECT_EQ(server.state().currentseat, Seat(1));
    EXPECT_EQ(server.grid(), server.snapshot());
}

TEST_F(ServerTurnEnd, FinishingWithNothingLaidUndoesMovesAndDraws)
{
    join(1, "Ann");
    join(2, "Bob");
    random.stackPool(dealOrder({kSeat1, kSeat2}, {orange(13)}));
    startgame(500, 60, true, false, 10);
    lay(1, 1, {1, 2, 3}, 5);
    send(1, msg::finish(1));
    forget();
    send(2, msg::swaptilesRequest({2, 1, 8, 1, 5}));
    send(2, msg::finish(2));
    EXPECT_EQ(commands(2), (Strings{"CMD_swaptiles", "CMD_undothem", "CMD_yourtiles", "CMD_nextplayer"}));
    EXPECT_EQ(args(2, "CMD_yourtiles"), Strings{"2+11,26"});
    EXPECT_EQ(server.grid(), server.snapshot());
}

TEST_F(ServerTurnEnd, AnInvalidBoardAsksForThePenaltyWhileTenSecondsRemain)
{
    join(1, "Ann");
    join(2, "Bob");
    random.stackPool(dealOrder({kSeat1, kSeat2}));
    startgame(500, 60, false, false, 10);
    lay(1, 1, {1, 2, 3, 10}, 5); // Red 10, J, Q, K: valid ...
    send(1, msg::swaptilesRequest({1, 6, 5, 4, 5})); // ... until the King moves off
    ticks(54);
    ASSERT_EQ(server.state().turnclock, 10);
    forget();
    send(1, msg::finish(1));
    EXPECT_EQ(lines(1), Strings{"CMD_askpenalty+1+"});
    EXPECT_TRUE(lines(2).empty());
    EXPECT_EQ(server.grid().tileCount(), 4);

    ticks(1);
    forget();
    send(1, msg::finish(1));
    EXPECT_EQ(commands(1), (Strings{"CMD_undothem", "CMD_yourtiles", "CMD_incomplete"}));
    EXPECT_EQ(server.grid().tileCount(), 0);
    EXPECT_EQ(server.state().currentseat, Seat(1)); // the turn goes on with what is left
    EXPECT_TRUE(host.clock);

    // The penalty is three tiles even with the time penalty off.
    send(1, msg::clickyes(1));
    EXPECT_EQ(seat(1).tilecount(), 13);
    EXPECT_EQ(server.state().currentseat, Seat(2));
}

TEST_F(ServerTurnEnd, TheEndOfThePoolIsMetSeatBySeat)
{
    join(1, "Ann");
    join(2, "Bob");
    startgame(500, 60, true, false, 10);
    while (server.pool().tilesLeft() > 2) {
        const int current = server.state().currentseat.number();
        send(current, msg::drawcard(current));
    }
    const int current = server.state().currentseat.number();
    const int other = 3 - current;
    const int before = seat(current).tilecount();
    forget();
    send(current, msg::clickyes(current));
    // Two tiles are left for three asked: the seat gets those two and hears
    // the pool is empty; the other seat has not met it yet, so play goes on.
    const Strings drawn = args(current, "CMD_yourtiles");
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(std::count(drawn[0].begin(), drawn[0].end(), ','), 2);
    EXPECT_EQ(commands(current), (Strings{"CMD_nomoretiles", "CMD_yourtiles", "CMD_nextplayer"}));
    EXPECT_EQ(seat(current).tilecount(), before + 2);
    EXPECT_EQ(args(other, "CMD_nextplayer").at(0).substr(0, 5), std::to_string(other) + "+-1+");

    // The other seat meets it too: the round ends, nobody gains, and each
    // seat loses what it holds.
    const int currentValue = seat(current).rack.value();
    const int otherValue = seat(other).rack.value();
    // Once the round is over, every table is shown what each seat held.
    Strings racks;
    for (const int s : {1, 2}) {
        msg::RoundRack rack{s, {}};
        for (const RackItem& item : seat(s).rack.items()) rack.tiles.push_back(item.tile);
        racks.push_back(msg::argumentText(msg::roundrack(rack)));
    }
    forget();
    send(other, msg::drawcard(other));
    EXPECT_EQ(commands(other), (Strings{"CMD_nomoretiles", "CMD_endround", "CMD_roundrack", "CMD_roundrack"}));
    EXPECT_EQ(args(current, "CMD_roundrack"), racks);
    EXPECT_EQ(seat(current).score, -currentValue);
    EXPECT_EQ(seat(other).score, -otherValue);
    EXPECT_EQ(seat(current).points, -currentValue);
    EXPECT_EQ(seat(other).points, -otherValue);
    EXPECT_EQ(tilesInPlay(), 106);
}

TEST_F(ServerTurnEnd, ADrawNeverFillsRackSlotSixty)
{
    join(1, "Ann"); // the computer plays seat 2
    startgame(500, 60, true, false, 10);
    for (int turn = 0; turn < 18; ++turn) {
        ASSERT_EQ(server.state().currentseat, Seat(1));
        send(1, msg::clickyes(1));
        server.computertimerTimer();
    }
    EXPECT_EQ(seat(1).tilecount(), 59);
    EXPECT_EQ(seat(1).rack.at(60), 0);
    EXPECT_EQ(args(1, "CMD_nomoreroom").size(), 5u); // 2 on the 17th turn, 3 on the 18th
    EXPECT_EQ(tilesInPlay(), 106);
}
