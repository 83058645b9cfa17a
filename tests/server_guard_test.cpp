// What keeps a table from taking what is not its own: one login per
// connection, names nobody else goes by, seats kept for the players who
// left them, slots freed from connections that never log in, and pauses
// that cannot outlast their owners.
#include "model/playername.h"
#include "tests/server_fakehost.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace brixo;
using namespace brixo::test;

using ServerGuard = ServerFixture;
using Strings = std::vector<std::string>;

TEST_F(ServerGuard, AConnectionLogsInOnceAndDoesNothingBefore)
{
    join(1, "Ann");
    server.connectionAccepted(2);
    send(2, msg::chat(2, "hi|clRed")); // not logged in yet
    EXPECT_TRUE(args(1, "CMD_chat").empty());
    send(2, msg::logininfo(2, msg::kVersion, "Bob"));
    startgame();
    forget();
    send(2, msg::logininfo(2, msg::kVersion, "Mallory"));
    EXPECT_EQ(seat(2).name, "Bob");
    EXPECT_TRUE(args(2, "CMD_loadstats").empty()); // no second catch-up
    EXPECT_TRUE(lines(1).empty());
}

TEST_F(ServerGuard, NamesAreCleanedShortenedAndNeverShared)
{
    EXPECT_EQ(cleanName("  \x01" "Ann\x7f  ", 1), "Ann");
    EXPECT_EQ(cleanName("", 3), "Player3");
    EXPECT_EQ(cleanName("\xC2\x85\t", 4), "Player4"); // only controls
    EXPECT_EQ(cleanName("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1), "ABCDEFGHIJKLMNOPQRSTUVWX");
    EXPECT_EQ(cleanName("Zoë+Renée", 1), "Zoë Renée");
    EXPECT_EQ(cleanName(std::string(23, 'a') + "é", 1), std::string(23, 'a') + "é"); // never cut in two

    join(1, "Ann");
    join(2, "ann");
    join(3, "Ann");
    join(5, std::string(30, 'x'));
    const int sixth = join(6, std::string(30, 'x'));
    EXPECT_EQ(seat(2).name, "ann2");
    EXPECT_EQ(seat(3).name, "Ann3");
    EXPECT_EQ(server.slotTable()[sixth].name, std::string(23, 'x') + "2");
    send(2, msg::chat(2, "I am Ann|clRed"));
    EXPECT_EQ(args(1, "CMD_chat"), Strings{"ann2 chats: I am Ann|clRed"});
}

TEST_F(ServerGuard, ASeatWaitsDuringTheGameForThePlayerWhoLeftIt)
{
    join(1, "Ann");
    join(2, "Bob");
    join(3, "Cy");
    startgame();
    const Rack rack = seat(3).rack;
    server.connectionClosed(3);
    EXPECT_EQ(join(4, "Eve"), 4);     // a free seat still takes a stranger
    EXPECT_EQ(join(5, "Mallory"), 5); // the kept one does not
    EXPECT_EQ(join(6, "cy"), 3);      // its player comes back into it, rack and all
    EXPECT_EQ(seat(3).rack.items(), rack.items());
    EXPECT_EQ(args(6, "CMD_yourtiles"), Strings{msg::argumentText(msg::yourtiles(3, rack.items()))});
    // Only the seat's login is announced, not the passing one.
    EXPECT_TRUE(args(1, "CMD_newplayerinfo").size() == 6u);

    // A removed player's seat is not kept; the game's end frees every seat.
    send(1, msg::kickhim(1, 2));
    EXPECT_EQ(join(7, "Zed"), 2);
    server.connectionClosed(6);
    EXPECT_EQ(join(8, "Yan"), 6);
    EXPECT_EQ(seat(3).keptFor, "cy");
}

TEST_F(ServerGuard, WithoutAHostTableSeatOneStaysTheHostsUntilTheGameEnds)
{
    server.setComputerTakesSeatOne(true);
    join(1, "Ann");
    join(2, "Bob");
    startgame();
    server.connectionClosed(1);
    EXPECT_EQ(join(3, "Mallory"), 3);
    send(3, msg::kickhim(3, 2)); // only slot 1 removes players
    EXPECT_TRUE(seat(2).connected);
    EXPECT_EQ(join(4, "Ann"), 1);
}

TEST_F(ServerGuard, AConnectionThatNeverLogsInLosesItsSlot)
{
    join(1, "Ann");
    server.connectionAccepted(2);
    ASSERT_EQ(host.loginDeadlines, (std::vector<ConnectionId>{1, 2}));
    EXPECT_EQ(host.loginMilliseconds, 10000);
    server.loginDeadline(1); // logged in: nothing happens
    server.loginDeadline(2);
    EXPECT_EQ(host.closed, std::vector<ConnectionId>{2});
    EXPECT_FALSE(seat(2).connected);
    EXPECT_TRUE(args(1, "CMD_playerdisconnected").empty()); // nobody heard of it
    EXPECT_EQ(join(3, "Bob"), 2);
}

TEST_F(ServerGuard, OneAddressHoldsAtMostTwoSlotsBeforeLoggingIn)
{
    join(1, "Ann", msg::kVersion, "10.0.0.1");
    server.connectionAccepted(2, "10.0.0.9");
    server.connectionAccepted(3, "10.0.0.9");
    server.connectionAccepted(4, "10.0.0.9"); // a third waiting one is refused
    EXPECT_EQ(lines(4), Strings{"CMD_full+"});
    EXPECT_EQ(host.closed, std::vector<ConnectionId>{4});
    EXPECT_EQ(join(5, "Bob", msg::kVersion, "10.0.0.5"), 4); // others come in
    // A login or a deadline gives the address its share back.
    send(2, msg::logininfo(2, msg::kVersion, "Cy"));
    server.connectionAccepted(6, "10.0.0.9");
    server.loginDeadline(3);
    server.connectionAccepted(7, "10.0.0.9");
    server.connectionAccepted(8, "10.0.0.9");
    EXPECT_EQ(lines(6), Strings{"CMD_sendlogininfo+5"});
    EXPECT_EQ(lines(7), Strings{"CMD_sendlogininfo+3"});
    EXPECT_EQ(lines(8), Strings{"CMD_full+"});
}

TEST_F(ServerGuard, ChatIsBoundedPerAddressAndTheSenderIsToldOnce)
{
    join(1, "Ann", msg::kVersion, "10.0.0.1");
    join(2, "Bob", msg::kVersion, "10.0.0.2");
    forget();
    const auto say = [&](ConnectionId id, int slot, int lines) {
        for (int i = 0; i < lines; ++i) send(id, msg::chat(slot, "hi|clRed"));
    };
    const std::string notice = "CMD_chat+Slow down: lines sent too fast were not passed on.|clGreen";
    say(2, 2, ChatLimiter::kBurst);
    send(2, msg::action(2, "says: Wow!|clRed")); // phrases and actions count too
    say(2, 2, 5);
    EXPECT_EQ(args(1, "CMD_chat").size(), std::size_t(ChatLimiter::kBurst));
    EXPECT_TRUE(args(1, "CMD_action").empty());
    EXPECT_EQ(std::count(lines(2).begin(), lines(2).end(), notice), 1);
    say(1, 1, 1); // others are not held back
    EXPECT_EQ(args(2, "CMD_chat").back(), "Ann chats: hi|clRed");

    // Half a second buys one line; the flood goes on and is not told again.
    host.milliseconds += 1000 / ChatLimiter::kPerSecond;
    forget();
    say(2, 2, 3);
    EXPECT_EQ(args(1, "CMD_chat"), Strings{"Bob chats: hi|clRed"});
    EXPECT_EQ(lines(2), Strings{"CMD_chat+Bob chats: hi|clRed"});

    // Coming back from the same address does not refill the bucket.
    server.connectionClosed(2);
    join(3, "Bob", msg::kVersion, "10.0.0.2");
    forget();
    say(3, 2, 1);
    EXPECT_TRUE(args(1, "CMD_chat").empty());

    // Once the share has filled up, a new flood is told again.
    host.milliseconds += 60'000;
    say(3, 2, ChatLimiter::kBurst + 1);
    EXPECT_EQ(lines(3).back(), notice);

    // No line longer than the chat field holds.
    host.milliseconds += 60'000;
    forget();
    const std::string longest(msg::kMaxChatText / 2, 'x');
    std::string wide;
    for (std::size_t i = 0; i < msg::kMaxChatText - longest.size(); ++i) wide += "\xC3\xA9"; // é
    send(3, msg::chat(2, longest + wide));
    send(3, msg::chat(2, longest + wide + "x"));
    EXPECT_EQ(args(1, "CMD_chat").size(), 1u);
    EXPECT_TRUE(args(3, "CMD_chat").size() == 1u && args(3, "CMD_chat")[0].size() > 2 * longest.size());
}

TEST_F(ServerGuard, APauseEndsWhenItsOwnerLeavesAndEveryResumeIsTold)
{
    // The host pauses its own turn and is gone: the turn goes on.
    server.setComputerTakesSeatOne(true);
    join(1, "Ann");
    join(2, "Bob");
    startgame();
    ASSERT_EQ(server.state().currentseat, Seat(1));
    send(1, msg::pause(1, 1));
    forget();
    server.connectionClosed(1);
    EXPECT_EQ(args(2, "CMD_gamepause"), Strings{"0+"});
    EXPECT_EQ(server.state().currentseat, Seat(2)); // the computer played seat 1's turn
    EXPECT_TRUE(host.clock);
}

TEST_F(ServerGuard, APauseOverTheNextTurnIsLiftedAloud)
{
    join(1, "Ann");
    join(2, "Bob");
    startgame();
    send(1, msg::drawcard(1));
    ASSERT_EQ(server.state().currentseat, Seat(2));
    send(1, msg::pause(1, 1)); // the host pauses Bob's turn
    forget();
    send(2, msg::drawcard(2));
    EXPECT_EQ(commands(1), (Strings{"CMD_nextplayer", "CMD_gamepause"}));
    EXPECT_EQ(args(1, "CMD_gamepause"), Strings{"0+"});
    EXPECT_FALSE(server.state().paused);
}

TEST_F(ServerGuard, ANewcomerDoesNotInheritAnEmptySeatsJustWatch)
{
    join(1, "Ann");
    startgame();
    send(1, msg::justwatch(3, "1")); // the host sets the computer's seat to watch
    ASSERT_TRUE(seat(3).watching);
    join(2, "Bob");
    EXPECT_EQ(join(3, "Cy"), 3);
    EXPECT_FALSE(seat(3).watching);
    EXPECT_EQ(args(1, "CMD_justwatching").back(), "3+2");
}
