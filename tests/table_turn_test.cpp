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
    act(1, ann.t.drawTile()); // the Red 2 comes back, and a tile is drawn
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
    act(1, ann.t.finishTurn()); // Ann goes out; Bob holds 22 points
    // The panel and the log say each seat's result in the same words.
    const std::vector<RoundLine> annSees{{Seat(1), 0, 22, "You: 0 tiles left, +22 points."},
                                         {Seat(2), 10, -22, "Bob: 10 tiles left, -22 points."}};
    const std::vector<RoundLine> bobSees{{Seat(1), 0, 22, "Ann: 0 tiles left, +22 points."},
                                         {Seat(2), 10, -22, "You: 10 tiles left, -22 points."}};
    EXPECT_EQ(ann.t.roundSummary(), annSees);
    EXPECT_EQ(bob.t.roundSummary(), bobSees);
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
    sit(3, "Cy"); // sits this round out
    const TableMirror& bob = table(2).t;
    const TableMirror& cy = table(3).t;
    EXPECT_EQ(cy.status(), "Ann's turn.");
    EXPECT_EQ(cy.turnSeat().number(), 1);
    EXPECT_TRUE(cy.clockRunning());
    EXPECT_EQ(cy.clock().secondsLeft(), 60);
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
    act(11, ann.t.drawTile());
    EXPECT_EQ(server.state().currentseat, Seat(2));
    EXPECT_EQ(table(3).t.status(), "Bob's turn.");
}
