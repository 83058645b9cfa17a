// What keeps a table from taking what is not its own: one login per
// connection, names nobody else goes by, seats kept for the players who
// left them and opened only by their keys, removed players kept out, slots
// freed from connections that never log in, and pauses that cannot outlast
// their owners.
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

// Names are public: what a stranger may type in the name field, the
// departed player's name made to look the same.
const Strings kLookalikes = {"cy", " Cy ", "C\x01y", "CY\t", "Cy+"};

TEST_F(ServerGuard, ASeatWaitsDuringTheGameForThePlayerWithItsKey)
{
    join(1, "Ann");
    join(2, "Bob");
    join(3, "Cy");
    startgame();
    const Rack rack = seat(3).rack;
    const std::string key = keyOf(3);
    ASSERT_TRUE(msg::isSeatKey(key));
    server.connectionClosed(3);
    EXPECT_EQ(join(4, "Eve"), 4); // a free seat still takes a stranger
    ConnectionId id = 10;
    for (const std::string& name : kLookalikes) {
        EXPECT_GE(join(id, name), 5) << name; // the kept one does not
        EXPECT_TRUE(args(id, "CMD_yourtiles").empty());
        EXPECT_EQ(args(1, "CMD_newplayerinfo").back().back(), '2') << name; // the name waits too
        server.connectionClosed(id++);
    }
    EXPECT_GE(join(id, "Cy", keyOf(1)), 5); // nor somebody else's key
    EXPECT_FALSE(seat(3).connected);
    // Its player comes back into it, rack and all, under a new key.
    EXPECT_EQ(join(6, "Cy", key), 3);
    EXPECT_EQ(seat(3).rack.items(), rack.items());
    EXPECT_EQ(args(6, "CMD_yourtiles"), Strings{msg::argumentText(msg::yourtiles(3, rack.items()))});
    EXPECT_NE(keyOf(6), key);
    EXPECT_EQ(args(1, "CMD_newplayerinfo").back(), "3+Cy"); // only the seat's login is announced

    // A removed player's seat is not kept; the game's end frees every seat.
    send(1, msg::kickhim(1, 2));
    EXPECT_EQ(join(7, "Zed"), 2);
}

// Without a host table of its own, a server keeps seat 1 and the host's
// rights for the host's key too.
TEST_F(ServerGuard, TheHostWithTheKeyComesBackWhenEverySlotIsBusy)
{
    server.setComputerTakesSeatOne(true);
    join(1, "Ann");
    join(2, "Bob");
    startgame();
    const std::string key = keyOf(1);
    server.connectionClosed(1);
    const Rack rack = seat(1).rack;
    EXPECT_EQ(join(3, "ANN "), 3);
    for (ConnectionId id = 4; id <= 9; ++id) join(id, "P" + std::to_string(id));
    ASSERT_FALSE(server.freeSlot().valid()); // eight busy, one kept
    send(3, msg::kickhim(3, 2)); // only slot 1 removes players
    send(3, msg::startgame({"Ann", 500, 60, "t", "f", 14}));
    EXPECT_TRUE(seat(2).connected);
    EXPECT_EQ(args(2, "CMD_startgame").size(), 1u);

    // Past a full server a connection is held apart, and turned away as
    // full unless its login shows the key.
    EXPECT_EQ(join(20, "Ann"), 0);
    EXPECT_EQ(lines(20).back(), "CMD_full+");
    EXPECT_EQ(join(21, "Ann", keyOf(2)), 0);
    EXPECT_EQ(lines(21).back(), "CMD_full+");
    // Held apart, it hears nothing and says nothing to anybody.
    server.connectionAccepted(22);
    send(22, msg::chat(1, "hello|clRed"));
    EXPECT_TRUE(args(2, "CMD_chat").empty());
    server.loginDeadline(22);
    // Connections that never log in make room for the next.
    for (ConnectionId id = 30; id < 30 + kSeats; ++id) server.connectionAccepted(id);
    EXPECT_EQ(host.closed, (std::vector<ConnectionId>{20, 21, 22}));
    EXPECT_EQ(join(40, "Ann", key), 1);
    EXPECT_EQ(host.closed.back(), 30u);
    EXPECT_EQ(seat(1).rack.items(), rack.items());
    EXPECT_EQ(args(40, "CMD_yourtiles").size(), 1u);
    EXPECT_EQ(args(2, "CMD_newplayerinfo").back(), "1+Ann");
    send(40, msg::kickhim(1, 2)); // the host's rights came back too
    EXPECT_FALSE(seat(2).connected);
}

TEST_F(ServerGuard, ARemovedPlayerIsOutUntilTheGameEnds)
{
    join(1, "Ann");
    join(2, "Bob", {}, msg::kVersion, "10.0.0.2");
    join(3, "Cy", {}, msg::kVersion, "10.0.0.2");
    startgame();
    const std::string bobKey = keyOf(2);
    const std::string cyKey = keyOf(3);
    server.connectionClosed(3);
    send(1, msg::kickhim(1, 2));
    EXPECT_EQ(lines(2).back(), "CMD_removed+");
    EXPECT_EQ(host.closed, std::vector<ConnectionId>{2});

    // Not by key, nor name, nor from the address, not even to watch.
    const auto refused = [&](ConnectionId id, const std::string& name, const std::string& key,
                             const std::string& address) {
        return join(id, name, key, msg::kVersion, address) == 0 && lines(id).back() == "CMD_removed+";
    };
    EXPECT_TRUE(refused(10, "Robert", bobKey, "10.0.0.9"));
    EXPECT_TRUE(refused(11, " BOB", {}, "10.0.0.9"));
    EXPECT_TRUE(refused(12, "Robert", {}, "10.0.0.2"));
    EXPECT_FALSE(seat(2).connected);
    EXPECT_TRUE(args(1, "CMD_newplayerinfo").size() == 3u);
    // Another player at that address takes back their own seat.
    EXPECT_EQ(join(13, "Cy", cyKey, msg::kVersion, "10.0.0.2"), 3);
    // The host does not remove itself.
    send(1, msg::kickhim(1, 1));
    EXPECT_TRUE(seat(1).connected);
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
    join(1, "Ann", {}, msg::kVersion, "10.0.0.1");
    server.connectionAccepted(2, "10.0.0.9");
    server.connectionAccepted(3, "10.0.0.9");
    server.connectionAccepted(4, "10.0.0.9"); // a third waiting one is refused
    EXPECT_EQ(lines(4), Strings{"CMD_full+"});
    EXPECT_EQ(host.closed, std::vector<ConnectionId>{4});
    EXPECT_EQ(join(5, "Bob", {}, msg::kVersion, "10.0.0.5"), 4); // others come in
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

// Each login and each departure is a line to every table: a table coming
// and going in a loop is slowed to one arrival a second after a burst.
TEST_F(ServerGuard, ATableComingAndGoingInALoopIsSlowedDown)
{
    join(1, "Ann", {}, msg::kVersion, "10.0.0.1");
    ConnectionId id = 2;
    const auto comeAndGo = [&] {
        const ConnectionId now = id++;
        join(now, "Bob", {}, msg::kVersion, "10.0.0.9");
        server.connectionClosed(now);
        return lines(now).front();
    };
    for (int i = 0; i < TServer::kArrivalBurst; ++i) ASSERT_EQ(comeAndGo(), "CMD_sendlogininfo+2");
    const std::size_t heard = lines(1).size();
    server.connectionAccepted(id, "10.0.0.9");
    EXPECT_EQ(lines(id++), Strings{"CMD_full+"});
    EXPECT_EQ(lines(1).size(), heard);
    EXPECT_EQ(join(id++, "Cy", {}, msg::kVersion, "10.0.0.3"), 2); // others still come in
    host.milliseconds += 1000 / TServer::kArrivalsPerSecond;
    server.connectionAccepted(id, "10.0.0.9");
    EXPECT_EQ(lines(id), Strings{"CMD_sendlogininfo+3"});
}

TEST_F(ServerGuard, ChatIsBoundedPerAddressAndTheSenderIsToldOnce)
{
    join(1, "Ann", {}, msg::kVersion, "10.0.0.1");
    join(2, "Bob", {}, msg::kVersion, "10.0.0.2");
    forget();
    const auto say = [&](ConnectionId id, int slot, int lines) {
        for (int i = 0; i < lines; ++i) send(id, msg::chat(slot, "hi|clRed"));
    };
    const std::string notice = "CMD_chat+Slow down: lines sent too fast were not passed on.|clGreen";
    say(2, 2, SenderLimiter::kBurst);
    send(2, msg::action(2, "says: Wow!|clRed")); // phrases and actions count too
    say(2, 2, 5);
    EXPECT_EQ(args(1, "CMD_chat").size(), std::size_t(SenderLimiter::kBurst));
    EXPECT_TRUE(args(1, "CMD_action").empty());
    EXPECT_EQ(std::count(lines(2).begin(), lines(2).end(), notice), 1);
    say(1, 1, 1); // others are not held back
    EXPECT_EQ(args(2, "CMD_chat").back(), "Ann chats: hi|clRed");

    // Half a second buys one line; the flood goes on and is not told again.
    host.milliseconds += 1000 / SenderLimiter::kPerSecond;
    forget();
    say(2, 2, 3);
    EXPECT_EQ(args(1, "CMD_chat"), Strings{"Bob chats: hi|clRed"});
    EXPECT_EQ(lines(2), Strings{"CMD_chat+Bob chats: hi|clRed"});

    // Coming back from the same address does not refill the bucket.
    server.connectionClosed(2);
    join(3, "Bob", {}, msg::kVersion, "10.0.0.2");
    forget();
    say(3, 2, 1);
    EXPECT_TRUE(args(1, "CMD_chat").empty());

    // Once the share has filled up, a new flood is told again.
    host.milliseconds += 60'000;
    say(3, 2, SenderLimiter::kBurst + 1);
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

// Moves and requests every table hears may come at any person's pace, but a
// table sending them by the thousand is let go, and its seat waits for it.
TEST_F(ServerGuard, ATableSendingRequestsFasterThanAnyPersonIsLetGo)
{
    join(1, "Ann");
    join(2, "Bob");
    forget();
    const auto draws = [&](ConnectionId id, int seat, int count) {
        for (int i = 0; i < count; ++i) send(id, msg::drawcard(seat));
    };
    draws(2, 2, TServer::kPaceBurst);
    host.milliseconds += 1000;
    draws(2, 2, TServer::kPacePerSecond); // a second later, a second's worth
    EXPECT_TRUE(host.closed.empty());
    draws(2, 2, 1);
    EXPECT_EQ(host.closed, std::vector<ConnectionId>{2});
    EXPECT_EQ(args(1, "CMD_playerdisconnected"), Strings{"2+Bob"});
    draws(1, 1, TServer::kPaceBurst); // each table has its own allowance
    EXPECT_EQ(host.closed.size(), 1u);
}
