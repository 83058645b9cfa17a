// A turn played with mouse events at a table whose own game server runs in
// the same process: the server judges, and the table's board and rack stay
// level with it.
#include "tests/qt/ownservertable.h"
#include "tests/qt/tablefeed.h"
#include "tests/qt/testports.h"
#include "tests/qt/waitfor.h"

#include "dialogs/gamestartform.h"
#include "dialogs/updown.h"
#include "net/gameport.h"
#include "net/qt/tsocklistener.h"
#include "server/qt/qtserverhost.h"
#include "table/qt/boardview.h"
#include "table/qt/cardimage.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// The rack the table shows, as sorted tile codes.
std::vector<int> sortedRack(const Tchat& table)
{
    std::vector<int> tiles = shownRack(table);
    std::sort(tiles.begin(), tiles.end());
    return tiles;
}

std::vector<int> serverRack(brixo::TServer& server)
{
    std::vector<int> tiles;
    const brixo::Rack& rack = server.slotTable()[1].rack;
    for (int slot = 1; slot <= brixo::Rack::kSlots; ++slot)
        if (rack.at(slot) != brixo::kNoTile) tiles.push_back(rack.at(slot));
    std::sort(tiles.begin(), tiles.end());
    return tiles;
}

// A row with nothing in it, so any tile fits its order.
int emptyRow(const brixo::BoardGrid& grid)
{
    for (int row = 12; row >= 1; --row) {
        bool empty = true;
        for (int col = 0; col < brixo::BoardGrid::kColumns; ++col) empty = empty && grid.at(col, row) == brixo::kNoTile;
        if (empty) return row;
    }
    return 0;
}

QPoint at(int col, int row)
{
    return {col * 20 - 13, row * 30 - 18};
}

} // namespace

TEST(TableMouseWithServer, PlaceTakeBackClearAndDrawStayLevelWithTheServer)
{
    OwnServerTable own(424242);
    Tchat& table = own.table;
    table.processparams();
    ASSERT_TRUE(waitFor([&] { return table.mirror().loggedIn(); }));
    ASSERT_TRUE(own.startGame(14));
    ASSERT_TRUE(waitFor([&] { return table.mirror().board() == own.host.server().grid(); }));
    const auto level = [&] {
        return table.mirror().board() == own.host.server().grid() && sortedRack(table) == serverRack(own.host.server());
    };
    const std::vector<int> rackAtStart = sortedRack(table);

    // Place the leftmost tile in an empty row.
    const int row = emptyRow(table.mirror().board());
    ASSERT_NE(row, 0);
    const int slot = table.mirror().rackPositions().slotAt(1).number();
    const int tile = table.card(slot)->tile();
    QTest::mouseClick(table.card(slot), Qt::LeftButton, Qt::NoModifier, QPoint(20, 30));
    QTest::mouseClick(part<BoardView>(table, "board"), Qt::LeftButton, Qt::NoModifier, at(10, row));
    ASSERT_TRUE(waitFor([&] { return own.host.server().grid().at(10, row) == tile && table.card(slot) == nullptr; }));
    EXPECT_TRUE(level());
    EXPECT_FALSE(part<QPushButton>(table, "button_finish")->isHidden());

    // Picked up and put back: the server hears nothing and still agrees.
    QTest::mouseClick(part<BoardView>(table, "board"), Qt::LeftButton, Qt::NoModifier, at(10, row));
    EXPECT_EQ(table.mirror().board().at(10, row), brixo::kNoTile);
    QTest::mouseClick(part<BoardView>(table, "board"), Qt::LeftButton, Qt::NoModifier, at(10, row));
    ASSERT_TRUE(chatRoundTrip(table, QStringLiteral("level mark"))); // after anything the presses sent
    EXPECT_TRUE(level());

    // Moved two cells on, then taken back to the rack.
    QTest::mouseClick(part<BoardView>(table, "board"), Qt::LeftButton, Qt::NoModifier, at(10, row));
    QTest::mouseClick(part<BoardView>(table, "board"), Qt::LeftButton, Qt::NoModifier, at(12, row));
    ASSERT_TRUE(waitFor([&] { return own.host.server().grid().at(12, row) == tile; }));
    QTest::mouseClick(part<BoardView>(table, "board"), Qt::RightButton, Qt::NoModifier, at(12, row));
    ASSERT_TRUE(waitFor([&] { return own.host.server().grid().at(12, row) == brixo::kNoTile && level(); }));
    EXPECT_EQ(sortedRack(table), rackAtStart);

    // Two tiles down, then Clear takes the turn back.
    for (int col : {3, 6}) {
        const int s = table.mirror().rackPositions().slotAt(1).number();
        QTest::mouseClick(table.card(s), Qt::LeftButton, Qt::NoModifier, QPoint(20, 30));
        QTest::mouseClick(part<BoardView>(table, "board"), Qt::LeftButton, Qt::NoModifier, at(col, row));
        ASSERT_TRUE(waitFor([&] { return table.card(s) == nullptr; }));
    }
    ASSERT_TRUE(waitFor([&] { return own.host.server().grid().tileCount() == table.mirror().board().tileCount() && level(); }));
    QTest::mouseClick(part<QPushButton>(table, "button_clear"), Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return level() && sortedRack(table) == rackAtStart; }));
    EXPECT_FALSE(part<QPushButton>(table, "button_draw")->isHidden());

    // Draw: one more tile, the computer plays, and the turn comes back.
    QTest::mouseClick(part<QPushButton>(table, "button_draw"), Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return sortedRack(table).size() == rackAtStart.size() + 1; }));
    EXPECT_TRUE(table.logText().contains("Klot's turn."));
    ASSERT_TRUE(waitFor([&] { return table.mirror().turnSeat().number() == 1 && level(); }, 20000));
    qunsetenv("BRIXO_PORT");
}
