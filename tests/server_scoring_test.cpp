// Settling rounds in single and team games, and deciding the winner.
#include "tests/server_fakehost.h"
#include "tests/tilecodes.h"

using namespace brixo;
using namespace brixo::test;

using ServerScoring = ServerFixture;
using Strings = std::vector<std::string>;

namespace {
std::vector<int> run(int (*colour)(int), int from, int to)
{
    std::vector<int> tiles;
    for (int n = from; n <= to; ++n) tiles.push_back(colour(n));
    return tiles;
}
std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
} // namespace

TEST_F(ServerScoring, TheSeatGoingOutGainsWhatTheOthersHoldAndAComputerWinsByItsName)
{
    join(1, "Ann");
    join(2, "Bob");
    join(3, "Cy");
    server.connectionClosed(2); // the computer plays seat 2
    startgame();
    send(1, msg::drawcard(1)); // the next game opens with seat 3
    random.stackPool(dealOrder({run(green, 10, 13) + run(orange, 10, 13) + std::vector<int>{red(5), W},
                                run(green, 1, 10), run(black, 1, 9) + std::vector<int>{black(13)}}));
    startgame(100, 60, true, false, 10);
    ASSERT_EQ(server.state().currentseat, Seat(3));

    lay(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 1);
    send(3, msg::finish(3));
    lay(1, 1, {1, 2, 3, 4}, 2);
    lay(1, 1, {5, 6, 7, 8}, 3);
    send(1, msg::finish(1));
    ASSERT_EQ(server.state().currentseat, Seat(2));
    forget();
    for (int slot = 1; slot <= 10; ++slot) server.placemytile("2+" + std::to_string(slot) + "+" + std::to_string(slot) + "+4+");
    server.finish("2+");

    EXPECT_EQ(args(1, "CMD_endround"), Strings{"2+1+57+-35+2+2+103+48+0+3+32+-13+1+4+0+0+0"});
    EXPECT_EQ(args(3, "CMD_winner"), Strings{"Klot+"});
    EXPECT_EQ(commands(1).back(), "CMD_winner");
    EXPECT_FALSE(server.state().gamerunning);
    EXPECT_FALSE(host.clock);

    // The game is over: the clock stays still and no move is taken.
    forget();
    ticks(30);
    send(1, msg::drawcard(1));
    send(3, msg::drawcard(3));
    send(1, msg::pause(1, 0));
    EXPECT_TRUE(lines(1).empty());
}

TEST_F(ServerScoring, PartnersShareTheirScoreAndGoOutTogether)
{
    for (ConnectionId id = 1; id <= 4; ++id) join(id, "P" + std::to_string(id));
    random.stackPool(dealOrder({run(green, 1, 10), run(orange, 1, 9) + std::vector<int>{red(10)},
                                run(black, 1, 10), run(red, 1, 9) + std::vector<int>{W}}));
    startgame(500, 60, true, true, 10);

    lay(1, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 1);
    forget();
    send(1, msg::finish(1)); // an empty rack, but the partner still holds tiles
    EXPECT_EQ(commands(2), (Strings{"CMD_movedtiles", "CMD_teamscore", "CMD_nextplayer"}));
    EXPECT_EQ(args(2, "CMD_teamscore"), Strings{"3+55+"});
    EXPECT_EQ(seat(3).laiddown, 55); // the partner's first lay-down is made too

    lay(2, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 2);
    send(2, msg::finish(2));
    EXPECT_EQ(args(1, "CMD_teamscore").back(), "4+45+");
    lay(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 3);
    forget();
    send(3, msg::finish(3));
    EXPECT_EQ(args(4, "CMD_teamscore"), Strings{"1+110+"});
    // Brown holds 10 + 75: Green gains 85 and Brown loses it.
    EXPECT_EQ(args(4, "CMD_endround"), Strings{"3+1+195+85+0+2+-40+-85+1+3+195+85+0+4+-40+-85+10"});
    EXPECT_TRUE(args(4, "CMD_winner").empty());
    EXPECT_EQ(server.state().phase, ClockPhase::BetweenRounds);
}

TEST_F(ServerScoring, ASharedHighestScoreMeansAnotherRound)
{
    join(1, "Ann");
    join(2, "Bob");
    random.stackPool(dealOrder({run(orange, 10, 12) + run(green, 1, 7), run(black, 3, 11) + std::vector<int>{red(1)}}));
    startgame(60, 60, true, false, 10);
    lay(1, 1, {1, 2, 3}, 1);
    send(1, msg::finish(1));
    lay(2, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 2);
    send(2, msg::finish(2));
    lay(1, 1, {4, 5, 6, 7, 8, 9, 10}, 3);
    send(1, msg::finish(1));
    // 33 + 28 + 1 against 63 - 1: both on 62, past the play-to score.
    EXPECT_EQ(args(2, "CMD_endround"), Strings{"1+1+62+1+0+2+62+-1+1+3+0+0+0+4+0+0+0"});
    EXPECT_TRUE(args(2, "CMD_winner").empty());
    EXPECT_TRUE(server.state().gamerunning);
    EXPECT_EQ(server.state().phase, ClockPhase::BetweenRounds);
    EXPECT_TRUE(host.clock);
}

TEST_F(ServerScoring, OnlySeatsThatPlayCanWin)
{
    join(1, "Ann");
    join(2, "Bob");
    join(3, "Cy");
    startgame(0, 60, true, false, 10); // seat 4 sits out on 0, the play-to score
    while (server.state().gamerunning && server.state().phase != ClockPhase::BetweenRounds) {
        const int current = server.state().currentseat.number();
        send(current, msg::drawcard(current));
    }
    // The pool ran out and every playing seat lost what it held: no winner.
    EXPECT_LT(std::max({seat(1).score, seat(2).score, seat(3).score}), 0);
    EXPECT_TRUE(args(1, "CMD_winner").empty());
    EXPECT_TRUE(server.state().gamerunning);
}

TEST_F(ServerScoring, ASeatOneNobodyHoldsWinsUnderItsLastPlayersName)
{
    join(1, "Ann");
    join(2, "Bob");
    random.stackPool(dealOrder({run(green, 1, 10), run(orange, 1, 10)}));
    startgame(0, 60, true, false, 10);
    ASSERT_EQ(server.state().currentseat, Seat(1));
    server.connectionClosed(1);
    // The computer goes out for seat 1.
    for (int slot = 1; slot <= 10; ++slot) server.placemytile(msg::argumentText(msg::placemytile({1, slot, slot, 2})));
    server.finish(msg::argumentText(msg::finish(1)));
    EXPECT_EQ(args(2, "CMD_winner"), Strings{"Ann+"});
}

TEST_F(ServerScoring, AWinnerWhoGaveNoNameIsCalledPlayerAndTheSeat)
{
    join(1, " \t ");
    join(2, "Bob");
    random.stackPool(dealOrder({run(green, 1, 10), run(orange, 1, 10)}));
    startgame(0, 60, true, false, 10);
    lay(1, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 2);
    send(1, msg::finish(1));
    EXPECT_EQ(args(2, "CMD_winner"), Strings{"Player1+"});
}
