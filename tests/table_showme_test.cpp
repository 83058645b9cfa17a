// Show Me: the hint's play carried out on the board by moves a person could
// make, each one sent as a person's is and taken by the game server, ending
// on the board the hint told of; stopped by a press, a turn's end or a move
// the server never answers, and taken back step by step by Undo.
#include "bot/expertplayer.h"
#include "model/pool.h"
#include "model/setrules.h"
#include "table/placerules.h"
#include "table/showme.h"
#include "table/tablehint.h"
#include "tests/crowdedboard.h"
#include "tests/server_fakehost.h"
#include "tests/tablemirrorfeed.h"
#include "tests/tilecodes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace brixo;
using namespace brixo::test;

namespace {

// Makes the steps on a copy of the board as a person would: each lifts a
// tile that is there (from the rack slot or the cell it names) and puts it
// on an empty cell of the shown board, between neighbours the table lets
// it go beside.
::testing::AssertionResult madeByHand(const BoardGrid& board, const Rack& rack, const ShowMePlan& plan,
                                      const BoardGrid& end)
{
    BoardGrid now = board;
    Rack left = rack;
    for (std::size_t i = 0; i < plan.steps.size(); ++i) {
        const ShowMeStep& s = plan.steps[i];
        BoardGrid lifted = now;
        if (s.kind == ShowMeStep::Kind::Place) {
            if (left.at(s.slot) != s.tile) return ::testing::AssertionFailure() << "step " << i << ": not in the rack";
            left.set(s.slot, Tile());
        } else {
            if (now.at(s.from) != s.tile) return ::testing::AssertionFailure() << "step " << i << ": not on the board";
            lifted.set(s.from, Tile());
        }
        if (s.to.col < 1 || s.to.row < 1 || !s.to.inside() || !lifted.isEmpty(s.to))
            return ::testing::AssertionFailure() << "step " << i << ": onto a full cell or off the board";
        if (!placerules::fitsOrder(lifted, s.to, s.tile))
            return ::testing::AssertionFailure() << "step " << i << ": beside a tile it may not go beside";
        now = lifted;
        now.set(s.to, s.tile);
    }
    if (!(now == end)) return ::testing::AssertionFailure() << "the steps end elsewhere";
    return ::testing::AssertionSuccess();
}

// The layout's own moves, made by hand, would meet a neighbour the table
// refuses.
bool layoutClashes(const BoardGrid& board, const Rack& rack, const Layout& layout)
{
    BoardGrid now = board;
    for (const BoardMove& m : layout.moves) {
        const bool place = m.kind == BoardMove::Kind::Place;
        const Tile tile = place ? rack.at(RackSlot(m.slot)) : now.at(m.from);
        if (!place) now.set(m.from, Tile());
        if (!placerules::fitsOrder(now, m.to, tile)) return true;
        now.set(m.to, tile);
    }
    return false;
}

// The sets of the board before the play that lose a tile to another set.
std::set<int> setsLeft(const BoardGrid& board, const ShowMePlan& plan, bool groupsOnly = false)
{
    std::set<int> sets;
    for (const ShowMeTransfer& t : plan.transfers) {
        if (t.fromRack()) continue;
        int start = t.from.col;
        while (!board.isEmpty(start - 1, t.from.row)) --start;
        int end = t.from.col;
        while (!board.isEmpty(end + 1, t.from.row)) ++end;
        if (!groupsOnly || !checkforsuit(board, t.from.row, start, end)) sets.insert(t.from.row * 100 + start);
    }
    return sets;
}

TEST(ShowMePlan, EveryStepIsAPersonsMoveAndTheLastLeavesTheHintsBoard)
{
    int aside = 0, clashing = 0, rearranged = 0;
    for (int i = 0; i < 160; ++i) {
        SeededRandom random{std::uint64_t(1000 + i)};
        const Crowded p = crowdedPosition(random, 20 + i % 20, 4 + i % 4);
        const ExpertDecision d = expertdecision(p.board, p.rack, true);
        if (!d.play.found) continue;
        const ShowMePlan plan = showmeplan(p.board, p.rack, d.layout);
        ASSERT_TRUE(plan.reached) << "position " << i;
        ASSERT_TRUE(madeByHand(p.board, p.rack, plan, d.layout.board)) << "position " << i;
        const long fromBoard = std::count_if(plan.transfers.begin(), plan.transfers.end(),
                                             [](const ShowMeTransfer& t) { return !t.fromRack(); });
        aside += plan.boardMoves() > fromBoard;
        clashing += layoutClashes(p.board, p.rack, d.layout);
        rearranged += setsLeft(p.board, plan).size() >= 3;
    }
    // Some layouts pass through boards a person could not make; some
    // plays need a tile set aside.
    EXPECT_GT(clashing, 0);
    EXPECT_GT(aside, 0);
    EXPECT_GT(rearranged, 40);
}

// A game on the real server: Ann's table (seat 1) and Bob's (seat 2), each
// hearing exactly what the server sends it, and what they send reaching
// the server. Ann lays the board on her first turn, Bob draws, and it is
// Ann's turn with the rack given.
class HintGame {
public:
    FakeHost host;
    StackedRandom random;
    TServer server{host, random};
    MirrorFeed ann;
    MirrorFeed bob;
    // Ann's next move frames that the server never gets.
    int dropAnnsMoves = 0;

    HintGame(const BoardGrid& board, const Rack& rack)
    {
        ann.t.beginHosting("Ann");
        server.connectionAccepted(1);
        pump();
        bob.t.beginJoining("Bob");
        server.connectionAccepted(2);
        pump();
        std::vector<BoardCell> cells;
        std::vector<int> annDeal;
        std::array<int, kHighestTile + 1> used{};
        for (int row = 0; row < BoardGrid::kRows; ++row)
            for (int col = 0; col < BoardGrid::kColumns; ++col)
                if (!board.isEmpty(col, row)) {
                    cells.push_back({col, row});
                    annDeal.push_back(board.at(col, row));
                }
        for (const RackItem& item : rack.items()) annDeal.push_back(item.tile);
        for (const int t : annDeal) ++used[std::size_t(t)];
        std::vector<int> bobDeal;
        for (int t = kHighestTile - 1; t >= 1 && bobDeal.size() < annDeal.size(); --t)
            for (; used[std::size_t(t)] < 2 && bobDeal.size() < annDeal.size(); ++used[std::size_t(t)])
                bobDeal.push_back(t);
        EXPECT_LE(annDeal.size(), 48u);
        random.stackPool(dealOrder({annDeal, bobDeal}));
        send(1, msg::startgame({"Ann", 500, 60, "t", "f", int(annDeal.size())}));
        for (std::size_t i = 0; i < cells.size(); ++i)
            send(1, msg::placemytile({1, int(i) + 1, cells[i].col, cells[i].row}));
        send(1, msg::finish(1));
        send(2, msg::drawcard(2));
        pump();
        EXPECT_EQ(server.grid(), board);
        EXPECT_TRUE(ann.t.mayPlay());
        EXPECT_TRUE(ann.t.laidDown());
    }

    void send(ConnectionId id, std::string frame)
    {
        frame.pop_back();
        server.message(id, frame);
        pump();
    }
    // Until neither side has anything left to hear.
    void pump()
    {
        for (bool more = true; more;) {
            more = false;
            for (const ConnectionId id : {1, 2}) {
                MirrorFeed& table = id == 1 ? ann : bob;
                const std::vector<std::string>& lines = host.sent[id];
                for (std::size_t& n = heard[id]; n < lines.size(); more = true) table.take(table.t.receive(lines[n++]));
                for (std::size_t& n = forwarded[id]; n < table.sent.size(); more = true) {
                    const std::string& frame = table.sent[n++];
                    const bool move = frame.rfind("CMD_placemytile", 0) == 0 || frame.rfind("CMD_swaptiles", 0) == 0;
                    if (id == 1 && move && dropAnnsMoves > 0) {
                        --dropAnnsMoves;
                        continue;
                    }
                    server.message(id, std::string_view(frame).substr(0, frame.size() - 1));
                }
            }
        }
    }
    void act(MirrorFeed& table, const TableUpdate& update)
    {
        table.take(update);
        pump();
    }
    // Board tiles, rack tiles and the tiles left in the pool.
    int tilesInPlay() const
    {
        int total = server.grid().tileCount() + server.pool().tilesLeft();
        for (const Seat s : Seat::all()) total += server.rack(s).tilecount();
        return total;
    }
    // Show Me's calls at the window's pace until it stops, the server
    // answering each at once: every move is taken as soon as it is made.
    void runShowMe(bool answered = true)
    {
        act(ann, ann.t.showMe());
        for (int calls = 0; ann.t.showingMe() && calls < 1000; ++calls) {
            act(ann, ann.t.showMeNext());
            if (answered) {
                EXPECT_TRUE(ann.t.pending().empty());
            }
            EXPECT_EQ(tilesInPlay(), Pool::kSize);
        }
        EXPECT_FALSE(ann.t.showingMe());
    }
    int movesSent() const
    {
        return int(std::count_if(ann.sent.begin(), ann.sent.end(), [](const std::string& f) {
            return f.rfind("CMD_placemytile", 0) == 0 || f.rfind("CMD_swaptiles", 0) == 0;
        }));
    }

private:
    std::size_t heard[3]{};
    std::size_t forwarded[3]{};
};

BoardGrid boardOf(const std::vector<std::pair<BoardCell, std::vector<int>>>& sets)
{
    BoardGrid board;
    for (const auto& [at, tiles] : sets)
        for (std::size_t i = 0; i < tiles.size(); ++i) board.set(at.right(int(i)), Tile(tiles[i]));
    return board;
}

Rack rackOf(const std::vector<int>& tiles)
{
    Rack rack;
    for (std::size_t i = 0; i < tiles.size(); ++i) rack.set(int(i) + 1, tiles[i]);
    return rack;
}

// The Red 7 leaves the group of four for the Red 5 and 6.
const BoardGrid kFourSevens = boardOf({{{3, 2}, {green(7), orange(7), red(7), black(7)}},
                                       {{9, 6}, {black(1), black(2), black(3)}}});
const Rack kRedFiveSix = rackOf({red(5), red(6), orange(2)});

} // namespace

TEST(ShowMeAtTheServer, LaysRearrangementsMoveByMoveAndTheServerTakesEach)
{
    struct Position {
        BoardGrid board;
        Rack rack;
        int setsLeft; // at least this many sets of the board lose a tile
        int groupsLeft;
    };
    std::vector<Position> positions{{kFourSevens, kRedFiveSix, 1, 1}};
    // Crowded boards: on the first the play takes tiles out of six sets
    // and sets one aside; on the second out of six, two of them groups; on
    // the third a rack of 14 lays 11 tiles, taking from five sets.
    for (const auto& [seed, tiles, racked, sets, groups] :
         std::vector<std::array<int, 5>>{{117, 32, 5, 6, 1}, {73, 33, 5, 6, 2}, {48, 20, 14, 5, 3}}) {
        SeededRandom random{std::uint64_t(seed)};
        const Crowded p = crowdedPosition(random, tiles, racked);
        positions.push_back({p.board, p.rack, sets, groups});
    }
    for (std::size_t i = 0; i < positions.size(); ++i) {
        SCOPED_TRACE("position " + std::to_string(i));
        const Position& p = positions[i];
        HintGame game(p.board, p.rack);
        const TableHint hint = tablehint(game.ann.t);
        ASSERT_TRUE(hint.plan.reached);
        EXPECT_GE(int(setsLeft(p.board, hint.plan).size()), p.setsLeft);
        EXPECT_GE(int(setsLeft(p.board, hint.plan, true).size()), p.groupsLeft);

        game.runShowMe();
        EXPECT_TRUE(game.ann.said(
            "Show Me is done: Finish to play it, or Undo to take it back a move at a time, or Clear."));
        EXPECT_EQ(game.movesSent(), int(hint.plan.steps.size()));
        EXPECT_EQ(game.server.grid(), hint.board);
        EXPECT_EQ(game.ann.t.board(), hint.board);
        for (const RackSlot slot : hint.rackSlots) EXPECT_EQ(game.server.rack(Seat(1)).at(slot), Tile());
        EXPECT_TRUE(game.ann.t.controls().finish);

        game.act(game.ann, game.ann.t.finishTurn());
        EXPECT_EQ(game.server.state().currentseat, Seat(2));
        EXPECT_EQ(game.server.snapshot(), hint.board);
    }
}

TEST(ShowMeAtTheServer, APressStopsItAndUndoTakesItBackStepByStep)
{
    HintGame game(kFourSevens, kRedFiveSix);
    MirrorFeed& ann = game.ann;
    const TableHint hint = tablehint(ann.t);
    ASSERT_GE(hint.plan.steps.size(), 3u);

    // One step made, the next one's tile in the hand: a press on the board
    // only stops the run, and the tile goes back.
    game.act(ann, ann.t.showMe());
    EXPECT_TRUE(ann.said(hint.text));
    game.act(ann, ann.t.showMeNext());
    ASSERT_TRUE(ann.t.showMeInHand());
    EXPECT_EQ(*ann.t.showMeInHand(), hint.plan.steps[0]);
    game.act(ann, ann.t.showMeNext());
    game.act(ann, ann.t.showMeNext());
    ASSERT_FALSE(ann.t.hand().empty());
    const std::size_t sent = ann.sent.size();
    game.act(ann, ann.t.pressBoard(Press::Left, {20, 11}));
    EXPECT_FALSE(ann.t.showingMe());
    EXPECT_TRUE(ann.t.hand().empty());
    EXPECT_EQ(ann.sent.size(), sent);
    const bool laidOne = hint.plan.steps[0].kind == ShowMeStep::Kind::Place;
    EXPECT_EQ(game.server.grid().tileCount(), kFourSevens.tileCount() + (laidOne ? 1 : 0));
    game.act(ann, ann.t.showMeNext());
    EXPECT_EQ(ann.sent.size(), sent);

    // Played through, then taken back one move per Undo.
    game.act(ann, ann.t.clearTurn());
    ASSERT_EQ(game.server.grid(), kFourSevens);
    const std::vector<RackItem> rack = game.server.rack(Seat(1)).items();
    game.runShowMe();
    ASSERT_EQ(game.server.grid(), hint.board);
    std::size_t undos = 0;
    for (; ann.t.mayUndo() && undos < 20; ++undos) {
        const std::size_t before = ann.sent.size();
        game.act(ann, ann.t.undoLastMove());
        EXPECT_EQ(ann.sent.size(), before + 1);
        EXPECT_EQ(ann.t.board(), game.server.grid());
    }
    EXPECT_EQ(undos, hint.plan.steps.size());
    EXPECT_EQ(game.server.grid(), kFourSevens);
    EXPECT_EQ(game.server.rack(Seat(1)).items(), rack);
}

TEST(ShowMeAtTheServer, StopsWhenAMoveGoesUnansweredOrTheTurnEnds)
{
    {
        // The server never hears of the first move, so never answers it.
        HintGame game(kFourSevens, kRedFiveSix);
        game.dropAnnsMoves = 1;
        game.runShowMe(false);
        EXPECT_TRUE(game.ann.said("Show Me stopped. The server has not answered a move."));
        EXPECT_EQ(game.server.grid(), kFourSevens);
        EXPECT_EQ(game.movesSent(), 1);
    }
    {
        HintGame game(kFourSevens, kRedFiveSix);
        MirrorFeed& ann = game.ann;
        game.act(ann, ann.t.showMe());
        game.act(ann, ann.t.showMeNext());
        game.act(ann, ann.t.showMeNext());
        game.act(ann, ann.t.showMeNext());
        for (int i = 0; i < 70 && game.server.state().currentseat == Seat(1); ++i) {
            game.server.timer1Timer();
            game.pump();
        }
        ASSERT_EQ(game.server.state().currentseat, Seat(2));
        EXPECT_FALSE(ann.t.showingMe());
        EXPECT_TRUE(ann.t.hand().empty());
        const std::size_t sent = ann.sent.size();
        game.act(ann, ann.t.showMeNext());
        EXPECT_EQ(ann.sent.size(), sent);
        EXPECT_EQ(game.server.grid(), kFourSevens);
    }
}
