// Playing with the mouse at a table connected to a stand-in server that
// records every line the table sends.
#include "tests/qt/tablefeed.h"
#include "tests/qt/waitfor.h"

#include "dialogs/gamestartform.h"
#include "net/catalogue.h"
#include "net/qt/tsock.h"
#include "net/qt/tsocklistener.h"
#include "table/qt/blinksign.h"
#include "table/qt/boardview.h"
#include "table/qt/cardimage.h"
#include "tests/tilecodes.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

using namespace brixo;
using namespace brixo::test;

namespace {

std::string line(std::string frame)
{
    if (!frame.empty() && frame.back() == '\xFF') frame.pop_back();
    return frame;
}

// A logged-in table at seat 1 whose connection goes to a recorder.
struct PlayTable {
    TSockListener listener;
    std::unique_ptr<TSock> peer;
    std::vector<std::string> heard;
    TableFeed t;
    Tchat& table = *t.table;

    PlayTable()
    {
        EXPECT_TRUE(listener.listen(0));
        qputenv("BRIXO_PORT", QByteArray::number(listener.port()));
        QObject::connect(&listener, &TSockListener::accepted, [this](TSock* s) {
            peer.reset(s);
            QObject::connect(s, &TSock::received, [this](const std::string& l) { heard.push_back(l); });
        });
        table.setServerSwitch([](QString*) { return true; });
        table.processparams();
        EXPECT_TRUE(waitFor([&] { return peer && peer->isConnected(); }));
        t.login(1);
        EXPECT_TRUE(waitFor([&] { return !heard.empty() && heard.back().rfind("CMD_botspeed", 0) == 0; }));
        heard.clear();
    }
    ~PlayTable() { qunsetenv("BRIXO_PORT"); }

    // A game of 60-second turns in which it is now this table's turn.
    void myTurn(const std::vector<RackItem>& rack)
    {
        t.feed(msg::startgame({"You", 500, 60, "t", "f", 14}));
        t.feed(msg::yourtiles(1, rack));
        t.feed(msg::nextplayer({1, 70, {}}));
        t.sounds.clear();
    }

    // Everything the table sent from the last call on: a chat line marks
    // the end, so "nothing" is told apart from "not yet".
    std::vector<std::string> sent()
    {
        part<QLineEdit>(table, "mychat")->setText(QStringLiteral("mark"));
        table.sendit();
        EXPECT_TRUE(waitFor([&] { return !heard.empty() && heard.back().rfind("CMD_chat+1+mark", 0) == 0; }));
        std::vector<std::string> lines(heard.begin(), heard.end() - 1);
        heard.clear();
        return lines;
    }

    // Paint-box pixel inside both the picture and the hit area of a cell.
    static QPoint at(int col, int row) { return {col * 20 - 13, row * 30 - 18}; }

    void pressBoard(int col, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(part<BoardView>(table, "board"), button, Qt::NoModifier, at(col, row));
    }
    void pressCard(int slot, Qt::KeyboardModifiers modifiers = Qt::NoModifier, Qt::MouseButton button = Qt::LeftButton)
    {
        CardImage* c = table.card(slot);
        ASSERT_NE(c, nullptr) << "card" << slot;
        QTest::mouseClick(c, button, modifiers, QPoint(20, 30));
    }
    bool shown(const char* name) const
    {
        const QWidget* w = t.find<QWidget>(name);
        return w && !w->isHidden();
    }
};

std::string place(int slot, int col, int row)
{
    return line(msg::placemytile({1, slot, col, row}));
}

} // namespace

TEST(TableMouse, PressesNearCellEdgesLandByTheHitOffsetAndTheLastPixelsNeverAct)
{
    PlayTable p;
    p.myTurn({{1, green(5)}, {2, orange(5)}, {3, red(5)}, {4, black(5)}});

    p.pressCard(1);
    QTest::mouseClick(part<BoardView>(p.table, "board"), Qt::LeftButton, Qt::NoModifier, QPoint(14, 24));
    EXPECT_EQ(p.table.mirror().board().at(1, 1), green(5));
    p.pressCard(2);
    QTest::mouseClick(part<BoardView>(p.table, "board"), Qt::LeftButton, Qt::NoModifier, QPoint(15, 85));
    EXPECT_EQ(p.table.mirror().board().at(2, 4), orange(5));
    p.pressCard(3);
    QTest::mouseClick(part<BoardView>(p.table, "board"), Qt::LeftButton, Qt::NoModifier, QPoint(434, 354));
    EXPECT_EQ(p.table.mirror().board().at(22, 12), red(5));
    EXPECT_TRUE(p.table.card(3)->isHidden()); // waits for the server to free it
    EXPECT_EQ(p.sent(), (std::vector<std::string>{place(1, 1, 1), place(2, 2, 4), place(3, 22, 12)}));

    // Column 23 and row 13 take nothing; the tile stays in the hand.
    p.pressCard(4);
    QTest::mouseClick(part<BoardView>(p.table, "board"), Qt::LeftButton, Qt::NoModifier, QPoint(435, 100));
    QTest::mouseClick(part<BoardView>(p.table, "board"), Qt::LeftButton, Qt::NoModifier, QPoint(100, 355));
    EXPECT_TRUE(p.table.mirror().hand().holdsSlot(brixo::RackSlot(4)));
    EXPECT_EQ(p.table.mirror().board().tileCount(), 3);
    EXPECT_TRUE(p.sent().empty());

    // A right press puts it back.
    p.t.sounds.clear();
    QTest::mouseClick(part<BoardView>(p.table, "board"), Qt::RightButton, Qt::NoModifier, QPoint(435, 100));
    EXPECT_TRUE(p.table.mirror().hand().empty());
    EXPECT_EQ(p.table.card(4)->y(), CardImage::kRestingTop);
    EXPECT_EQ(p.t.sounds, QStringList({"clearcard"}));
    EXPECT_TRUE(p.sent().empty());
}

TEST(TableMouse, TheDragImageFollowsThePointerWhileATileIsHeld)
{
    PlayTable p;
    p.myTurn({{1, green(2)}});
    p.table.boardMouseMove(50, 60);
    EXPECT_TRUE(part<QLabel>(p.table, "draggingimage")->isHidden());
    p.pressCard(1);
    EXPECT_FALSE(part<QLabel>(p.table, "draggingimage")->isHidden());
    EXPECT_EQ(part<QLabel>(p.table, "draggingimage")->property("tag").toInt(), green(2));
    p.table.boardMouseMove(50, 60);
    EXPECT_EQ(part<QLabel>(p.table, "draggingimage")->pos(), part<BoardView>(p.table, "board")->pos() + QPoint(53, 63));
    EXPECT_EQ(part<BoardView>(p.table, "board")->cursor().shape(), Qt::PointingHandCursor);
    p.pressBoard(5, 5, Qt::RightButton);
    EXPECT_TRUE(part<QLabel>(p.table, "draggingimage")->isHidden());
    p.table.boardMouseMove(50, 60);
    EXPECT_NE(part<BoardView>(p.table, "board")->cursor().shape(), Qt::PointingHandCursor);
}

namespace {

// Presses on `from`, moves with the button held to a point of `over` and lets
// go there, as a mouse held down does: every event goes to `from`.
void drag(QWidget* from, QPoint fromAt, QWidget* over, QPoint overAt)
{
    const QPoint global = over->mapToGlobal(overAt);
    const auto send = [from](QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, from->mapFromGlobal(global), global, button, held, Qt::NoModifier);
        QApplication::sendEvent(from, &event);
    };
    send(QEvent::MouseButtonPress, from->mapToGlobal(fromAt), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, global, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, global, Qt::LeftButton, Qt::NoButton);
}

} // namespace

TEST(TableMouse, ADraggedTileGoesDownAsAClickWouldAndARefusedDropGoesBack)
{
    PlayTable p;
    p.myTurn({{1, green(5)}, {2, green(6)}, {3, red(9)}});
    const QPoint middle(20, 30);

    drag(p.table.card(1), middle, part<BoardView>(p.table, "board"), PlayTable::at(3, 2));
    EXPECT_EQ(p.table.mirror().board().at(3, 2), green(5));
    EXPECT_TRUE(p.table.mirror().hand().empty());
    EXPECT_EQ(p.sent(), (std::vector<std::string>{place(1, 3, 2)}));

    // Dropped on a tile, the tile goes into its set if its number fits
    // there; a Red 9 before the Green 5 does not, and goes back to the rack.
    drag(p.table.card(3), middle, part<BoardView>(p.table, "board"), PlayTable::at(3, 2));
    EXPECT_TRUE(p.table.mirror().hand().empty());
    EXPECT_EQ(part<QLabel>(p.table, "label_status")->text(), "A 9 cannot go before a 5.");
    EXPECT_EQ(p.table.card(3)->y(), CardImage::kRestingTop);
    EXPECT_TRUE(p.sent().empty());

    // A board tile laid this turn moves to the cell it is dropped on.
    drag(part<BoardView>(p.table, "board"), PlayTable::at(3, 2), part<BoardView>(p.table, "board"), PlayTable::at(6, 4));
    EXPECT_EQ(p.table.mirror().board().at(6, 4), green(5));
    EXPECT_EQ(p.table.mirror().board().at(3, 2), kNoTile);
    EXPECT_EQ(p.sent(), (std::vector<std::string>{line(msg::swaptilesRequest({1, 6, 4, 3, 2}))}));

    // Dropped on another rack tile, the two change places; off the table it goes back.
    const int before = p.table.card(3)->x();
    drag(p.table.card(2), middle, p.table.card(3), middle);
    EXPECT_EQ(p.table.card(2)->x(), before);
    drag(p.table.card(3), middle, part<QPushButton>(p.table, "button_log"), QPoint(2, 2));
    EXPECT_TRUE(p.table.mirror().hand().empty());
    EXPECT_TRUE(p.sent().empty());
}

TEST(TableMouse, ATileDroppedNearATilesRightEdgeGoesInAfterItAndDWithTilesLaidSaysWhy)
{
    PlayTable p;
    p.myTurn({{1, green(5)}, {2, green(7)}, {3, green(6)}});
    p.pressCard(1);
    p.pressBoard(3, 2);
    p.pressCard(2);
    p.pressBoard(4, 2);
    EXPECT_EQ(p.sent(), (std::vector<std::string>{place(1, 3, 2), place(2, 4, 2)}));
    for (const auto& [slot, code, col] : {std::tuple{1, green(5), 3}, std::tuple{2, green(7), 4}}) {
        p.t.feed(msg::placehistile({1, code, col, 2}));
        p.t.feed(msg::freecard(1, slot));
    }
    EXPECT_FALSE(p.shown("button_draw")); // tiles laid: Finish or Clear
    // Over the right part of the Green 5: the 6 goes after it, the 7 moving along.
    drag(p.table.card(3), QPoint(20, 30), part<BoardView>(p.table, "board"), QPoint(2 * 20 + 15, 30 + 12));
    EXPECT_EQ(p.table.mirror().board().at(4, 2), green(6));
    EXPECT_EQ(p.table.mirror().board().at(5, 2), green(7));
    EXPECT_EQ(p.sent(), (std::vector<std::string>{line(msg::swaptilesRequest({1, 5, 2, 4, 2})), place(3, 4, 2)}));

    QAction* draw = part<QAction>(p.table, "Draw1");
    ASSERT_TRUE(draw->isEnabled());
    draw->trigger();
    EXPECT_TRUE(p.table.chatText().contains(QStringLiteral("You cannot draw with tiles laid this turn")));
    EXPECT_TRUE(p.sent().empty());
}

TEST(TableWindow, StartGameAndExitDuringAGameAskFirst)
{
    PlayTable p;
    p.myTurn({{1, green(5)}});
    const auto answer = [](QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [button] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->button(button)->click();
        });
    };
    answer(QMessageBox::No);
    p.table.StartGame1Click();
    EXPECT_FALSE(p.table.gamestart()->isVisible());
    answer(QMessageBox::Yes);
    p.table.StartGame1Click();
    EXPECT_TRUE(p.table.gamestart()->isVisible());

    // Exit, or the window's close button, asks too.
    answer(QMessageBox::No);
    EXPECT_FALSE(p.table.close());
    answer(QMessageBox::Yes);
    EXPECT_TRUE(p.table.close());
}

TEST(TableSort, TheTwoButtonsSortStablyAndTheRaisedTileMovesWithItsPlace)
{
    PlayTable p;
    p.myTurn({{1, red(5)}, {2, green(5)}, {3, black(13)}, {4, W}, {5, green(1)}});
    EXPECT_TRUE(part<QPushButton>(p.table, "button_bynumber")->isChecked());
    EXPECT_EQ(part<QPushButton>(p.table, "button_bynumber")->toolTip(), "Sort by Numbers");
    EXPECT_EQ(part<QPushButton>(p.table, "button_bysuit")->toolTip(), "Sort by Suits");
    EXPECT_EQ(p.table.sortby(), "1");

    p.pressCard(1); // Red 5, raised
    p.pressCard(3, Qt::NoModifier, Qt::RightButton);
    EXPECT_EQ(rackOrder(p.table), (std::vector<int>{5, 1, 2, 3, 4}));
    EXPECT_EQ(p.table.card(1)->pos(), QPoint(40, CardImage::kRaisedTop));
    EXPECT_TRUE(p.table.mirror().hand().holdsSlot(brixo::RackSlot(1)));
    p.pressCard(1);

    int changed = 0;
    QObject::connect(&p.table, &Tchat::settingsChanged, [&] { ++changed; });
    p.t.sounds.clear();
    QTest::mouseClick(part<QPushButton>(p.table, "button_bysuit"), Qt::LeftButton);
    EXPECT_TRUE(part<QPushButton>(p.table, "button_bysuit")->isChecked());
    EXPECT_FALSE(part<QPushButton>(p.table, "button_bynumber")->isChecked());
    EXPECT_EQ(p.table.sortby(), "2");
    EXPECT_EQ(rackOrder(p.table), (std::vector<int>{5, 2, 1, 3, 4})); // Green 1, Green 5, Red 5, Black 13, wild
    EXPECT_EQ(p.t.sounds, QStringList({"sort"}));

    QTest::mouseClick(part<QPushButton>(p.table, "button_bynumber"), Qt::LeftButton);
    EXPECT_EQ(rackOrder(p.table), (std::vector<int>{5, 2, 1, 3, 4})); // the 5s keep their colour order
    QTest::mouseClick(part<QPushButton>(p.table, "button_bynumber"), Qt::LeftButton); // both up: by code
    EXPECT_FALSE(part<QPushButton>(p.table, "button_bynumber")->isChecked());
    EXPECT_FALSE(part<QPushButton>(p.table, "button_bysuit")->isChecked());
    EXPECT_EQ(p.table.sortby(), "1");
    EXPECT_EQ(changed, 3);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(p.table.card(rackOrder(p.table)[i])->x(), i * 40);
    EXPECT_TRUE(p.sent().empty());

    p.table.applySortby("2");
    EXPECT_TRUE(part<QPushButton>(p.table, "button_bysuit")->isChecked());
    p.table.applySortby("1");
    EXPECT_TRUE(part<QPushButton>(p.table, "button_bynumber")->isChecked());
    EXPECT_FALSE(part<QPushButton>(p.table, "button_bysuit")->isChecked());
}

TEST(TableWindow, TheBoardPanelAlwaysFits)
{
    TableFeed t;
    t.table->resize(300, 200);
    t.table->layout()->activate(); // lay out the hidden window as showing it would
    const QRect panel = part<QFrame>(*t.table, "panel_board")->geometry();
    EXPECT_GE(t.table->centralWidget()->width(), panel.width() + 15);
    EXPECT_GE(t.table->centralWidget()->height(), panel.height() + 12);
}

TEST(TableChatSends, APhraseGoesOnceEveryTwoSecondsAndTypedSlashesFollowTheRules)
{
    PlayTable p;
    part<QPushButton>(p.table, "b_phrase1")->click();
    // The buttons stand greyed while they may not send, then come back.
    EXPECT_FALSE(part<QPushButton>(p.table, "b_phrase2")->isEnabled());
    p.table.b_phrase1Click(2); // too soon after the first, however it is pressed
    part<QLineEdit>(p.table, "mychat")->setText("/help");
    p.table.sendit();
    EXPECT_TRUE(part<QLineEdit>(p.table, "mychat")->text().isEmpty());
    part<QLineEdit>(p.table, "mychat")->setText("/me waves");
    p.table.sendit();
    EXPECT_EQ(p.sent(), (std::vector<std::string>{line(msg::action(1, "says: Way To Go!|clBlack")),
                                                  line(msg::action(1, "waves|clBlack"))}));
    EXPECT_TRUE(waitFor([&] { return part<QPushButton>(p.table, "b_phrase10")->isEnabled(); }));
    part<QPushButton>(p.table, "b_phrase2")->click();
    EXPECT_EQ(p.sent(), (std::vector<std::string>{line(msg::action(1, "says: Good One!|clBlack"))}));
}
