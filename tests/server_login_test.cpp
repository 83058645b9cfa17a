// Connections, login, departures, kick, just-watch, chat, and the rule that
// a message speaks only for the connection it arrived on.
#include "tests/server_fakehost.h"

using namespace brixo;
using namespace brixo::test;

using ServerLogin = ServerFixture;
using Strings = std::vector<std::string>;

TEST_F(ServerLogin, SlotsGoToTheLowestFreeOneAndTheCountNeverFalls)
{
    EXPECT_EQ(join(11, "Ann"), 1);
    EXPECT_EQ(join(12, "Bob"), 2);
    EXPECT_EQ(join(13, "Cy"), 3);
    forget();
    server.connectionClosed(12);
    server.connectionClosed(12); // the second report of the same close
    EXPECT_EQ(args(11, "CMD_playerdisconnected"), Strings{"2+Bob"});
    EXPECT_EQ(args(13, "CMD_playerdisconnected"), Strings{"2+Bob"});
    EXPECT_TRUE(lines(12).empty());
    EXPECT_FALSE(seat(2).connected);
    EXPECT_EQ(seat(2).name, "");

    EXPECT_EQ(join(14, "Dee"), 2);
    EXPECT_EQ(server.slotTable().playercount, 3);
    EXPECT_EQ(join(15, "Eve"), 4);
    EXPECT_EQ(server.slotTable().playercount, 4);
}

TEST_F(ServerLogin, ATenthConnectionIsToldTheGameIsFullAndNothingElseChanges)
{
    for (ConnectionId id = 1; id <= 9; ++id) join(id, "P" + std::to_string(id));
    forget();
    server.connectionAccepted(10);
    EXPECT_EQ(lines(10), Strings{"CMD_full+"});
    EXPECT_EQ(host.closed, std::vector<ConnectionId>{10});
    for (ConnectionId id = 1; id <= 9; ++id) EXPECT_TRUE(lines(id).empty());
    send(10, msg::chat(1, "sneaky|clRed")); // holds no slot: dropped
    server.connectionClosed(10);
    for (ConnectionId id = 1; id <= 9; ++id) EXPECT_TRUE(lines(id).empty());
    EXPECT_EQ(server.slotTable().playercount, 9);
}

TEST_F(ServerLogin, LoginAnnouncesTheNewcomerAndListsTheOthersToHim)
{
    join(1, "Ann");
    join(2, "Bob");
    forget();
    server.connectionAccepted(3);
    EXPECT_EQ(lines(3), Strings{"CMD_sendlogininfo+3"});
    // The name comes cleaned: trimmed, no control characters, blanks for
    // the characters that separate fields.
    send(3, msg::logininfo(3, msg::kVersion, "  Cy+the\tThird|  "));
    EXPECT_EQ(seat(3).name, "Cy theThird");
    EXPECT_EQ(lines(1), Strings{"CMD_newplayerinfo+3+Cy theThird"});
    EXPECT_EQ(lines(3), (Strings{"CMD_sendlogininfo+3", "CMD_seatkey+" + keyOf(3) + "+", "CMD_newplayerinfo+3+Cy theThird",
                                 "CMD_existingplayers+1+Ann", "CMD_existingplayers+2+Bob"}));
    EXPECT_TRUE(args(3, "CMD_loadstats").empty()); // no game yet
}

TEST_F(ServerLogin, AnotherVersionIsReportedToBothSidesAndPlaysOn)
{
    join(1, "Ann");
    forget();
    join(2, "Old", {}, "1.0.7");
    EXPECT_EQ(args(1, "CMD_havewrongversion"), Strings{"Old"});
    EXPECT_EQ(args(2, "CMD_wrongversion"), Strings{""});
    EXPECT_TRUE(seat(2).connected);
    startgame();
    EXPECT_TRUE(seat(2).plays);
    EXPECT_EQ(args(2, "CMD_yourtiles").size(), 1u);
}

TEST_F(ServerLogin, ALateJoinerIsBroughtUpToDate)
{
    join(1, "Ann");
    join(2, "Bob");
    join(3, "Cy");
    startgame(500, 60, true, false, 14);
    // Nothing on the board yet: stats but no board for a newcomer at seat 4,
    // which sits this round out.
    EXPECT_EQ(join(5, "Dee"), 4);
    EXPECT_EQ(args(5, "CMD_loadstats").size(), 1u);
    EXPECT_TRUE(args(5, "CMD_loadboard").empty());

    const int tile = seat(1).rack.at(1);
    send(1, msg::placemytile({1, 1, 5, 6}));
    const std::string key = keyOf(3);
    server.connectionClosed(3); // Cy leaves; seat 3 keeps its rack
    const std::string rack = msg::argumentText(msg::yourtiles(3, seat(3).rack.items()));
    forget();

    EXPECT_EQ(join(6, "Cy", key), 3);
    const Strings stats = args(6, "CMD_loadstats");
    ASSERT_EQ(stats.size(), 1u);
    EXPECT_EQ(stats[0], "3+1+500+60+t+f+1+0+13+f+f+2+0+14+f+f+3+0+14+f+f+4+0+0+f+t");
    EXPECT_EQ(args(6, "CMD_loadboard"), Strings{"3+5+6+" + std::to_string(tile)});
    EXPECT_EQ(args(6, "CMD_yourtiles"), Strings{rack});
    // In order: a new key, the announcement, the others, then the catch-up,
    // which ends with the turn that runs. Cy first lands in a free slot,
    // then is sent back to the seat kept for him.
    EXPECT_EQ(commands(6), (Strings{"CMD_sendlogininfo", "CMD_sendlogininfo", "CMD_seatkey", "CMD_newplayerinfo",
                                    "CMD_existingplayers", "CMD_existingplayers", "CMD_existingplayers",
                                    "CMD_loadstats", "CMD_loadboard",
                                    "CMD_yourtiles", "CMD_nextplayer", "CMD_timeleft"}));
    EXPECT_EQ(args(6, "CMD_nextplayer"), Strings{"1+64+1+0+13+2+0+14+3+0+14+4+0+0"});
    EXPECT_EQ(args(6, "CMD_timeleft"), Strings{"60+"}); // the turn's clock, as the others show it

    // A spectator gets the board but never a rack.
    join(7, "Spy2");
    EXPECT_EQ(args(7, "CMD_loadboard").size(), 1u);
    EXPECT_TRUE(args(7, "CMD_yourtiles").empty());
}

TEST_F(ServerLogin, TheComputerTakesOverTheTurnOfADepartingSeatButNotSeatOnes)
{
    join(1, "Ann");
    join(2, "Bob");
    startgame();
    ASSERT_EQ(server.state().currentseat, Seat(1));
    send(1, msg::placemytile({1, 1, 5, 6}));
    server.connectionClosed(1);
    EXPECT_EQ(server.state().currentseat, Seat(1)); // seat 1's turn runs out on the clock
    EXPECT_EQ(server.grid().tileCount(), 1);
    EXPECT_EQ(args(2, "CMD_playerdisconnected"), Strings{"1+Ann"});

    ticks(64 + 2); // time-out: the tile goes back, seat 1 draws, seat 2's turn
    ASSERT_EQ(server.state().currentseat, Seat(2));
    EXPECT_EQ(server.grid().tileCount(), 0);
    forget();
    server.connectionClosed(2);
    // Seat 2's turn was taken by the computer at once: it has passed on to
    // seat 1, which no person holds now, so the computer timer is set.
    EXPECT_EQ(server.state().currentseat, Seat(1));
    EXPECT_TRUE(host.computerTimer);
}

TEST_F(ServerLogin, WithoutAHostTableSeatOneIsTakenOverLikeAnyOther)
{
    server.setComputerTakesSeatOne(true); // as the headless server runs
    join(1, "Ann");
    join(2, "Bob");
    startgame();
    ASSERT_EQ(server.state().currentseat, Seat(1));
    send(1, msg::placemytile({1, 1, 5, 6}));
    server.connectionClosed(1);
    EXPECT_EQ(server.state().currentseat, Seat(2));
    EXPECT_EQ(tilesInPlay(), 106);
}

TEST_F(ServerLogin, OnlyTheHostRemovesParticipants)
{
    join(1, "Ann");
    join(2, "Bob");
    join(3, "Cy");
    forget();
    send(3, msg::kickhim(3, 2));
    send(2, msg::kickhim(1, 3)); // claims to be the host
    EXPECT_TRUE(host.closed.empty());
    EXPECT_TRUE(seat(2).connected && seat(3).connected);

    send(1, msg::kickhim(1, 3));
    EXPECT_EQ(host.closed, std::vector<ConnectionId>{3});
    EXPECT_FALSE(seat(3).connected);
    EXPECT_EQ(args(1, "CMD_playerdisconnected"), Strings{"3+Cy"});
    EXPECT_EQ(args(2, "CMD_playerdisconnected"), Strings{"3+Cy"});
    send(3, msg::chat(3, "still here?|clRed")); // the kicked connection holds no slot
    server.connectionClosed(3);                  // its close is already handled
    EXPECT_EQ(args(1, "CMD_playerdisconnected").size(), 1u);
    EXPECT_TRUE(args(1, "CMD_chat").empty());
    send(1, msg::kickhim(1, 0));
    send(1, msg::kickhim(1, 12));
    EXPECT_EQ(host.closed.size(), 1u);
}

TEST_F(ServerLogin, JustWatchFollowsTheSeatRules)
{
    join(1, "Ann");
    join(2, "Bob");
    join(3, "Cy");
    send(2, msg::justwatch(2, "1")); // no game: nothing
    EXPECT_TRUE(args(1, "CMD_justwatching").empty());
    send(2, msg::justwatch(2, "2")); // always told
    EXPECT_EQ(args(1, "CMD_justwatching"), Strings{"2+2"});

    startgame();
    forget();
    send(2, msg::justwatch(3, "1")); // not his seat
    send(2, msg::justwatch(2, "3")); // no such mode
    send(1, msg::justwatch(5, "1")); // not a seat
    send(1, msg::justwatch(0, "1"));
    send(1, msg::justwatch(-2, "1"));
    EXPECT_TRUE(args(1, "CMD_justwatching").empty());

    send(1, msg::justwatch(3, "1")); // the host may set any seat
    EXPECT_TRUE(seat(3).watching);
    EXPECT_EQ(args(2, "CMD_justwatching"), Strings{"3+1"});

    // Watching during one's own turn hands it to the computer at once.
    ASSERT_EQ(server.state().currentseat, Seat(1));
    send(1, msg::justwatch(1, "1"));
    EXPECT_EQ(server.state().currentseat, Seat(2));

    // While the computer plays a watched seat, moves from the seat's own
    // table are dropped: only one of them plays the turn.
    send(2, msg::drawcard(2));
    ASSERT_EQ(server.state().currentseat, Seat(3));
    const BoardGrid board = server.grid();
    const int tiles = seat(3).tilecount();
    send(3, msg::placemytile({3, 1, 4, 4}));
    send(3, msg::finish(3));
    send(3, msg::drawcard(3));
    send(3, msg::clickyes(3));
    EXPECT_TRUE(server.grid() == board);
    EXPECT_EQ(seat(3).tilecount(), tiles);
    EXPECT_EQ(server.state().currentseat, Seat(3));
    server.computertimerTimer();
    EXPECT_NE(server.state().currentseat, Seat(3));
}

TEST_F(ServerLogin, MessagesNamingSomebodyElseAreDropped)
{
    join(1, "Ann");
    join(2, "Bob");
    join(3, "Cy");
    forget();
    send(3, msg::chat(2, "I am Bob|clRed"));
    send(3, msg::action(1, "waves|clRed"));
    send(2, msg::startgame({"Bob", 500, 60, "t", "f", 14}));
    send(2, msg::logininfo(1, msg::kVersion, "Mallory"));
    EXPECT_TRUE(lines(1).empty());
    EXPECT_FALSE(server.state().gamerunning);
    EXPECT_EQ(seat(1).name, "Ann");

    startgame();
    ASSERT_EQ(server.state().currentseat, Seat(1));
    forget();
    const int before = seat(1).tilecount();
    send(2, msg::placemytile({1, 1, 4, 4}));
    send(2, msg::drawcard(1));
    send(2, msg::finish(1));
    send(2, msg::pause(1, 1));
    send(1, std::string("CMD_placemytile+1+1+x+4+\xFF"));
    send(1, std::string("CMD_placemytile+1+1+4+\xFF"));
    send(1, std::string("CMD_placemytile+01x+1+4+4+\xFF"));
    send(1, std::string("CMD_finish\xFF"));
    send(1, std::string("+\xFF"));
    send(1, std::string("CMD_nonsense+1+\xFF"));
    EXPECT_TRUE(lines(1).empty());
    EXPECT_EQ(seat(1).tilecount(), before);
    EXPECT_EQ(server.state().currentseat, Seat(1));
    EXPECT_TRUE(host.clock);
}

TEST_F(ServerLogin, ChatAndActionAreRelayedWholeUnderTheSendersName)
{
    join(1, "Ann");
    join(2, "Bob");
    forget();
    send(2, msg::chat(2, "1+1=2|clRed"));
    send(2, msg::action(2, "smiles|$00FF00"));
    const Strings expected{"CMD_chat+Bob chats: 1+1=2|clRed", "CMD_action+Bob smiles|$00FF00"};
    EXPECT_EQ(lines(1), expected);
    EXPECT_EQ(lines(2), expected);
}

namespace {
// A host whose connection 2 breaks while something is being written to it,
// and which reports the close at once, from inside send().
class BreakingHost : public FakeHost {
public:
    TServer* server = nullptr;
    void send(ConnectionId connection, const std::string& frame) override
    {
        FakeHost::send(connection, frame);
        if (connection == 2 && frame.rfind("CMD_chat+", 0) == 0 && server) server->connectionClosed(2);
    }
};
} // namespace

TEST(ServerInputs, ACloseReportedInsideASendWaitsForTheHandlerToFinish)
{
    BreakingHost host;
    SeededRandom random(3);
    TServer server(host, random);
    host.server = &server;
    for (ConnectionId id = 1; id <= 3; ++id) {
        server.connectionAccepted(id);
        server.message(id, "CMD_logininfo+" + std::to_string(id) + "+1.0.8+P" + std::to_string(id));
    }
    host.sent.clear();
    server.message(1, "CMD_chat+1+hi|clRed"); // connection 2 breaks as the chat reaches it
    EXPECT_EQ(host.sent[3], (std::vector<std::string>{"CMD_chat+P1 chats: hi|clRed", "CMD_playerdisconnected+2+P2"}));
    EXPECT_FALSE(server.slotTable()[2].connected);
}
