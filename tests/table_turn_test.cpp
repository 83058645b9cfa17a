// Tables playing whole turns against the game server: each table's state
// hears exactly what the server sends it, and what a table sends reaches
// the server, so a table's view can be checked against the server's own.
#include "table/seatwords.h"
#include "tests/server_fakehost.h"
#include "tests/tablemirrorfeed.h"
#include "tests/tilecodes.h"

#include <map>

using namespace brixo;
using namespace brixo::test;

namespace {

// Seat 1's rack: Red 2 3 4, Red 10 Jack Queen, Green/Orange/Black 7, wild.
const std::vector<int> kSeat1{red(2), red(3), red(4), red(10), red(11), red(12), green(7), orange(7), black(7), W};
const std::vector<int> kSeat2{green(1), green(2), green(3), orange(1), orange(2), orange(3),
                              black(1), black(2), black(3), black(4)};
// The first tiles the pool gives after the deal.
const std::vector<int> kDraws{green(9), orange(9), black(9), red(9), green(10)};

class TableTurn : public ServerFixture {
protected:
    // Tables by connection; connection n takes slot n.
    std::map<ConnectionId, MirrorFeed> tables;
    std::map<ConnectionId, std::size_t> heard;
    std::map<ConnectionId, std::size_t> forwarded;

    // `key`: the seat key of an earlier table of the player.
    void sit(ConnectionId id, const std::string& name, const std::string& key = {})
    {
        MirrorFeed& table = tables[id];
        if (id == 1) table.t.beginHosting(name);
        else table.t.beginJoining(name);
        table.t.setSeatKey(key);
        server.connectionAccepted(id);
        pump();
    }
    // Two tables, seat 1's turn with the racks above.
    void startTwo()
    {
        sit(1, "Ann");
        sit(2, "Bob");
        random.stackPool(dealOrder({kSeat1, kSeat2}, kDraws));
        startgame(500, 60, true, false, 10);
        pump();
    }
    // Until neither side has anything left to hear.
    void pump()
    {
        for (bool more = true; more;) {
            more = false;
            for (auto& [id, table] : tables) {
                const std::vector<std::string>& lines = host.sent[id];
                for (std::size_t& n = heard[id]; n < lines.size(); more = true) table.take(table.t.receive(lines[n++]));
                for (std::size_t& n = forwarded[id]; n < table.sent.size(); more = true) send(id, table.sent[n++]);
            }
        }
    }
    MirrorFeed& table(ConnectionId id) { return tables.at(id); }
    void act(ConnectionId id, const TableUpdate& update)
    {
        table(id).take(update);
        pump();
    }
    // Picks the rack tile of a slot and puts it on a cell.
    void lay(ConnectionId id, int slot, int col, int row)
    {
        table(id).card(slot);
        table(id).board(col, row);
        pump();
    }
    // The slot of the first rack tile with this code.
    int slotOf(ConnectionId id, int code)
    {
        for (const RackItem& item : table(id).t.rack().items())
            if (item.tile == code && !table(id).t.awaitingFree(RackSlot(item.slot))) return item.slot;
        return 0;
    }
};

} // namespace

TEST_F(TableTurn, TheFirstLayDownIsCountedAsTheServerCountsIt)
{
    startTwo();
    MirrorFeed& ann = table(1);
    EXPECT_EQ(ann.t.layDownPoints(), 0);
    EXPECT_EQ(table(2).t.layDownPoints(), std::nullopt); // not Bob's turn

    lay(1, slotOf(1, red(2)), 3, 2);
    lay(1, slotOf(1, red(3)), 4, 2);
    lay(1, slotOf(1, red(4)), 5, 2);
    lay(1, slotOf(1, W), 6, 2);
    EXPECT_EQ(ann.t.layDownPoints(), 39); // the wild tile counts 30
    ann.board(6, 2, Press::Right);        // the wild tile back to the rack
    pump();
    EXPECT_EQ(ann.t.layDownPoints(), 9);
    EXPECT_EQ(seatwords::layDownProgress(*ann.t.layDownPoints()), "9 of 30");
    act(1, ann.t.finishTurn());
    EXPECT_EQ(ann.t.status(), "Your first lay down must equal at least 30 points");

    act(1, ann.t.keepEditing());
    lay(1, slotOf(1, red(10)), 3, 4);
    lay(1, slotOf(1, red(11)), 4, 4);
    EXPECT_EQ(ann.t.layDownPoints(), 30);
    lay(1, slotOf(1, red(12)), 5, 4);
    act(1, ann.t.finishTurn());
    EXPECT_EQ(server.state().currentseat, Seat(2)); // the server took the 42 points
    EXPECT_TRUE(ann.t.laidDown());
    EXPECT_EQ(ann.t.layDownPoints(), std::nullopt);
}

TEST_F(TableTurn, EveryPlayAndDrawIsLoggedAtEveryTable)
{
    startTwo();
    MirrorFeed& ann = table(1);
    MirrorFeed& bob = table(2);
    lay(1, slotOf(1, red(2)), 3, 2);
    EXPECT_EQ(ann.t.lastAction(), "You played a Red 2.");
    EXPECT_EQ(bob.t.lastAction(), "Ann played a Red 2.");
    // With a tile laid, a draw (the D key) says why it does not draw.
    ann.forget();
    forwarded[1] = 0;
    act(1, ann.t.drawTile());
    EXPECT_TRUE(ann.said("You cannot draw with tiles laid this turn. Finish, or Clear them back to your rack first."));
    EXPECT_EQ(ann.sounds, std::vector<std::string>{"nocando"});
    EXPECT_EQ(server.state().currentseat, Seat(1));
    act(1, ann.t.clearTurn()); // the Red 2 comes back
    act(1, ann.t.drawTile());
    EXPECT_TRUE(ann.logged("You cleared tiles."));
    EXPECT_EQ(ann.t.lastAction(), "You drew a tile.");
    EXPECT_EQ(bob.t.lastAction(), "Ann drew a tile.");
    EXPECT_TRUE(ann.logged("You played a Red 2.") && bob.logged("Ann cleared tiles."));
    // The drawn tile is known by its slot, the Red 2 that came back is not.
    ASSERT_EQ(ann.t.justDrawn().size(), 1u);
    EXPECT_EQ(ann.t.rack().at(ann.t.justDrawn()[0]).code(), kDraws[0]);

    act(2, bob.t.drawTile());
    EXPECT_EQ(ann.t.lastAction(), "Bob drew a tile.");
    EXPECT_EQ(ann.t.justDrawn().size(), 1u); // still marked through Ann's next turn

    // Ann lays down enough but leaves a lone tile, is asked, and takes the
    // penalty.
    for (int code : {red(10), red(11), red(12)}) lay(1, slotOf(1, code), 2 + code - red(10), 4);
    lay(1, slotOf(1, red(2)), 10, 10);
    act(1, ann.t.finishTurn());
    ASSERT_TRUE(ann.t.controls().penaltyPanel);
    act(1, ann.t.acceptPenalty());
    EXPECT_EQ(ann.t.lastAction(), "You drew 3 tiles (penalty).");
    EXPECT_EQ(bob.t.lastAction(), "Ann drew 3 tiles (penalty).");
    EXPECT_EQ(std::count(bob.t.log().begin(), bob.t.log().end(), "Ann drew 3 tiles (penalty)."), 1);
    EXPECT_EQ(seat(1).tilecount(), 14);
    std::vector<int> drawn;
    for (const RackSlot slot : ann.t.justDrawn()) drawn.push_back(ann.t.rack().at(slot).code());
    EXPECT_EQ(drawn, (std::vector<int>{kDraws[2], kDraws[3], kDraws[4]}));
}

TEST_F(TableTurn, ARoundEndsWithEachSeatsResultAndTheNextStartsClean)
{
    startTwo();
    MirrorFeed& ann = table(1);
    MirrorFeed& bob = table(2);
    int col = 1;
    for (int code : kSeat1) {
        if (code == green(7) || code == red(10)) ++col; // a gap before each new set
        lay(1, slotOf(1, code), col++, 3);
    }
    const auto roundOver = host.sent[2].size();
    act(1, ann.t.finishTurn()); // Ann goes out; Bob holds 22 points
    // The panel and the log say each seat's result in the same words, and
    // the panel shows the tiles each held, in the order the rack sorts.
    std::vector<Tile> bobsTiles;
    for (int code : {green(1), orange(1), black(1), green(2), orange(2), black(2), green(3), orange(3), black(3),
                     black(4)})
        bobsTiles.emplace_back(code);
    const std::vector<RoundLine> annSees{{Seat(1), 0, 22, "You: 0 tiles left, +22 points.", {}},
                                         {Seat(2), 10, -22, "Bob: 10 tiles left, -22 points.", bobsTiles}};
    const std::vector<RoundLine> bobSees{{Seat(1), 0, 22, "Ann: 0 tiles left, +22 points.", {}},
                                         {Seat(2), 10, -22, "You: 10 tiles left, -22 points.", bobsTiles}};
    EXPECT_EQ(ann.t.roundSummary(), annSees);
    EXPECT_EQ(bob.t.roundSummary(), bobSees);
    // The racks are told only once the round is over.
    std::vector<std::string> told;
    for (std::size_t n = roundOver; n < host.sent[2].size(); ++n)
        told.push_back(host.sent[2][n].substr(0, host.sent[2][n].find('+')));
    const auto over = std::find(told.begin(), told.end(), "CMD_endround");
    EXPECT_EQ(std::count(told.begin(), over, "CMD_roundrack"), 0);
    EXPECT_EQ(std::count(over, told.end(), "CMD_roundrack"), 2);
    for (const RoundLine& line : bobSees) EXPECT_TRUE(bob.logged(line.text)) << line.text;
    EXPECT_EQ(bob.t.status(), "Ann is out of tiles! The Round is Over.");
    sit(3, "Cy"); // between rounds no turn runs
    EXPECT_EQ(table(3).t.turnSeat().number(), 0);
    EXPECT_FALSE(table(3).t.clockRunning());
    for (const std::string& line : bob.t.log()) EXPECT_EQ(line.find(" drew "), std::string::npos) << line;

    ticks(20); // the pause between rounds
    pump();
    EXPECT_TRUE(bob.t.roundSummary().empty());
    EXPECT_EQ(bob.t.lastAction(), "");
    EXPECT_EQ(bob.t.status(), "Your Turn.");
}

TEST_F(TableTurn, UndoTakesBackOneStepAtATimeAsThePressesWould)
{
    using placerules::Completion;
    startTwo();
    MirrorFeed& ann = table(1);
    // First turn: Red 10 Jack Queen by one Shift press, the 7s by one Ctrl press.
    ann.card(slotOf(1, red(10)), Completion::Run);
    ann.board(2, 4);
    ann.card(slotOf(1, green(7)), Completion::Group);
    ann.board(2, 6);
    pump();
    act(1, ann.t.finishTurn());
    ASSERT_TRUE(ann.t.laidDown());
    act(2, table(2).t.drawTile());
    const BoardGrid before = server.grid();
    const std::vector<RackItem> rack = server.rack(Seat(1)).items();

    ann.board(4, 4); // the Queen, on the board before this turn, moves
    ann.board(8, 8);
    ann.card(slotOf(1, red(2)), Completion::Run);
    ann.board(2, 10);
    lay(1, slotOf(1, W), 12, 8);
    ASSERT_EQ(server.grid().tileCount(), before.tileCount() + 4);
    EXPECT_TRUE(ann.t.mayUndo());

    const auto undo = [&] {
        ann.forget();
        forwarded[1] = 0;
        act(1, ann.t.undoLastMove());
        EXPECT_EQ(ann.t.board(), server.grid());
        EXPECT_EQ(tilesInPlay(), Pool::kSize);
        return ann.sent.size();
    };
    EXPECT_EQ(undo(), 1u); // the wild tile back to the rack
    EXPECT_EQ(server.grid().at(12, 8), kNoTile);
    EXPECT_EQ(undo(), 3u); // the Red 2, 3 and 4 laid by one press
    EXPECT_EQ(server.grid().at(2, 10), kNoTile);
    EXPECT_EQ(undo(), 1u); // the Queen back to its cell
    EXPECT_EQ(server.grid(), before);
    EXPECT_EQ(server.rack(Seat(1)).items(), rack);
    EXPECT_EQ(ann.t.rack().items(), rack);
    EXPECT_FALSE(ann.t.mayUndo());
    EXPECT_EQ(undo(), 0u); // nothing left to take back

    // A tile in the hand only goes back; a tile taken back by hand is passed by.
    ann.card(slotOf(1, red(2)));
    EXPECT_EQ(undo(), 0u);
    EXPECT_TRUE(ann.t.hand().empty());
    ann.board(2, 4);
    ann.board(2, 8);
    lay(1, slotOf(1, red(2)), 6, 8);
    ann.board(6, 8, Press::Right);
    pump();
    EXPECT_EQ(undo(), 1u); // the Red 10 back
    EXPECT_EQ(server.grid(), before);
}

TEST_F(TableTurn, ALateJoinerShowsTheTurnAndItsTimeAsTheOthersDo)
{
    startTwo();
    lay(1, slotOf(1, red(2)), 3, 2);
    // 25 seconds of the turn go by on the server's clock and on Bob's.
    ticks(25);
    for (int n = 0; n < 25; ++n) table(2).take(table(2).t.clockTick());
    sit(3, "Cy"); // sits this round out
    const TableMirror& bob = table(2).t;
    const TableMirror& cy = table(3).t;
    EXPECT_EQ(cy.status(), "Ann's turn.");
    EXPECT_EQ(cy.turnSeat().number(), 1);
    EXPECT_TRUE(cy.clockRunning());
    EXPECT_EQ(bob.clock().secondsLeft(), 35);
    EXPECT_EQ(cy.clock().secondsLeft(), 35);
    EXPECT_EQ(cy.clock().barWidth(), bob.clock().barWidth());
    for (int n = 0; n < 5; ++n) {
        table(2).take(table(2).t.clockTick());
        table(3).take(table(3).t.clockTick());
    }
    EXPECT_EQ(cy.clock().secondsLeft(), bob.clock().secondsLeft());
    EXPECT_EQ(cy.options().turntime, bob.options().turntime);
    EXPECT_EQ(cy.tilesLeft(), bob.tilesLeft());
    EXPECT_EQ(cy.board(), bob.board());
    EXPECT_TRUE(cy.waitingForRound());
    EXPECT_EQ(cy.seatName(Seat(2)), "Bob");

    // Ann leaves in her turn, which the computer does not take for seat 1,
    // and comes back to it with the key her table was given.
    server.connectionClosed(1);
    sit(11, "Ann", table(1).t.seatKey());
    MirrorFeed& ann = table(11);
    ASSERT_EQ(ann.t.mySeat().number(), 1);
    EXPECT_EQ(ann.t.status(), "Your Turn.");
    EXPECT_TRUE(ann.t.controls().draw);
    EXPECT_EQ(ann.t.clock().secondsLeft(), 35);
    // Once the turn's time is out, a table arriving in the last seconds
    // before the time-out sees none left.
    ticks(35 + TServer::kTurnGraceSeconds);
    sit(12, "Dee");
    EXPECT_EQ(table(12).t.turnSeat().number(), 1);
    EXPECT_EQ(table(12).t.clock().secondsLeft(), 0);
    act(11, ann.t.clearTurn());
    act(11, ann.t.drawTile());
    EXPECT_EQ(server.state().currentseat, Seat(2));
    EXPECT_EQ(table(3).t.status(), "Bob's turn.");
}

TEST_F(TableTurn, ATileDroppedOnASetGoesIntoItThroughMovesTheServerAccepts)
{
    using setinsertion::Side;
    startTwo();
    MirrorFeed& ann = table(1);
    const auto same = [&] {
        EXPECT_EQ(ann.t.board(), server.grid());
        EXPECT_TRUE(ann.t.pending().empty());
        EXPECT_EQ(tilesInPlay(), Pool::kSize);
    };
    // Red 2 and Red 4; the Red 3 dropped before the 4 goes between them,
    // the 4 moving along.
    lay(1, slotOf(1, red(2)), 3, 2);
    lay(1, slotOf(1, red(4)), 4, 2);
    ann.forget();
    forwarded[1] = 0;
    const int three = slotOf(1, red(3));
    ann.card(three);
    ann.onto(4, 2, Side::Before);
    pump();
    EXPECT_EQ(ann.sent, (std::vector<std::string>{msg::swaptilesRequest({1, 5, 2, 4, 2}),
                                                  msg::placemytile({1, three, 4, 2})}));
    EXPECT_EQ(server.grid().at(4, 2), red(3));
    EXPECT_EQ(server.grid().at(5, 2), red(4));
    same();

    // Green and Black 7 against the right edge: the Orange 7 goes between
    // them, the Green moving left.
    lay(1, slotOf(1, green(7)), 21, 6);
    lay(1, slotOf(1, black(7)), 22, 6);
    ann.card(slotOf(1, orange(7)));
    ann.onto(22, 6, Side::Before);
    pump();
    EXPECT_EQ(server.grid().at(20, 6), green(7));
    EXPECT_EQ(server.grid().at(21, 6), orange(7));
    EXPECT_EQ(server.grid().at(22, 6), black(7));
    same();

    // The Black 7, lifted and dropped before the Green, by way of a spare
    // cell; Undo takes the whole press back.
    ann.board(22, 6);
    ann.onto(20, 6, Side::Before);
    pump();
    EXPECT_EQ(server.grid().at(19, 6), black(7));
    EXPECT_EQ(server.grid().at(22, 6), kNoTile);
    same();
    act(1, ann.t.undoLastMove());
    EXPECT_EQ(server.grid().at(22, 6), black(7));
    same();

    // A set with no room beside it refuses, says why, and nothing is sent.
    lay(1, slotOf(1, red(10)), 1, 9);
    lay(1, slotOf(1, red(11)), 2, 9);
    lay(1, slotOf(1, red(12)), 4, 9);
    ann.forget();
    forwarded[1] = 0;
    ann.card(slotOf(1, W));
    ann.onto(2, 9, Side::Before);
    EXPECT_EQ(ann.t.refusal(), "There is no room beside that set to make space in it.");
    EXPECT_TRUE(ann.sent.empty());
    EXPECT_TRUE(ann.t.hand().holdsRackTile());

    // Undo takes back a rack tile put in and the moves that made its room.
    act(1, ann.t.putBack());
    act(1, ann.t.undoLastMove()); // the Red Queen
    act(1, ann.t.undoLastMove()); // the Red Jack
    act(1, ann.t.undoLastMove()); // the Red 10
    act(1, ann.t.undoLastMove()); // the Black 7's put-down
    act(1, ann.t.undoLastMove()); // the Orange 7 and the Green's move
    EXPECT_EQ(server.grid().at(21, 6), green(7));
    EXPECT_EQ(server.grid().at(20, 6), kNoTile);
    same();
}
