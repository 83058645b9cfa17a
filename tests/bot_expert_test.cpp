// The Expert computer player: where its sets go on the board, that every
// move it makes is legal when made, and whole turns against the server.
// The Master, which builds on it: legal turns, the same turn for the same
// position, and no look at racks a person at its seat could not see.
#include "bot/expertplayer.h"
#include "bot/lookahead.h"
#include "bot/masterplayer.h"
#include "model/randomsource.h"
#include "model/setrules.h"
#include "tests/crowdedboard.h"
#include "tests/server_fakehost.h"
#include "tests/support/selfplaygame.h"
#include "tests/tilecodes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

using namespace brixo;
using namespace brixo::test;

namespace {

using Tiles = std::vector<int>;

void put(BoardGrid& board, int col, int row, const Tiles& tiles)
{
    for (const int t : tiles) board.set(col++, row, t);
}

Rack rackOf(const Tiles& tiles)
{
    Rack rack;
    int slot = 1;
    for (const int t : tiles) rack.set(slot++, t);
    return rack;
}

// Plays the moves on a copy of the board: each must go to an empty cell
// (from a full one, or from a rack slot that still holds its tile), and
// the board must end as the layout says and hold only valid sets.
::testing::AssertionResult playsThrough(const BoardGrid& board, const Rack& rack, const Layout& layout)
{
    if (!layout.reached) return ::testing::AssertionFailure() << "no layout";
    BoardGrid now = board;
    Rack left = rack;
    for (const BoardMove& m : layout.moves) {
        if (!now.isEmpty(m.to.col, m.to.row) || !BoardGrid::inside(m.to.col, m.to.row))
            return ::testing::AssertionFailure() << "a move onto a full cell";
        if (m.kind == BoardMove::Kind::Place) {
            if (left.at(m.slot) == kNoTile) return ::testing::AssertionFailure() << "an empty rack slot";
            now.set(m.to.col, m.to.row, left.at(m.slot));
            left.set(m.slot, kNoTile);
        } else {
            if (now.isEmpty(m.from.col, m.from.row)) return ::testing::AssertionFailure() << "a move from nothing";
            now.set(m.to.col, m.to.row, now.at(m.from.col, m.from.row));
            now.set(m.from.col, m.from.row, kNoTile);
        }
    }
    if (!(now == layout.board)) return ::testing::AssertionFailure() << "the moves end elsewhere";
    if (!boardok(now)) return ::testing::AssertionFailure() << "the board ends invalid";
    for (int col = 0; col < BoardGrid::kColumns; ++col)
        for (int row = 0; row < BoardGrid::kRows; ++row)
            if (!now.isEmpty(col, row) && (col == 0 || row == 0) && board.at(col, row) != now.at(col, row))
                return ::testing::AssertionFailure() << "a tile put outside the shown area";
    return ::testing::AssertionSuccess();
}

int shifts(const Layout& layout)
{
    return int(std::count_if(layout.moves.begin(), layout.moves.end(),
                             [](const BoardMove& m) { return m.kind == BoardMove::Kind::Shift; }));
}

} // namespace

TEST(ExpertLayout, SetsThatStayLieStillAndNewTilesJoinInPlace)
{
    BoardGrid board;
    put(board, 1, 2, {red(1), red(2), red(3)});
    put(board, 5, 5, {green(7), orange(7), black(7)});
    put(board, 10, 5, {green(11), green(12), green(13)});
    const Rack rack = rackOf({red(4), red(7), black(1)});
    const ExpertDecision d = expertdecision(board, rack, true);
    ASSERT_TRUE(d.play.found);
    EXPECT_EQ(d.play.value, 11);
    EXPECT_TRUE(playsThrough(board, rack, d.layout));
    EXPECT_EQ(shifts(d.layout), 0);
    EXPECT_EQ(d.layout.moves.size(), 2u);
    EXPECT_EQ(d.layout.board.at(4, 2), red(4));
    for (int col = 10; col <= 12; ++col) EXPECT_EQ(d.layout.board.at(col, 5), board.at(col, 5));
}

// The run cannot grow where it lies: the cheaper of the two sets moves.
TEST(ExpertLayout, MovesTheSmallerSetWhenThereIsNoRoomToGrow)
{
    BoardGrid board;
    put(board, 3, 3, {red(4), red(5), red(6)});
    put(board, 7, 3, {green(9), orange(9), red(9), black(9)});
    const Rack rack = rackOf({red(7)});
    const ExpertDecision d = expertdecision(board, rack, true);
    ASSERT_TRUE(d.play.found);
    EXPECT_TRUE(playsThrough(board, rack, d.layout));
    EXPECT_EQ(shifts(d.layout), 3);
    for (int col = 7; col <= 10; ++col) EXPECT_EQ(d.layout.board.at(col, 3), board.at(col, 3));
}

TEST(ExpertLayout, EveryMoveIsLegalOnCrowdedBoards)
{
    SeededRandom random(77);
    int moved = 0;
    for (int i = 0; i < 60; ++i) {
        const Crowded p = crowdedPosition(random, 40 + i);
        const ExpertDecision d = expertdecision(p.board, p.rack, true);
        if (!d.play.found) continue;
        ASSERT_TRUE(playsThrough(p.board, p.rack, d.layout)) << "position " << i;
        moved += shifts(d.layout) > 0;
    }
    EXPECT_GT(moved, 20);
}

using ExpertTurn = ServerFixture;

// Ann lays a run and a group of four; the Expert's first lay-down takes
// the red 7 from the group for a run of its own, adds the King to Ann's
// run and lays a run of black: 63 points, every move accepted.
TEST_F(ExpertTurn, RearrangesTheBoardThroughTheServersMoves)
{
    join(1, "Ann"); // seat 2 is the computer's
    host.level = BotLevel::Expert;
    const Tiles ann{red(10), red(11), red(12), green(7), orange(7), red(7), black(7), green(2), green(3), orange(5)};
    const Tiles expert{red(8), red(9), red(13), black(10), black(11), black(12), green(1), orange(3), black(5),
                       green(11)};
    random.stackPool(dealOrder({ann, expert}));
    startgame(500, 60, true, false, 10);
    lay(1, 1, {1, 2, 3}, 2);
    lay(1, 1, {4, 5, 6, 7}, 4);
    send(1, msg::finish(1));
    ASSERT_EQ(server.state().currentseat, Seat(2));
    forget();

    server.computertimerTimer();
    EXPECT_EQ(args(1, "CMD_placehistile").size(), 6u);
    EXPECT_GE(args(1, "CMD_swaptiles").size(), 1u);
    ASSERT_EQ(args(1, "CMD_movedtiles").size(), 1u);
    EXPECT_EQ(seat(2).laiddown, 63);
    EXPECT_TRUE(boardok(server.grid()));
    EXPECT_EQ(server.snapshot(), server.grid());
    Tiles left;
    for (const RackItem& item : seat(2).rack.items()) left.push_back(item.tile);
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (Tiles{green(1), green(11), orange(3), black(5)}));
    EXPECT_EQ(server.state().currentseat, Seat(1));
}

TEST_F(ExpertTurn, DrawsWhenNothingIsWorthThirty)
{
    join(1, "Ann");
    host.level = BotLevel::Expert;
    const Tiles ann{red(10), red(11), red(12), green(7), orange(7), red(7), black(7), green(2), green(3), orange(5)};
    const Tiles expert{green(2), green(3), green(4), green(5), orange(5), red(5), black(5), black(1), orange(9),
                       red(13)};
    random.stackPool(dealOrder({ann, expert}, {orange(1), orange(2)}));
    startgame(500, 60, true, false, 10);
    send(1, msg::drawcard(1));
    forget();
    server.computertimerTimer();
    EXPECT_TRUE(args(1, "CMD_placehistile").empty());
    EXPECT_EQ(seat(2).tilecount(), 11);
    EXPECT_EQ(server.state().currentseat, Seat(1));
}

using MasterTurn = ServerFixture;

// The Master's first lay-down rearranges Ann's board like the Expert's;
// whatever it chooses, the server accepts it and the turn passes.
TEST_F(MasterTurn, PlaysALegalTurnThroughTheServersMoves)
{
    join(1, "Ann"); // seat 2 is the computer's
    host.level = BotLevel::Master;
    const Tiles ann{red(10), red(11), red(12), green(7), orange(7), red(7), black(7), green(2), green(3), orange(5)};
    const Tiles master{red(8), red(9), red(13), black(10), black(11), black(12), green(1), orange(3), kWildTile,
                       green(11)};
    random.stackPool(dealOrder({ann, master}, {orange(1), orange(2)}));
    startgame(500, 60, true, false, 10);
    lay(1, 1, {1, 2, 3}, 2);
    lay(1, 1, {4, 5, 6, 7}, 4);
    send(1, msg::finish(1));
    ASSERT_EQ(server.state().currentseat, Seat(2));
    const int before = tilesInPlay();
    forget();

    server.computertimerTimer();
    EXPECT_TRUE(boardok(server.grid()));
    EXPECT_EQ(server.snapshot(), server.grid());
    EXPECT_EQ(tilesInPlay(), before);
    EXPECT_EQ(server.state().currentseat, Seat(1));
    const bool laid = !args(1, "CMD_movedtiles").empty();
    EXPECT_EQ(laid, seat(2).laiddown >= kFirstLayDown);
    EXPECT_EQ(seat(2).tilecount(), laid ? 10 - int(args(1, "CMD_placehistile").size()) : 11);
}

namespace {

// What a seat's player could see and more: a board and four racks, no
// moves. Enough to build the Master's view.
class RacksTable final : public BotTable {
public:
    const BoardGrid& grid() const override { return board; }
    const Rack& rack(Seat seat) const override { return racks[std::size_t(seat.number())]; }
    int laiddown(Seat seat) const override { return laid[std::size_t(seat.number())]; }
    RandomSource& random() override { return generator; }
    void placemytile(std::string_view) override {}
    void swaptiles(std::string_view) override {}
    void finish(std::string_view) override {}
    void drawcard(std::string_view) override {}

    BoardGrid board;
    std::array<Rack, kSeats + 1> racks;
    std::array<int, kSeats + 1> laid{};
    SeededRandom generator{1};
};

} // namespace

// Seat 2 is the Master's, with a wild tile and room to choose; seat 1
// holds six tiles. Whatever those six are, the Master's turn is the same,
// and deciding again gives it again.
TEST(MasterDecision, SeesOnlyWhatAPersonSeesAndDecidesAlike)
{
    const auto table = [](const Tiles& hidden) {
        RacksTable t;
        put(t.board, 1, 1, {red(3), red(4), red(5)});
        put(t.board, 1, 3, {green(9), orange(9), black(9)});
        t.racks[2] = rackOf({kWildTile, red(6), red(7), green(10), green(11), black(2), orange(12), orange(13)});
        t.laid[2] = 40;
        t.racks[1] = rackOf(hidden);
        t.laid[1] = 30;
        return t;
    };
    const RacksTable one = table({red(8), red(9), green(12), black(12), orange(11), red(2)});
    const RacksTable other = table({green(4), green(5), black(4), green(1), orange(2), red(13)});

    const MasterView view = masterview(one, Seat(2));
    ASSERT_EQ(view.others.size(), 1u);
    EXPECT_EQ(view.others[0].tiles, 6);
    EXPECT_TRUE(view.others[0].laidDown);
    const ExpertDecision first = masterdecision(view);
    ASSERT_TRUE(first.play.found);
    EXPECT_TRUE(playsThrough(one.board, one.racks[2], first.layout));
    const ExpertDecision again = masterdecision(masterview(one, Seat(2)));
    const ExpertDecision blind = masterdecision(masterview(other, Seat(2)));
    EXPECT_EQ(first.play.laid, again.play.laid);
    EXPECT_EQ(first.layout.moves, again.layout.moves);
    EXPECT_EQ(first.play.laid, blind.play.laid);
    EXPECT_EQ(first.layout.moves, blind.layout.moves);
}

// A whole Master game against the Expert passes every check of the game
// (tiles kept, boards valid, the table's mirror right) and plays out the
// same twice: its guesses come from the position, not from the server's
// generator or the clock.
TEST(MasterGame, PassesEveryCheckAndReplaysTheSame)
{
    selfplay::GameSetup setup;
    setup.seats = 2;
    setup.playto = 200;
    setup.seed = 5;
    setup.levels[1] = BotLevel::Master;
    setup.levels[2] = BotLevel::Expert;
    const selfplay::GameResult first = selfplay::playgame(setup);
    const selfplay::GameResult again = selfplay::playgame(setup);
    EXPECT_TRUE(first.finished);
    EXPECT_EQ(first.violations.total(), 0);
    EXPECT_GT(first.finishes, 10);
    EXPECT_EQ(again.digest, first.digest);
    EXPECT_EQ(again.scores, first.scores);
}

// In a team game the look-ahead's round ends only when both partners are
// out, and the partner's rack and gains count with the Master's own: the
// Master must not play against its partner.
TEST(LookaheadTeam, PartnersShareTheRoundAndTheStanding)
{
    LookaheadGame game;
    game.team = true;
    game.seats = {{{red(5)}, true}, {{black(13), black(12)}, true}, {{green(2)}, true}, {{orange(1)}, true}};
    game.lay(0, {red(5)}, 5);
    EXPECT_FALSE(game.over);
    // Seat 0 out and its partner's 2 left; the others hold 25 + 1.
    EXPECT_EQ(game.standing(), 5 - 2 - (-25 - 1));
    game.lay(2, {green(2)}, 2);
    ASSERT_TRUE(game.over);
    EXPECT_EQ(game.wentOut, 2);
    EXPECT_EQ(game.standing(), 5 + 2 + 26 - (-26));
}
