// A whole turn played by keys alone at a table whose own game server runs
// in the same process: the focus walks the rack and the board, Enter picks
// up and puts down as a click does (a refused press told in the same words
// as the mouse's), a board tile is moved, and the turn is finished.
#include "tests/qt/ownservertable.h"
#include "tests/qt/tablefeed.h"
#include "tests/qt/testports.h"
#include "tests/qt/waitfor.h"

#include "dialogs/downloadform.h"
#include "dialogs/gamestartform.h"
#include "dialogs/updown.h"
#include "model/tile.h"
#include "net/gameport.h"
#include "server/qt/qtserverhost.h"
#include "table/qt/boardview.h"
#include "table/qt/cardimage.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// Sends a key to whatever has the keyboard, as the desktop would.
void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, Qt::Key(k), modifiers);
}

struct KeyWalk {
    Tchat& table;
    BoardView* board = part<BoardView>(table, "board");

    bool onRackTile(int slot) const { return table.card(slot) && table.card(slot)->keyFocused(); }

    // Arrows only, never a click: up to the board, then across and up or down.
    void toCell(int col, int row)
    {
        if (!board->keyCell()) key(Qt::Key_Up);
        for (int guard = 0; guard < 40 && board->keyCell() && board->keyCell()->col != col; ++guard)
            key(board->keyCell()->col < col ? Qt::Key_Right : Qt::Key_Left);
        for (int guard = 0; guard < 40 && board->keyCell() && board->keyCell()->row != row; ++guard)
            key(board->keyCell()->row < row ? Qt::Key_Down : Qt::Key_Up);
        ASSERT_EQ(board->keyCell(), (brixo::BoardCell{col, row}));
    }

    // Down off the board, then along the rack to the tile.
    void toRackTile(int slot)
    {
        for (int guard = 0; guard < 20 && board->keyCell(); ++guard) key(Qt::Key_Down);
        for (int guard = 0; guard < 60; ++guard) key(Qt::Key_Left);
        for (int guard = 0; guard < 60 && !onRackTile(slot); ++guard) key(Qt::Key_Right);
        ASSERT_TRUE(onRackTile(slot));
    }
};

// Two sets the rack holds (runs or groups of three, no wild tile) worth the
// first lay-down's 30 points between them, or one set worth that alone: the
// rack slots of each, in the order they lie left to right.
std::vector<std::vector<int>> layDownIn(const brixo::Rack& rack)
{
    std::vector<std::vector<int>> sets;
    const auto slotOf = [&](int code, const std::vector<int>& besides) {
        for (const brixo::RackItem& item : rack.items())
            if (item.tile == code && std::find(besides.begin(), besides.end(), item.slot) == besides.end())
                return item.slot;
        return 0;
    };
    for (const brixo::RackItem& item : rack.items()) {
        const int t = item.tile;
        if (t == brixo::kWildTile) continue;
        if (brixo::facenumber(t) <= 11)
            if (const int b = slotOf(t + 1, {}), c = slotOf(t + 2, {}); b && c) sets.push_back({item.slot, b, c});
        std::vector<int> group{item.slot};
        for (int colour = 0; colour < 4 && group.size() < 3; ++colour) {
            const int code = colour * 13 + brixo::facenumber(t);
            if (code != t)
                if (const int s = slotOf(code, group)) group.push_back(s);
        }
        if (group.size() == 3) sets.push_back(group);
    }
    const auto value = [&](const std::vector<int>& set) {
        int sum = 0;
        for (int s : set) sum += brixo::tilevalue(rack.at(s));
        return sum;
    };
    for (const auto& one : sets)
        if (value(one) >= 30) return {one};
    for (const auto& one : sets)
        for (const auto& other : sets) {
            bool apart = true;
            for (int s : one) apart = apart && std::find(other.begin(), other.end(), s) == other.end();
            if (apart && value(one) + value(other) >= 30) return {one, other};
        }
    return {};
}

} // namespace

TEST(TableKeysWithServer, AWholeTurnIsLaidMovedRefusedAndFinishedByKeysAlone)
{
    OwnServerTable own(424242);
    Tchat& table = own.table;
    table.show();
    table.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&table));
    ASSERT_TRUE(waitFor([&] { return table.mirror().loggedIn(); }));
    table.download()->hide(); // the start choice a first start offers
    ASSERT_TRUE(own.startGame(20));
    table.gamestart()->hide();
    table.activateWindow();
    ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == &table; }));
    const std::vector<std::vector<int>> sets = layDownIn(table.mirror().rack());
    ASSERT_FALSE(sets.empty()) << "the fixed deal holds 30 points in sets";

    // The keys come to the table from a click on it, and an arrow to the rack.
    table.centralWidget()->setFocus(Qt::MouseFocusReason);
    KeyWalk walk{table};
    key(Qt::Key_Right);
    ASSERT_EQ(QApplication::focusWidget(), part<QWidget>(table, "panel_cards")) << QApplication::focusWidget()->objectName().toStdString() << " in " << QApplication::focusWidget()->window()->objectName().toStdString();

    // The first tile of the first set goes to a far cell, then is moved by
    // keys to where its set begins; on the way, Enter on a rack tile with a
    // board tile in the hand is refused with the mouse's words.
    const int first = sets[0][0];
    const int firstTile = table.mirror().rack().at(first);
    walk.toRackTile(first);
    key(Qt::Key_Return);
    ASSERT_TRUE(table.mirror().hand().holdsSlot(brixo::RackSlot(first)));
    walk.toCell(20, 12);
    key(Qt::Key_Return);
    ASSERT_TRUE(waitFor([&] { return own.host.server().grid().at(20, 12) == firstTile; }));
    key(Qt::Key_Return);
    ASSERT_TRUE(table.mirror().hand().holdsBoardTile());
    walk.toRackTile(sets[0][1]);
    const QString before = table.chatText();
    key(Qt::Key_Space);
    const QString byKeys = table.chatText().mid(before.size());
    EXPECT_TRUE(byKeys.contains("You cannot select a new tile when you have a tile from the board in your hand."));
    EXPECT_TRUE(table.mirror().hand().holdsBoardTile());
    QTest::mouseClick(table.card(sets[0][1]), Qt::LeftButton, Qt::NoModifier, QPoint(20, 30));
    EXPECT_EQ(table.chatText().mid(before.size() + byKeys.size()), byKeys) << "the mouse's refusal, word for word";
    walk.toCell(2, 10);
    key(Qt::Key_Enter);
    ASSERT_TRUE(waitFor([&] { return own.host.server().grid().at(2, 10) == firstTile && own.host.server().grid().at(20, 12) == 0; }));

    // Shift+Enter chooses a run's completion as a Shift-click does; Esc
    // puts the tile back.
    walk.toRackTile(sets[0][1]);
    key(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(table.mirror().hand().completion, brixo::placerules::Completion::Run);
    key(Qt::Key_Escape);
    EXPECT_TRUE(table.mirror().hand().empty());

    // The rest laid tile by tile, each set in a row of its own.
    for (std::size_t s = 0; s < sets.size(); ++s)
        for (std::size_t i = s == 0 ? 1 : 0; i < sets[s].size(); ++i) {
            walk.toRackTile(sets[s][i]);
            key(Qt::Key_Return);
            walk.toCell(2 + int(i), 10 - 2 * int(s));
            key(Qt::Key_Return);
            ASSERT_TRUE(waitFor([&] { return table.card(sets[s][i]) == nullptr; }));
        }
    ASSERT_TRUE(table.mirror().shownBoardValid());

    // Finished by its key: the server takes the sets and the turn moves on.
    key(Qt::Key_F);
    ASSERT_TRUE(waitFor([&] { return table.mirror().laidDown(); }, 20000));
    EXPECT_EQ(own.host.server().grid().at(2, 10), firstTile);
    qunsetenv("BRIXO_PORT");
}

// Alt and a letter reach every menu and every item in it: each caption has
// its letter, none shared within a menu, and the words read as before.
TEST(TableKeys, EveryMenuItemHasAnAltLetterOfItsOwn)
{
    TableFeed t;
    Tchat& table = *t.table;
    std::vector<QMenu*> menus;
    for (QMenu* menu : table.findChildren<QMenu*>()) {
        emit menu->aboutToShow(); // menus filled as they open get theirs then
        menus.push_back(menu);
    }
    ASSERT_GE(menus.size(), 5u);
    for (QMenu* menu : menus) {
        QString letters;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator() || a->text().isEmpty()) continue;
            const int amp = a->text().indexOf('&');
            ASSERT_GE(amp, 0) << a->text().toStdString() << " in " << menu->title().toStdString();
            const QChar letter = a->text().at(amp + 1).toLower();
            EXPECT_FALSE(letters.contains(letter)) << a->text().toStdString() << " in " << menu->title().toStdString();
            letters += letter;
        }
    }
    const QAction* start = table.findChild<QAction*>("StartGame1");
    EXPECT_EQ(start->text().remove('&'), "Start Game");
}
