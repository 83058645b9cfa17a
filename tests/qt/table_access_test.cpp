// The table as assistive technology meets it, in a game against the
// table's own server: every part on screen has a name, tiles, cells, seats
// and the clock say what they show, and the turn's start and a refused
// move reach the screen reader as announcements. Without a screen reader
// on a platform bus (as here, offscreen) Qt 6.4 sends no accessibility
// events, so what they would carry is read off the interfaces.
#include "tests/qt/ownservertable.h"
#include "tests/qt/tablefeed.h"
#include "tests/qt/testports.h"
#include "tests/qt/waitfor.h"

#include "dialogs/gamestartform.h"
#include "dialogs/updown.h"
#include "net/gameport.h"
#include "server/qt/qtserverhost.h"
#include "table/qt/boardview.h"
#include "table/qt/cardimage.h"
#include "table/qt/tableaccessible.h"

#include <QAccessible>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The words the table last announced, as a screen reader reads them off
// the table's live region.
QString accessAnnouncement(const TableFeed& t)
{
    QAccessibleInterface* region = QAccessible::queryAccessibleInterface(t.find<QWidget>("announcement"));
    EXPECT_EQ(region->role(), QAccessible::Notification);
    return region->text(QAccessible::Name);
}

// What a tile's code should be read as, worked out apart from the table.
QString accessTileWords(int code)
{
    if (code == 53) return QStringLiteral("wild tile");
    static const char* colours[] = {"Green", "Orange", "Red", "Black"};
    return QStringLiteral("%1 %2").arg(QLatin1String(colours[(code - 1) / 13])).arg((code - 1) % 13 + 1);
}

int accessEmptyRow(const brixo::BoardGrid& grid)
{
    for (int row = 12; row >= 1; --row) {
        bool empty = true;
        for (int col = 0; col < brixo::BoardGrid::kColumns; ++col) empty = empty && grid.at(col, row) == brixo::kNoTile;
        if (empty) return row;
    }
    return 0;
}

} // namespace

TEST(TableAccess, EveryPartIsNamedAndTheGameIsSpokenAndAnnounced)
{
    OwnServerTable own(4242);
    TableFeed& t = own.feed;
    Tchat& table = own.table;
    // Shown, the table starts what its launch asks for: a game of its own.
    table.show();
    ASSERT_TRUE(waitFor([&] { return table.mirror().loggedIn(); }));
    table.StartGame1Click();
    table.gamestart()->UpDown3->setPosition(14);
    table.gamestart()->button_start->click();
    const brixo::TableMirror& m = table.mirror();
    ASSERT_TRUE(waitFor([&] { return m.turnSeat().number() == 1 && m.rackPositions().count() >= 14; }, 20000));
    EXPECT_EQ(accessAnnouncement(t), QStringLiteral("Your turn."));

    // Every part the table window shows has a name.
    QStringList nameless;
    QList<QWidget*> parts = table.findChildren<QWidget*>();
    parts << &table;
    for (QWidget* part : parts) {
        if (!part->isVisible() || part->window() != &table) continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(part);
        if (!iface || iface->text(QAccessible::Name).trimmed().isEmpty())
            nameless << part->objectName() + QLatin1Char(':') + QLatin1String(part->metaObject()->className());
    }
    EXPECT_TRUE(nameless.isEmpty()) << nameless.join(QStringLiteral(", ")).toStdString();

    // Seats, the clock, a rack tile.
    const auto named = [&](const char* part) {
        return QAccessible::queryAccessibleInterface(t.find<QWidget>(part))->text(QAccessible::Name);
    };
    EXPECT_EQ(named("label_playername1"), QStringLiteral("You, 14 tiles, 0 points, your turn"));
    EXPECT_EQ(named("label_playername2"), QStringLiteral("Klot, 14 tiles, 0 points, computer player"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+:\\d\\d left of your turn$")).match(named("label_timer")).hasMatch())
        << named("label_timer").toStdString();
    const brixo::RackSlot first = m.rackPositions().slotAt(1);
    const int code = m.rack().at(first).code();
    CardImage* card = table.card(first.number());
    ASSERT_NE(card, nullptr);
    QAccessibleInterface* cardFace = QAccessible::queryAccessibleInterface(card);
    EXPECT_EQ(cardFace->text(QAccessible::Name), accessTileWords(code));
    EXPECT_EQ(cardFace->role(), QAccessible::ListItem);

    // The board is a table of cells; a tile put down is told in its cell.
    auto* board = t.find<BoardView>("board");
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(board);
    ASSERT_EQ(grid->role(), QAccessible::Table);
    QAccessibleTableInterface* cells = grid->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->columnCount(), 22);
    EXPECT_EQ(cells->rowCount(), 12);
    const int row = accessEmptyRow(m.board());
    ASSERT_GT(row, 0);
    QAccessibleInterface* cell = cells->cellAt(row - 1, 3);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("board, column 4, row %1, empty").arg(row));
    EXPECT_EQ(grid->indexOfChild(cell), (row - 1) * 22 + 3);
    QTest::mouseClick(card, Qt::LeftButton);
    EXPECT_EQ(cardFace->text(QAccessible::Description), QStringLiteral("in your hand"));
    QTest::mouseClick(board, Qt::LeftButton, {}, board->cellRect({4, row}).center());
    ASSERT_TRUE(waitFor([&] { return m.confirmedBoard().at(brixo::BoardCell{4, row}).code() == code; }));
    const QString placed = QStringLiteral("board, column 4, row %1, %2").arg(row).arg(accessTileWords(code));
    EXPECT_EQ(cell->text(QAccessible::Name), placed);

    // The keyboard's focus on a cell is told as the cell's focus.
    notifyBoardCellFocus(board, {4, row});
    EXPECT_TRUE(cell->state().focused);
    EXPECT_EQ(grid->focusChild(), cell);

    // A refused move is announced in the words the table shows for it.
    ASSERT_TRUE(waitFor([&] { return m.rackPositions().slotAt(1) != first; }));
    const brixo::RackSlot next = m.rackPositions().slotAt(1);
    QTest::mouseClick(table.card(next.number()), Qt::LeftButton);
    table.button_finishClick();
    EXPECT_EQ(accessAnnouncement(t), QStringLiteral("You cannot end your turn when you have a tile in your hand."));

    qunsetenv("BRIXO_PORT");
}
