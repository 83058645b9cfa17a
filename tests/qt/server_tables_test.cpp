// The server over real TCP connections, with scripted tables on a free
// port: login, refusals, catch-up, departures, kick and just-watch, spoofed
// numbers, and whole games played to a winner.
#include "tests/qt/server_scriptedtable.h"

#include <gtest/gtest.h>

using namespace brixo;
using namespace brixo::test;

using Strings = std::vector<std::string>;

namespace {

// Sends a chat line and waits until every open table has it: whatever its
// sender sent before has been handled by then.
bool settle(LoopbackGame& game, ScriptedTable& from, const std::string& words)
{
    from.send(msg::chat(from.slot(), words + "|clRed"));
    return waitFor([&] {
        for (const auto& t : game.tables) {
            if (t->closed()) continue;
            const auto& lines = t->lines();
            if (std::none_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(words) != std::string::npos; }))
                return false;
        }
        return true;
    });
}

} // namespace

TEST(ServerTables, TablesLogInAndLearnWhoIsThere)
{
    LoopbackGame game;
    ASSERT_TRUE(game.listening);
    ScriptedTable& ann = game.join("Ann");
    ScriptedTable& bob = game.join("Bob");
    EXPECT_EQ(ann.slot(), 1);
    EXPECT_EQ(bob.slot(), 2);
    ASSERT_TRUE(waitFor([&] { return ann.count("CMD_newplayerinfo+2+Bob") == 1; }));
    // Each key is told only to its own table, and differs from the other.
    const std::string annKey = ann.table().seatKey(), bobKey = bob.table().seatKey();
    EXPECT_NE(annKey, bobKey);
    EXPECT_EQ(ann.lines(), (Strings{"CMD_sendlogininfo+1", "CMD_seatkey+" + annKey + "+", "CMD_newplayerinfo+1+Ann",
                                    "CMD_newplayerinfo+2+Bob"}));
    EXPECT_EQ(bob.lines(), (Strings{"CMD_sendlogininfo+2", "CMD_seatkey+" + bobKey + "+", "CMD_newplayerinfo+2+Bob",
                                    "CMD_existingplayers+1+Ann"}));
}

TEST(ServerTables, ATenthTableIsTurnedAwayAndAnotherVersionStillPlays)
{
    LoopbackGame game;
    ScriptedTable& host = game.join("Host");
    ScriptedTable& old = game.join("Old", false, "1.0.7");
    ASSERT_TRUE(waitFor([&] { return host.count("CMD_havewrongversion+Old") == 1; }));
    EXPECT_EQ(old.count("CMD_wrongversion+"), 1);
    for (int n = 3; n <= 9; ++n) game.join("P" + std::to_string(n));

    ScriptedTable tenth("Late");
    tenth.connectTo(game.host.port());
    ASSERT_TRUE(waitFor([&] { return tenth.closed(); }));
    EXPECT_EQ(tenth.lines(), Strings{"CMD_full+"});
    EXPECT_EQ(game.host.server().slotTable().playercount, 9);

    host.send(msg::startgame({"Host", 500, 60, "t", "f", 14}));
    ASSERT_TRUE(waitFor([&] { return old.count("CMD_yourtiles+2+") == 1; }));
    EXPECT_EQ(old.rack().tilecount(), 14);
    for (const auto& t : game.tables) EXPECT_EQ(t->count("CMD_playerdisconnected"), 0);
}

TEST(ServerTables, ALateJoinerAtASeatOrAsSpectatorIsBroughtUpToDate)
{
    LoopbackGame game;
    ScriptedTable& ann = game.join("Ann");
    game.join("Bob");
    ScriptedTable& cy = game.join("Cy");
    ann.send(msg::startgame({"Ann", 500, 60, "t", "f", 14}));
    ASSERT_TRUE(game.allSee("CMD_nextplayer+1+"));
    ann.send(msg::placemytile({1, 3, 10, 4}));
    ASSERT_TRUE(game.allSee("CMD_placehistile+1+"));
    const int laid = ann.board().at(10, 4);
    cy.close();
    ASSERT_TRUE(waitFor([&] { return ann.count("CMD_playerdisconnected+3+Cy") == 1; }));
    const std::string rack = brixo::msg::argumentText(brixo::msg::yourtiles(3, game.host.server().slotTable()[Seat(3)].rack.items()));

    // The seat waits for Cy: he comes back into it with his key.
    ScriptedTable& back = game.join("Cy", false, "1.0.8", cy.table().seatKey());
    EXPECT_EQ(back.slot(), 3);
    ASSERT_TRUE(waitFor([&] { return back.count("CMD_yourtiles") == 1; }));
    EXPECT_EQ(back.args("CMD_loadstats"), Strings{"3+1+500+60+t+f+1+0+13+f+f+2+0+14+f+f+3+0+14+f+f+4+0+0+f+t"});
    EXPECT_EQ(back.args("CMD_loadboard"), Strings{"3+10+4+" + std::to_string(laid)});
    EXPECT_EQ(back.args("CMD_yourtiles"), Strings{rack});
    EXPECT_EQ(back.board(), ann.board());

    game.join("Dee"); // seat 4, sitting this round out
    ScriptedTable& spy = game.join("Spy");
    EXPECT_EQ(spy.slot(), 5);
    ASSERT_TRUE(waitFor([&] { return spy.count("CMD_loadboard") == 1; }));
    EXPECT_EQ(spy.count("CMD_loadstats"), 1);
    ASSERT_TRUE(settle(game, spy, "done"));
    EXPECT_EQ(spy.count("CMD_yourtiles"), 0);
}

TEST(ServerTables, WhenTheTurnSeatLeavesTheComputerFinishesItsTurn)
{
    LoopbackGame game;
    ScriptedTable& ann = game.join("Ann");
    ScriptedTable& bob = game.join("Bob");
    ScriptedTable& cy = game.join("Cy");
    ann.send(msg::startgame({"Ann", 500, 60, "t", "f", 14}));
    ASSERT_TRUE(game.allSee("CMD_nextplayer+1+"));
    ann.send(msg::drawcard(1));
    ASSERT_TRUE(game.allSee("CMD_nextplayer+2+"));
    bob.send(msg::placemytile({2, 5, 7, 7}));
    bob.send(msg::placemytile({2, 6, 8, 7}));
    ASSERT_TRUE(waitFor([&] { return ann.count("CMD_placehistile+2+") == 2; }));
    bob.close();
    // Bob's tiles go back, the computer plays seat 2's turn, and seat 3 is next.
    ASSERT_TRUE(waitFor([&] { return cy.count("CMD_nextplayer+3+") == 1; }));
    for (ScriptedTable* t : {&ann, &cy}) {
        EXPECT_EQ(t->count("CMD_playerdisconnected+2+Bob"), 1);
        EXPECT_EQ(t->args("CMD_undothem").at(0).substr(0, 2), "2+");
        EXPECT_TRUE(t->board() == game.host.server().grid());
    }
}

TEST(ServerTables, OnlyTheHostRemovesOthersOrMakesThemWatch)
{
    LoopbackGame game;
    ScriptedTable& ann = game.join("Ann");
    ScriptedTable& bob = game.join("Bob");
    ScriptedTable& cy = game.join("Cy");
    cy.send(msg::kickhim(3, 2));
    cy.send(msg::kickhim(1, 2));
    bob.send(msg::justwatch(3, "2"));
    ASSERT_TRUE(settle(game, cy, "marker"));
    EXPECT_FALSE(bob.closed());
    EXPECT_EQ(ann.count("CMD_justwatching"), 0);

    ann.send(msg::justwatch(3, "2"));
    ASSERT_TRUE(game.allSee("CMD_justwatching+3+2"));
    ann.send(msg::kickhim(1, 3));
    ASSERT_TRUE(waitFor([&] { return cy.closed() && bob.count("CMD_playerdisconnected+3+Cy") == 1; }));
    EXPECT_EQ(ann.count("CMD_playerdisconnected+3+Cy"), 1);
}

TEST(ServerTables, NumbersThatNameSomebodyElseAreIgnored)
{
    LoopbackGame game;
    ScriptedTable& ann = game.join("Ann");
    ScriptedTable& bob = game.join("Bob");
    bob.send(msg::startgame({"Bob", 500, 60, "t", "f", 14}));
    bob.send(msg::chat(1, "I am Ann|clRed"));
    bob.send(msg::logininfo(1, msg::kVersion, "Mallory"));
    ASSERT_TRUE(settle(game, bob, "bob speaks"));
    EXPECT_EQ(ann.count("CMD_startgame"), 0);
    EXPECT_EQ(ann.count("CMD_chat+"), 1);
    EXPECT_EQ(ann.count("CMD_newplayerinfo+1+Mallory"), 0);

    ann.send(msg::startgame({"Ann", 500, 60, "t", "f", 14}));
    ASSERT_TRUE(game.allSee("CMD_nextplayer+1+"));
    bob.send(msg::placemytile({1, 1, 5, 5}));
    bob.send(msg::finish(1));
    bob.send(msg::pause(1, 1));
    bob.send(msg::placemytile({2, 1, 5, 5}));
    ASSERT_TRUE(settle(game, bob, "bob again"));
    for (const char* c : {"CMD_placehistile", "CMD_nextplayer+2", "CMD_gamepause"}) EXPECT_EQ(ann.count(c), 0) << c;
}

namespace {

// The winner every table heard is the one the last round's scores give.
void expectRightfulWinner(LoopbackGame& game, int playto, bool team)
{
    const auto& rounds = game.tables.front()->rounds();
    ASSERT_FALSE(rounds.empty());
    const msg::EndRound& last = rounds.back();
    int best = 0;
    for (int s = 1; s < 4; ++s)
        if (last.seats[s].score > last.seats[best].score) best = s;
    EXPECT_GE(last.seats[best].score, playto);
    for (int s = 0; s < 4; ++s) {
        const bool rival = team ? s % 2 != best % 2 : s != best;
        if (rival) {
            EXPECT_LT(last.seats[s].score, last.seats[best].score);
        }
    }
    // Table n holds seat n under the name "Seat<n>".
    const std::string expected =
        team ? (best % 2 == 0 ? "The Green Team" : "The Brown Team") : "Seat" + std::to_string(best + 1);
    for (const auto& t : game.tables) {
        EXPECT_EQ(t->winner(), expected);
        EXPECT_EQ(t->rounds().size(), rounds.size());
        EXPECT_TRUE(t->board() == game.tables.front()->board());
    }
}

} // namespace

TEST(ServerTables, FourTablesPlayASingleGameToItsWinner)
{
    LoopbackGame game(20261208);
    for (int s = 1; s <= 4; ++s) game.join("Seat" + std::to_string(s), true);
    ScriptedTable& spy = game.join("Spy");
    ASSERT_EQ(spy.slot(), 5);
    // Tables that lay only what their rack holds rarely go out; a low play-to
    // score lets this deal end with the first round.
    const int playto = 20;
    game.tables.front()->send(msg::startgame({"Seat1", playto, 60, "t", "f", 14}));
    ASSERT_TRUE(game.allSee("CMD_winner+", 1, 60000));
    expectRightfulWinner(game, playto, false);
    for (int s = 0; s < 4; ++s) EXPECT_GT(game.tables[s]->turnsPlayed(), 3);
}

TEST(ServerTables, FourTablesPlayATeamGameToItsWinner)
{
    LoopbackGame game(7);
    for (int s = 1; s <= 4; ++s) game.join("Seat" + std::to_string(s), true);
    // Nobody reaches 50 in the first round of this deal: the second round
    // starts on the clock after the pause and decides the game.
    const int playto = 50;
    game.tables.front()->send(msg::startgame({"Seat1", playto, 60, "t", "t", 14}));
    ASSERT_TRUE(game.allSee("CMD_winner+", 1, 60000));
    expectRightfulWinner(game, playto, true);
    EXPECT_EQ(game.tables.front()->rounds().size(), 2u);
    // Partners share one score after every round.
    for (const msg::EndRound& round : game.tables.front()->rounds()) {
        EXPECT_EQ(round.seats[0].score, round.seats[2].score);
        EXPECT_EQ(round.seats[1].score, round.seats[3].score);
    }
}
