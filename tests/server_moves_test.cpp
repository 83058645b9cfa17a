// Laying, moving, taking back and undoing inside a turn.
#include "tests/server_fakehost.h"
#include "tests/tilecodes.h"

using namespace brixo;
using namespace brixo::test;

using Strings = std::vector<std::string>;

namespace {

// Seat 1 (connection 1, "Ann") and seat 2 (connection 2, "Bob") play with
// ten tiles each; a spectator watches on connection 5. Seat 1 has the turn.
class ServerMoves : public ServerFixture {
protected:
    void SetUp() override
    {
        join(1, "Ann");
        join(2, "Bob");
        join(3, "C");
        join(4, "D");
        join(5, "Spy"); // slot 5: a spectator
        server.connectionClosed(3);
        server.connectionClosed(4);
        random.stackPool(dealOrder({seat1, seat2}));
        startgame(500, 60, true, false, 10);
        forget();
    }
    // Board and snapshot plus turn log hold the same tiles.
    void expectBoardIsSnapshotPlusLog()
    {
        std::vector<int> board, expected;
        for (int col = 0; col < BoardGrid::kColumns; ++col)
            for (int row = 0; row < BoardGrid::kRows; ++row) {
                if (int t = server.grid().at(col, row)) board.push_back(t);
                if (int t = server.snapshot().at(col, row)) expected.push_back(t);
            }
        for (const LaidTile& laid : server.state().turnlog) expected.push_back(laid.tile);
        std::sort(board.begin(), board.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(board, expected);
        EXPECT_EQ(tilesInPlay(), 106);
    }
    const std::vector<int> seat1{red(10), red(11), red(12), W, green(2), green(3), green(4), W, black(9), black(1)};
    const std::vector<int> seat2{red(11), orange(1), orange(2), orange(3), orange(4), orange(5),
                                 orange(6), orange(7), orange(8), orange(9)};
};

} // namespace

TEST_F(ServerMoves, LayingMovingAndTakingBackAreShownToEverybody)
{
    send(1, msg::placemytile({1, 1, 4, 4}));
    EXPECT_EQ(lines(1), (Strings{"CMD_placehistile+1+36+4+4+", "CMD_freecard+1+1+"}));
    EXPECT_EQ(lines(5), Strings{"CMD_placehistile+1+36+4+4+"});
    EXPECT_EQ(seat(1).rack.at(1), 0);
    forget();

    // Moves that do not fit change nothing and are not answered.
    send(1, msg::placemytile({1, 2, 4, 4}));   // occupied cell
    send(1, msg::placemytile({1, 1, 6, 4}));   // empty rack slot
    send(1, msg::placemytile({1, 0, 6, 4}));   // no such rack slot
    send(1, msg::placemytile({1, 61, 6, 4}));
    send(1, msg::placemytile({1, 2, 23, 4}));  // off the board
    send(1, msg::placemytile({1, 2, -1, 4}));
    send(1, msg::placemytile({1, 2, 6, 13}));
    send(1, msg::swaptilesRequest({1, 5, 5, 6, 6}));  // empty source
    send(1, msg::swaptilesRequest({1, 4, 4, 4, 4}));  // occupied target
    send(1, msg::swaptilesRequest({1, 23, 0, 4, 4}));
    send(1, msg::replacetile({1, 7, 7}));             // empty cell
    send(1, msg::replacetile({1, 40, 7}));
    send(2, msg::placemytile({2, 1, 8, 8}));          // not his turn
    EXPECT_TRUE(lines(1).empty() && lines(2).empty() && lines(5).empty());

    send(1, msg::swaptilesRequest({1, 0, 12, 4, 4}));  // the corner cells are on the board too
    EXPECT_EQ(lines(5), Strings{"CMD_swaptiles+1+0+12+4+4+36+"});
    forget();
    send(1, msg::replacetile({1, 0, 12}));             // taken back from where it was moved
    EXPECT_EQ(lines(1), (Strings{"CMD_nouse+1+", "CMD_yourtiles+1+1,36", "CMD_removetile+0+12+"}));
    EXPECT_EQ(lines(5), Strings{"CMD_removetile+0+12+"});
    EXPECT_EQ(seat(1).rack.at(1), red(10));
    expectBoardIsSnapshotPlusLog();
}

TEST_F(ServerMoves, UndoPutsBoardAndRackBackAndSaysOnlyWhatChanged)
{
    lay(1, 1, {1, 2, 3}, 5, 7);
    forget();
    send(1, msg::undothemRequest(1));
    EXPECT_EQ(lines(1), (Strings{"CMD_undothem+1+7+5+0+8+5+0+9+5+0", "CMD_yourtiles+1+1,36+2,37+3,38"}));
    EXPECT_EQ(lines(2), Strings{"CMD_undothem+1+7+5+0+8+5+0+9+5+0"});
    forget();
    send(1, msg::undothemRequest(1)); // nothing changed: nothing said
    EXPECT_TRUE(lines(1).empty());

    // Seat 1 commits its run; seat 2 then only moves a tile of it and undoes.
    lay(1, 1, {1, 2, 3}, 5, 7);
    send(1, msg::finish(1));
    ASSERT_EQ(server.state().currentseat, Seat(2));
    forget();
    send(2, msg::swaptilesRequest({2, 9, 6, 9, 5}));
    send(2, msg::undothemRequest(2));
    EXPECT_EQ(lines(2), (Strings{"CMD_swaptiles+2+9+6+9+5+38+", "CMD_undothem+2+9+5+38+9+6+0"}));
    expectBoardIsSnapshotPlusLog();
}

TEST_F(ServerMoves, ATileIsTakenBackByItsCodeFromTheFirstMatchingLay)
{
    // Two wild tiles from slots 4 and 8: whichever cell is named, slot 4 fills first.
    send(1, msg::placemytile({1, 4, 3, 3}));
    send(1, msg::placemytile({1, 8, 5, 3}));
    forget();
    send(1, msg::replacetile({1, 5, 3}));
    EXPECT_EQ(args(1, "CMD_yourtiles"), Strings{"1+4,53"});
    send(1, msg::replacetile({1, 3, 3}));
    EXPECT_EQ(args(1, "CMD_yourtiles"), (Strings{"1+4,53", "1+8,53"}));
    EXPECT_TRUE(server.state().turnlog.empty());

    // A tile that was on the board before the turn: with no tile of its code
    // laid this turn, nothing happens ...
    lay(1, 1, {1, 2, 3}, 5, 7);
    send(1, msg::finish(1));
    forget();
    send(2, msg::replacetile({2, 8, 5}));
    EXPECT_TRUE(lines(2).empty());
    // ... but once the other Red Jack is laid, naming the old one sends that
    // one to the rack and leaves the new one on the board.
    send(2, msg::placemytile({2, 1, 1, 9}));
    forget();
    send(2, msg::replacetile({2, 8, 5}));
    EXPECT_EQ(lines(2), (Strings{"CMD_nouse+2+", "CMD_yourtiles+2+1,37", "CMD_removetile+8+5+"}));
    EXPECT_EQ(server.grid().at(8, 5), 0);
    EXPECT_EQ(server.grid().at(1, 9), red(11));
    expectBoardIsSnapshotPlusLog();
    // Undo restores the snapshot, old Jack included; the rack keeps its own.
    send(2, msg::undothemRequest(2));
    EXPECT_EQ(server.grid(), server.snapshot());
    EXPECT_EQ(seat(2).rack.at(1), red(11));
    expectBoardIsSnapshotPlusLog();
}
