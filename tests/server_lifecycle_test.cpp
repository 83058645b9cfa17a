// Starting games and rounds, the deal, the turn order, the turn clock with
// its three phases, pausing and the computer's turn timer.
#include "tests/server_fakehost.h"
#include "tests/tilecodes.h"

using namespace brixo;
using namespace brixo::test;

using ServerLifecycle = ServerFixture;
using Strings = std::vector<std::string>;

namespace {
std::vector<int> greenRun(int from, int count)
{
    std::vector<int> tiles;
    for (int n = from; n < from + count; ++n) tiles.push_back(green(n));
    return tiles;
}
} // namespace

TEST_F(ServerLifecycle, OptionsArePulledIntoRangeAndTheDealIsCapped)
{
    join(1, "Ann");
    join(2, "Bob");
    send(1, msg::startgame({"Ann", 99999, 5, "t", "t", 48}));
    // A team game: four seats play, so 48 tiles each would not fit.
    EXPECT_EQ(args(2, "CMD_startgame"), Strings{"Ann+1500+20+t+t+24+"});
    for (int s = 1; s <= 4; ++s) {
        EXPECT_TRUE(seat(s).plays);
        EXPECT_EQ(seat(s).tilecount(), 24);
    }
    EXPECT_EQ(server.pool().tilesLeft(), 10);

    send(1, msg::startgame({"Ann", -300, 500, "x", "no", 48}));
    EXPECT_EQ(args(2, "CMD_startgame").back(), "Ann+0+180+x+no+48+"); // two seats take 96
    EXPECT_FALSE(seat(3).plays);
    EXPECT_EQ(server.pool().tilesLeft(), 10);
    EXPECT_FALSE(server.state().timepenalty);

    send(1, msg::startgame({"Zed", 500, 60, "t", "f", 2})); // the name relayed is the host's own
    EXPECT_EQ(args(2, "CMD_startgame").back(), "Ann+500+60+t+f+10+");
    send(1, std::string("CMD_startgame+Ann+5x0+60+t+f+14+\xFF"));
    EXPECT_EQ(args(2, "CMD_startgame").size(), 3u);
}

TEST_F(ServerLifecycle, TilesAreDealtOneAtATimeRoundThePlayingSeats)
{
    join(1, "Ann"); // alone: the computer plays seat 2
    std::vector<int> order;
    for (int n = 1; n <= 20; ++n) order.push_back(n);
    random.stackPool(order);
    forget();
    startgame(500, 60, true, false, 10);
    EXPECT_EQ(commands(1), (Strings{"CMD_startgame", "CMD_startround", "CMD_yourtiles", "CMD_nextplayer"}));
    EXPECT_EQ(args(1, "CMD_startround"), Strings{"0+0+0+0+"});
    EXPECT_EQ(args(1, "CMD_yourtiles"), Strings{"1+1,1+2,3+3,5+4,7+5,9+6,11+7,13+8,15+9,17+10,19"});
    EXPECT_EQ(msg::argumentText(msg::yourtiles(2, seat(2).rack.items())), "2+1,2+2,4+3,6+4,8+5,10+6,12+7,14+8,16+9,18+10,20");
    EXPECT_EQ(seat(3).tilecount() + seat(4).tilecount(), 0);
    // The computer player's view: no seat stands in for a number that is none.
    EXPECT_EQ(server.rack(Seat(1)).tilecount(), 10);
    EXPECT_EQ(server.rack(Seat(0)).tilecount() + server.rack(Seat(5)).tilecount(), 0);
    EXPECT_EQ(args(1, "CMD_nextplayer"), Strings{"1+86+1+0+10+2+0+10+3+0+0+4+0+0"});
    EXPECT_EQ(tilesInPlay(), 106);
}

TEST_F(ServerLifecycle, TheTurnOrderCarriesOnAcrossGames)
{
    join(1, "Ann");
    join(2, "Bob");
    join(3, "Cy");
    startgame();
    EXPECT_EQ(server.state().currentseat, Seat(1));
    send(1, msg::drawcard(1));
    EXPECT_EQ(server.state().currentseat, Seat(2));
    send(2, msg::drawcard(2));
    send(3, msg::drawcard(3));
    EXPECT_EQ(server.state().currentseat, Seat(1)); // seat 4 sits out
    send(1, msg::drawcard(1));
    startgame(); // a new game while one runs
    EXPECT_EQ(server.state().currentseat, Seat(3));
    EXPECT_EQ(seat(1).tilecount(), 14);
}

TEST_F(ServerLifecycle, TheTurnClockWarnsThenGivesGraceThenTimesOut)
{
    join(1, "Ann");
    join(2, "Bob");
    startgame(500, 60, true);
    EXPECT_EQ(server.state().turnclock, 64);
    send(1, msg::placemytile({1, 2, 3, 3}));
    forget();
    ticks(63);
    EXPECT_TRUE(lines(2).empty());
    ticks(1);
    EXPECT_EQ(lines(2), Strings{"CMD_notime+1+"});
    EXPECT_EQ(server.state().phase, ClockPhase::Grace);
    EXPECT_EQ(server.state().turnclock, 2);
    ticks(1);
    EXPECT_EQ(server.state().currentseat, Seat(1));
    ticks(1);
    // The laid tile comes back, three penalty tiles are drawn, seat 2 is next.
    EXPECT_EQ(commands(1), (Strings{"CMD_notime", "CMD_undothem", "CMD_yourtiles", "CMD_yourtiles", "CMD_nextplayer"}));
    EXPECT_EQ(seat(1).tilecount(), 17);
    EXPECT_EQ(server.state().currentseat, Seat(2));
    EXPECT_EQ(server.state().phase, ClockPhase::Turn);

    send(1, msg::startgame({"Ann", 500, 20, "f", "f", 14}));
    const int current = server.state().currentseat.number();
    const int before = seat(current).tilecount();
    ticks(24 + 2);
    EXPECT_EQ(seat(current).tilecount(), before + 1); // no penalty: one tile
}

TEST_F(ServerLifecycle, OnlySeatOneOrTheTurnSeatPausesAndOnlyTheTurnItself)
{
    join(1, "Ann");
    join(2, "Bob");
    join(3, "Cy");
    startgame();
    send(1, msg::drawcard(1)); // seat 2's turn
    ticks(4);
    forget();
    send(3, msg::pause(3, 1));
    EXPECT_TRUE(lines(1).empty());
    send(2, msg::pause(2, 1));
    EXPECT_EQ(lines(1), Strings{"CMD_gamepause+1+"});
    join(4, "Dee"); // hears of the pause after the rest of the catch-up
    EXPECT_EQ(lines(4).back(), "CMD_gamepause+1+");
    ticks(59); // a held clock does not count down
    EXPECT_EQ(server.state().turnclock, 60);
    EXPECT_TRUE(server.state().paused);
    send(1, msg::pause(1, 1)); // already paused
    send(2, msg::placemytile({2, 1, 4, 4})); // moves go on during a pause
    EXPECT_EQ(server.grid().tileCount(), 1);
    send(1, msg::pause(1, 0));
    EXPECT_EQ(lines(1).back(), "CMD_gamepause+0+");
    EXPECT_TRUE(host.clock);
    EXPECT_EQ(server.state().turnclock, 60);
    send(1, msg::pause(1, 0)); // already running
    EXPECT_EQ(args(1, "CMD_gamepause").size(), 2u);
    join(5, "Spy");
    EXPECT_TRUE(args(5, "CMD_gamepause").empty());

    ticks(60); // into the grace seconds: no pause there
    ASSERT_EQ(server.state().phase, ClockPhase::Grace);
    send(1, msg::pause(1, 1));
    EXPECT_TRUE(host.clock);

    ticks(2); // seat 3's turn
    send(3, msg::pause(3, 1));
    send(3, msg::drawcard(3)); // the pause ends with the turn
    EXPECT_FALSE(server.state().paused);
    join(6, "Spy2");
    EXPECT_TRUE(args(6, "CMD_gamepause").empty());
}

TEST_F(ServerLifecycle, ATurnSeatsPausesAreFewAndShortButTheHostsAreNot)
{
    join(1, "Ann");
    join(2, "Bob");
    startgame(500, 20);
    send(1, msg::drawcard(1)); // Bob's turn: 24 seconds, then 2 of grace
    forget();
    // Bob pauses again as soon as each pause ends: three pauses of a
    // minute each, then the clock runs out on him.
    for (int second = 0; second < 24 + 2 + 3 * PauseAllowance::kMaxSeconds; ++second) {
        send(2, msg::pause(2, 1));
        ticks(1);
    }
    EXPECT_EQ(args(1, "CMD_gamepause"), (Strings{"1+", "0+", "1+", "0+", "1+", "0+"}));
    EXPECT_EQ(server.state().currentseat, Seat(1));
    EXPECT_EQ(args(1, "CMD_notime"), Strings{"2+"});

    // Seat 1 may resume a seat's pause, and pause as long as it likes.
    send(1, msg::drawcard(1));
    send(1, msg::pause(1, 1));
    ticks(10 * PauseAllowance::kMaxSeconds);
    EXPECT_TRUE(server.state().paused);
    EXPECT_FALSE(host.clock);
    send(1, msg::pause(1, 0));
    EXPECT_FALSE(server.state().paused);

    // A new game gives every seat its pauses back.
    startgame(500, 20);
    if (server.state().currentseat == Seat(1)) send(1, msg::drawcard(1));
    send(2, msg::pause(2, 1));
    EXPECT_TRUE(server.state().paused);
    send(1, msg::pause(1, 0));
    EXPECT_FALSE(server.state().paused);
}

TEST_F(ServerLifecycle, BetweenRoundsNoMovesAreTakenAndTheNextRoundStartsAfterTwentySeconds)
{
    join(1, "Ann");
    join(2, "Bob");
    random.stackPool(dealOrder({greenRun(1, 10), {orange(1), orange(2), orange(3), orange(4), orange(5), orange(6),
                                                  orange(7), orange(8), orange(9), red(1)}}));
    startgame(5000, 60, true, false, 10); // play-to pulled to 1500: nobody wins yet
    lay(1, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 2);
    send(1, msg::finish(1));
    EXPECT_EQ(args(2, "CMD_endround"), Strings{"1+1+101+46+0+2+-46+-46+10+3+0+0+0+4+0+0+0"});
    EXPECT_EQ(server.state().phase, ClockPhase::BetweenRounds);
    EXPECT_EQ(server.state().turnclock, 20);
    forget();
    // The turn seat's messages find no turn to act on.
    send(1, msg::drawcard(1));
    send(1, msg::finish(1));
    send(1, msg::clickyes(1));
    send(1, msg::swaptilesRequest({1, 3, 8, 1, 2}));
    send(1, msg::pause(1, 1));
    EXPECT_TRUE(lines(1).empty());
    EXPECT_EQ(seat(1).tilecount(), 0);
    ticks(19);
    EXPECT_TRUE(lines(1).empty());
    ticks(1);
    EXPECT_EQ(commands(1), (Strings{"CMD_startround", "CMD_yourtiles", "CMD_nextplayer"}));
    EXPECT_EQ(args(1, "CMD_startround"), Strings{"101+-46+0+0+"});
    EXPECT_EQ(server.state().currentseat, Seat(2)); // the order carries on
    EXPECT_EQ(server.grid().tileCount(), 0);
}

// The pause is the server's setting, counted on the clock: one of 0 still
// waits the one second the clock counts in.
TEST_F(ServerLifecycle, ThePauseBetweenRoundsIsASettingOfAtLeastOneSecond)
{
    server.setRoundPauseSeconds(0);
    join(1, "Ann");
    join(2, "Bob");
    random.stackPool(dealOrder({greenRun(1, 10), {orange(1), orange(2), orange(3), orange(4), orange(5), orange(6),
                                                  orange(7), orange(8), orange(9), red(1)}}));
    startgame(1500, 60, true, false, 10);
    lay(1, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 2);
    send(1, msg::finish(1));
    ASSERT_EQ(server.state().phase, ClockPhase::BetweenRounds);
    EXPECT_EQ(server.state().turnclock, 1);
    forget();
    ticks(1);
    EXPECT_EQ(commands(1), (Strings{"CMD_startround", "CMD_yourtiles", "CMD_nextplayer"}));
}

TEST_F(ServerLifecycle, AnEmptyPoolMetLastRoundDoesNotEndTheNextRoundEarly)
{
    join(1, "Ann");
    join(2, "Bob");
    startgame(1500, 60, true, false, 10);
    auto drawUntilRoundEnds = [&] {
        int metEmpty = 0;
        while (server.state().phase != ClockPhase::BetweenRounds) {
            const int current = server.state().currentseat.number();
            forget();
            send(current, msg::drawcard(current));
            if (!args(current, "CMD_nomoretiles").empty()) ++metEmpty;
        }
        return metEmpty;
    };
    EXPECT_EQ(drawUntilRoundEnds(), 2); // both seats met the empty pool
    EXPECT_EQ(args(1, "CMD_endround").at(0).substr(0, 2), "0+");
    ticks(20);
    // Second round: the first seat to meet the empty pool is told so and the
    // turn passes, showing no tiles left; the round ends with the second.
    EXPECT_EQ(drawUntilRoundEnds(), 2);
    EXPECT_EQ(tilesInPlay(), 106);
}

TEST_F(ServerLifecycle, TheComputerTimerIsSetFromTheBotSpeedAndAPersonCanTakeTheSeatBack)
{
    host.speed = 500;
    join(1, "Ann");
    startgame();
    EXPECT_FALSE(host.computerTimer);
    send(1, msg::drawcard(1));
    ASSERT_EQ(server.state().currentseat, Seat(2));
    EXPECT_TRUE(host.computerTimer);
    EXPECT_EQ(host.computerDelay, 500);
    server.computertimerTimer(); // the computer plays its turn
    EXPECT_EQ(server.state().currentseat, Seat(1));

    send(1, msg::drawcard(1));
    ASSERT_TRUE(host.computerTimer);
    const Rack before = seat(2).rack;
    ticks(10);
    forget();
    join(2, "Bob"); // takes seat 2 before the timer fires
    // The turn is given afresh: after the catch-up every table hears it is
    // seat 2's, on a full clock, and the computer stands down.
    EXPECT_EQ(commands(2).back(), "CMD_nextplayer");
    EXPECT_EQ(args(2, "CMD_nextplayer").size(), 1u); // told once, by the new turn
    ASSERT_EQ(args(1, "CMD_nextplayer").size(), 1u);
    EXPECT_EQ(args(1, "CMD_nextplayer")[0].substr(0, 2), "2+");
    EXPECT_EQ(server.state().turnclock, 64);
    EXPECT_FALSE(host.computerTimer);
    server.computertimerTimer();
    EXPECT_EQ(server.state().currentseat, Seat(2));
    EXPECT_EQ(seat(2).rack.items(), before.items());
    server.computertimerTimer(); // a stray second tick
    EXPECT_EQ(server.state().currentseat, Seat(2));
}
