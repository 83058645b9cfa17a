// Playing with the mouse at a table connected to a stand-in server that
// records every line the table sends.
#include "tests/qt/tablefeed.h"
#include "tests/qt/waitfor.h"

#include "net/catalogue.h"
#include "net/qt/tsock.h"
#include "net/qt/tsocklistener.h"
#include "table/blinksign.h"
#include "table/boardview.h"
#include "table/cardimage.h"
#include "tests/tilecodes.h"

#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>
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
        table.mychat->setText(QStringLiteral("mark"));
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
        QTest::mouseClick(table.board, button, Qt::NoModifier, at(col, row));
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
    QTest::mouseClick(p.table.board, Qt::LeftButton, Qt::NoModifier, QPoint(14, 24));
    EXPECT_EQ(p.table.grid().at(1, 1), green(5));
    p.pressCard(2);
    QTest::mouseClick(p.table.board, Qt::LeftButton, Qt::NoModifier, QPoint(15, 85));
    EXPECT_EQ(p.table.grid().at(2, 4), orange(5));
    p.pressCard(3);
    QTest::mouseClick(p.table.board, Qt::LeftButton, Qt::NoModifier, QPoint(434, 354));
    EXPECT_EQ(p.table.grid().at(22, 12), red(5));
    EXPECT_TRUE(p.table.card(3)->isHidden()); // waits for the server to free it
    EXPECT_EQ(p.sent(), (std::vector<std::string>{place(1, 1, 1), place(2, 2, 4), place(3, 22, 12)}));

    // Column 23 and row 13 take nothing; the tile stays in the hand.
    p.pressCard(4);
    QTest::mouseClick(p.table.board, Qt::LeftButton, Qt::NoModifier, QPoint(435, 100));
    QTest::mouseClick(p.table.board, Qt::LeftButton, Qt::NoModifier, QPoint(100, 355));
    EXPECT_EQ(p.table.handSlot(), 4);
    EXPECT_EQ(p.table.grid().tileCount(), 3);
    EXPECT_TRUE(p.sent().empty());

    // A right press puts it back.
    p.t.sounds.clear();
    QTest::mouseClick(p.table.board, Qt::RightButton, Qt::NoModifier, QPoint(435, 100));
    EXPECT_EQ(p.table.handSlot(), -1);
    EXPECT_EQ(p.table.card(4)->y(), CardImage::kRestingTop);
    EXPECT_EQ(p.t.sounds, QStringList({"clearcard"}));
    EXPECT_TRUE(p.sent().empty());
}

TEST(TableMouse, TheOrderCheckIgnoresPressesThatBreakTheNumbersAndWildTilesGoAnywhere)
{
    PlayTable p;
    p.myTurn({{1, green(5)}, {2, W}, {3, green(13)}});
    p.t.feed(msg::loadboard(1, {{3, 2, red(3)}, {5, 2, red(7)}, {8, 3, red(6)}, {12, 3, red(4)}, {14, 5, black(13)}}));

    p.pressCard(1);
    p.pressBoard(9, 3); // right of a 6
    p.pressBoard(11, 3); // left of a 4
    EXPECT_EQ(p.table.handSlot(), 1);
    EXPECT_TRUE(p.t.sounds.filter("placecard").isEmpty()); // refused silently
    p.pressBoard(4, 2); // between a 3 and a 7
    EXPECT_EQ(p.table.grid().at(4, 2), green(5));
    EXPECT_EQ(p.table.handSlot(), -1);

    p.pressCard(3);
    p.pressBoard(13, 5); // a King left of a King
    EXPECT_EQ(p.table.grid().at(13, 5), green(13));
    p.pressCard(2);
    p.pressBoard(9, 3);
    EXPECT_EQ(p.table.grid().at(9, 3), W);
    EXPECT_EQ(p.sent(), (std::vector<std::string>{place(1, 4, 2), place(3, 13, 5), place(2, 9, 3)}));
}

TEST(TableMouse, ShiftCompletesARunOnlyWithBothPartnersAndRoomToTheRight)
{
    PlayTable p;
    p.myTurn({{1, green(7)}, {2, green(5)}, {3, red(9)}, {4, green(6)}, {5, red(10)}, {6, black(2)}});

    p.pressCard(2, Qt::ShiftModifier);
    EXPECT_EQ(p.table.completionMode(), "s");
    p.pressBoard(4, 3);
    EXPECT_EQ(p.table.grid().at(4, 3), green(5));
    EXPECT_EQ(p.table.grid().at(5, 3), green(6));
    EXPECT_EQ(p.table.grid().at(6, 3), green(7));
    EXPECT_TRUE(p.table.card(4)->isHidden());
    EXPECT_TRUE(p.table.card(1)->isHidden());
    EXPECT_EQ(p.sent(), (std::vector<std::string>{place(2, 4, 3), place(4, 5, 3), place(1, 6, 3)}));
    EXPECT_EQ(p.t.sounds, QStringList({"clickcard", "placecard"}));
    EXPECT_FALSE(p.table.animated_incomplete->isPlaying());

    // Red 9 with only the Red 10 in the rack: the 9 alone.
    p.pressCard(3, Qt::ShiftModifier);
    p.pressBoard(4, 6);
    EXPECT_EQ(p.table.grid().at(5, 6), kNoTile);
    EXPECT_EQ(p.sent(), (std::vector<std::string>{place(3, 4, 6)}));
    EXPECT_TRUE(p.table.animated_incomplete->isPlaying());
}

TEST(TableMouse, CompletionNeedsTwoFreeCellsInsideTheBoard)
{
    PlayTable p;
    p.myTurn({{1, green(5)}, {2, green(6)}, {3, green(7)}, {4, red(5)}, {5, red(6)}, {6, red(7)}});
    p.t.feed(msg::loadboard(1, {{6, 2, black(1)}}));

    p.pressCard(1, Qt::ShiftModifier);
    p.pressBoard(21, 1); // column 23 does not exist
    p.pressCard(4, Qt::ShiftModifier);
    p.pressBoard(4, 2); // column 6 is taken
    EXPECT_EQ(p.sent(), (std::vector<std::string>{place(1, 21, 1), place(4, 4, 2)}));

    // The next selection without Shift places one tile.
    p.pressCard(2);
    EXPECT_EQ(p.table.completionMode(), "n");
    p.pressBoard(8, 8);
    EXPECT_EQ(p.sent(), (std::vector<std::string>{place(2, 8, 8)}));
}

TEST(TableMouse, CtrlCompletesAGroupOfThreeColoursButNeverTwoOfOneColour)
{
    PlayTable p;
    p.myTurn({{1, black(8)}, {2, red(8)}, {3, black(8)}, {4, green(4)}, {5, orange(4)}, {6, red(4)}, {7, orange(4)}});

    p.pressCard(2, Qt::ControlModifier);
    EXPECT_EQ(p.table.completionMode(), "c");
    p.pressBoard(3, 1);
    EXPECT_EQ(p.sent(), (std::vector<std::string>{place(2, 3, 1)})); // the second Black 8 matches the first

    // Ctrl wins over Shift.
    p.pressCard(6, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(p.table.completionMode(), "c");
    p.pressBoard(3, 4);
    EXPECT_EQ(p.sent(), (std::vector<std::string>{place(6, 3, 4), place(4, 4, 4), place(5, 5, 4)}));
    EXPECT_EQ(p.table.grid().at(5, 4), orange(4));
}

TEST(TableMouse, ABoardTilePickedUpAndPutBackSendsNothingAndMovingItSendsTheSwap)
{
    PlayTable p;
    p.myTurn({{1, green(2)}});
    p.t.feed(msg::loadboard(1, {{6, 6, red(9)}, {7, 6, red(10)}, {8, 6, red(11)}}));

    p.pressBoard(6, 6);
    EXPECT_EQ(p.table.handSlot(), Tchat::kBoardTileSlot);
    EXPECT_EQ(p.table.handCode(), QString::number(red(9)));
    EXPECT_EQ(p.table.grid().at(6, 6), kNoTile);
    EXPECT_TRUE(p.table.animated_incomplete->isPlaying()); // two tiles left in the row
    EXPECT_FALSE(p.table.draggingimage->isHidden());
    EXPECT_EQ(p.t.sounds, QStringList({"clickcard"}));

    // While it is held the rack and the turn buttons refuse.
    p.pressCard(1);
    p.table.button_finishClick();
    p.table.button_drawClick();
    p.table.button_clearClick();
    EXPECT_TRUE(p.table.chatText().contains(
        "You cannot select a new tile when you have a tile from the board in your hand."));
    EXPECT_TRUE(p.table.chatText().contains("You cannot end your turn when you have a tile in your hand."));
    EXPECT_TRUE(p.table.chatText().contains("You cannot draw a tile when you have a tile in your hand."));
    EXPECT_TRUE(p.table.chatText().contains("You cannot clear when you have a tile in your hand."));
    EXPECT_EQ(p.t.sounds.count("nocando"), 4);
    EXPECT_EQ(p.table.card(1)->y(), CardImage::kRestingTop);

    p.pressBoard(6, 6); // its own cell
    EXPECT_EQ(p.table.grid().at(6, 6), red(9));
    EXPECT_EQ(p.table.handSlot(), -1);
    EXPECT_FALSE(p.table.animated_incomplete->isPlaying());
    EXPECT_TRUE(p.sent().empty());

    // A right press anywhere returns it too.
    p.pressBoard(8, 6);
    p.pressBoard(2, 2, Qt::RightButton);
    EXPECT_EQ(p.table.grid().at(8, 6), red(11));
    EXPECT_TRUE(p.sent().empty());

    // Moved to a free cell that keeps the order: one swap, origin first cleared.
    p.pressBoard(6, 6);
    p.pressBoard(10, 6); // right of nothing lower? column 9 is empty: fits
    EXPECT_EQ(p.table.grid().at(10, 6), red(9));
    EXPECT_EQ(p.table.grid().at(6, 6), kNoTile);
    EXPECT_EQ(p.table.handCol(), -1);
    EXPECT_EQ(p.sent(), (std::vector<std::string>{line(msg::swaptilesRequest({1, 10, 6, 6, 6}))}));

    // The server's echo changes nothing further; a differing echo repaints.
    p.t.feed(msg::swaptilesNotice({1, 10, 6, 6, 6, red(9)}));
    EXPECT_EQ(p.table.grid().at(10, 6), red(9));
    p.t.feed(msg::placehistile({1, green(2), 3, 3}));
    EXPECT_EQ(p.table.grid().at(3, 3), green(2));
}

TEST(TableMouse, ARightPressOnATileAsksForItBackAndChangesNothingHere)
{
    PlayTable p;
    p.myTurn({{1, green(2)}});
    p.t.feed(msg::loadboard(1, {{4, 4, red(9)}}));
    p.pressBoard(4, 4, Qt::RightButton);
    p.pressBoard(5, 4, Qt::RightButton); // an empty cell: nothing
    EXPECT_EQ(p.table.grid().at(4, 4), red(9));
    EXPECT_EQ(p.sent(), (std::vector<std::string>{line(msg::replacetile({1, 4, 4}))}));
}

TEST(TableMouse, NobodyButTheTurnSeatPlaysAndAnyPressDismissesTheNotices)
{
    PlayTable p;
    p.myTurn({{1, green(2)}});
    p.t.feed(msg::loadboard(1, {{4, 4, red(9)}}));
    p.t.feed(msg::nextplayer({2, 70, {}}));
    p.pressCard(1);
    EXPECT_EQ(p.table.handSlot(), -1);
    p.table.panel_laydown->show();
    p.pressBoard(4, 4);
    p.pressBoard(4, 4, Qt::RightButton);
    EXPECT_TRUE(p.table.panel_laydown->isHidden());
    EXPECT_EQ(p.table.grid().at(4, 4), red(9));
    p.table.button_finishClick();
    p.table.button_yesClick();
    p.table.button_editClick();
    EXPECT_TRUE(p.table.button_clear->isHidden());
    EXPECT_TRUE(p.sent().empty());

    // The right press still sorts the rack.
    p.t.sounds.clear();
    p.pressCard(1, Qt::NoModifier, Qt::RightButton);
    EXPECT_EQ(p.t.sounds, QStringList({"sort"}));
}

TEST(TableMouse, PressingTheRaisedTileLowersItAndPressingAnotherSwapsTheirPlaces)
{
    PlayTable p;
    p.myTurn({{7, green(2)}, {3, red(4)}, {9, black(6)}});

    p.pressCard(7, Qt::ShiftModifier);
    EXPECT_EQ(p.table.card(7)->y(), CardImage::kRaisedTop);
    EXPECT_EQ(p.table.handSlot(), 7);
    p.pressCard(7);
    EXPECT_EQ(p.table.card(7)->y(), CardImage::kRestingTop);
    EXPECT_EQ(p.table.handSlot(), -1);
    EXPECT_EQ(p.table.completionMode(), "n");

    p.t.sounds.clear();
    p.pressCard(7);
    p.pressCard(9);
    EXPECT_EQ(rackOrder(p.table), (std::vector<int>{9, 3, 7}));
    EXPECT_EQ(p.table.card(9)->pos(), QPoint(0, CardImage::kRestingTop));
    EXPECT_EQ(p.table.card(7)->pos(), QPoint(80, CardImage::kRestingTop));
    EXPECT_EQ(p.table.handSlot(), -1);
    EXPECT_EQ(p.t.sounds, QStringList({"clickcard", "sort"}));
    EXPECT_TRUE(p.sent().empty()); // the server's slots do not move
}

TEST(TableMouse, TheHeldCardStaysRaisedWhenAnotherLeavesTheRack)
{
    PlayTable p;
    p.myTurn({{1, green(2)}, {2, green(3)}, {3, green(4)}});
    p.pressCard(1);
    p.pressBoard(3, 3);
    p.pressCard(3);
    p.t.feed(msg::freecard(1, 1));
    EXPECT_EQ(p.table.card(3)->pos(), QPoint(40, CardImage::kRaisedTop));
    p.pressBoard(4, 3);
    EXPECT_EQ(p.table.grid().at(4, 3), green(4));
}

TEST(TableMouse, TheDragImageFollowsThePointerWhileATileIsHeld)
{
    PlayTable p;
    p.myTurn({{1, green(2)}});
    p.table.boardMouseMove(50, 60);
    EXPECT_TRUE(p.table.draggingimage->isHidden());
    p.pressCard(1);
    EXPECT_FALSE(p.table.draggingimage->isHidden());
    EXPECT_EQ(p.table.draggingimage->property("tag").toInt(), green(2));
    p.table.boardMouseMove(50, 60);
    EXPECT_EQ(p.table.draggingimage->pos(), p.table.board->pos() + QPoint(53, 63));
    EXPECT_EQ(p.table.board->cursor().shape(), Qt::PointingHandCursor);
    p.pressBoard(5, 5, Qt::RightButton);
    EXPECT_TRUE(p.table.draggingimage->isHidden());
    p.table.boardMouseMove(50, 60);
    EXPECT_NE(p.table.board->cursor().shape(), Qt::PointingHandCursor);
}

TEST(TableButtons, FinishDrawClearAndThePanelsSendTheirRequests)
{
    PlayTable p;
    p.myTurn({{1, green(2)}});
    p.table.button_drawClick();
    EXPECT_TRUE(p.table.button_draw->isHidden());
    EXPECT_EQ(p.sent(), (std::vector<std::string>{line(msg::drawcard(1))}));

    p.t.feed(msg::nextplayer({1, 70, {}}));
    p.pressCard(1);
    p.pressBoard(2, 2);
    p.sent();
    p.table.button_clearClick();
    EXPECT_EQ(p.sent(), (std::vector<std::string>{line(msg::undothemRequest(1))}));
    p.t.feed(msg::undothemNotice(1, {{2, 2, 0}}));
    EXPECT_FALSE(p.table.animated_incomplete->isPlaying());

    p.table.button_finishClick();
    EXPECT_EQ(p.sent(), (std::vector<std::string>{line(msg::finish(1))}));
    p.t.feed(msg::askpenalty(1));
    EXPECT_TRUE(p.shown("panel_penalty"));
    p.t.sounds.clear();
    QTest::mouseClick(p.table.button_edit, Qt::LeftButton);
    EXPECT_FALSE(p.shown("panel_penalty"));
    EXPECT_TRUE(p.shown("button_clear"));
    EXPECT_TRUE(p.shown("button_finish"));
    EXPECT_EQ(p.t.sounds, QStringList({"pressedit"}));

    p.t.feed(msg::askpenalty(1));
    QTest::mouseClick(p.table.button_yes, Qt::LeftButton);
    EXPECT_FALSE(p.shown("panel_penalty"));
    EXPECT_EQ(p.t.sounds.last(), "pressyes");
    EXPECT_EQ(p.sent(), (std::vector<std::string>{line(msg::clickyes(1))}));

    p.t.feed(msg::notenough(1));
    QTest::mouseClick(p.table.image_edit2, Qt::LeftButton);
    EXPECT_FALSE(p.shown("panel_laydown"));
    EXPECT_EQ(p.t.sounds.last(), "pressedit");
    EXPECT_TRUE(p.sent().empty());
}

TEST(TableButtons, PauseFollowsTheServerAndANewTurnClearsIt)
{
    PlayTable p;
    p.myTurn({{1, green(2)}});
    QTest::mouseClick(p.table.button_pause, Qt::LeftButton);
    EXPECT_EQ(p.sent(), (std::vector<std::string>{line(msg::pause(1, 1))}));
    EXPECT_FALSE(p.table.button_pause->isChecked()); // until the server says so
    p.t.feed(msg::gamepause(1));
    EXPECT_TRUE(p.table.button_pause->isChecked());
    QTest::mouseClick(p.table.button_pause, Qt::LeftButton);
    EXPECT_EQ(p.sent(), (std::vector<std::string>{line(msg::pause(1, 0))}));

    // The turn ends while paused; the server starts the next turn's clock
    // without a resume message.
    p.t.feed(msg::nextplayer({2, 69, {}}));
    EXPECT_FALSE(p.table.button_pause->isChecked());
    EXPECT_FALSE(p.shown("image_pause"));
    EXPECT_FALSE(p.shown("image_cover"));
    EXPECT_TRUE(p.table.turntime->isActive());

    // And a round that ends while paused leaves nothing paused.
    p.t.feed(msg::gamepause(1));
    p.t.feed(msg::endround({0, {}}));
    EXPECT_FALSE(p.shown("image_pause"));
    EXPECT_FALSE(p.table.button_pause->isChecked());
}

TEST(TableClock, TheBarIsFullAtTheStartAndTheLabelTurnsRedUnderTwentySeconds)
{
    PlayTable p;
    p.myTurn({});
    EXPECT_EQ(p.table.image_timer->width(), 180);
    EXPECT_EQ(p.table.label_timer->text(), "Time: 1:00");
    for (int i = 0; i < 40; ++i) p.table.turntimeTimer();
    EXPECT_EQ(p.table.label_timer->text(), "Time: 0:20");
    EXPECT_FALSE(p.table.label_timer->styleSheet().contains("#ff0000"));
    p.table.turntimeTimer();
    EXPECT_TRUE(p.table.label_timer->styleSheet().contains("#ff0000"));
    EXPECT_EQ(p.table.image_timer->width(), 3 * 19);
    p.t.feed(msg::nextplayer({2, 69, {}}));
    EXPECT_FALSE(p.table.label_timer->styleSheet().contains("#ff0000"));
}

TEST(TableSort, TheTwoButtonsSortStablyAndTheRaisedTileMovesWithItsPlace)
{
    PlayTable p;
    p.myTurn({{1, red(5)}, {2, green(5)}, {3, black(13)}, {4, W}, {5, green(1)}});
    EXPECT_TRUE(p.table.button_bynumber->isChecked());
    EXPECT_EQ(p.table.button_bynumber->toolTip(), "Sort by Numbers");
    EXPECT_EQ(p.table.button_bysuit->toolTip(), "Sort by Suits");
    EXPECT_EQ(p.table.sortby(), "1");

    p.pressCard(1); // Red 5, raised
    p.pressCard(3, Qt::NoModifier, Qt::RightButton);
    EXPECT_EQ(rackOrder(p.table), (std::vector<int>{5, 1, 2, 3, 4}));
    EXPECT_EQ(p.table.card(1)->pos(), QPoint(40, CardImage::kRaisedTop));
    EXPECT_EQ(p.table.handSlot(), 1);
    p.pressCard(1);

    int changed = 0;
    QObject::connect(&p.table, &Tchat::settingsChanged, [&] { ++changed; });
    p.t.sounds.clear();
    QTest::mouseClick(p.table.button_bysuit, Qt::LeftButton);
    EXPECT_TRUE(p.table.button_bysuit->isChecked());
    EXPECT_FALSE(p.table.button_bynumber->isChecked());
    EXPECT_EQ(p.table.sortby(), "2");
    EXPECT_EQ(rackOrder(p.table), (std::vector<int>{5, 2, 1, 3, 4})); // Green 1, Green 5, Red 5, Black 13, wild
    EXPECT_EQ(p.t.sounds, QStringList({"sort"}));

    QTest::mouseClick(p.table.button_bynumber, Qt::LeftButton);
    EXPECT_EQ(rackOrder(p.table), (std::vector<int>{5, 2, 1, 3, 4})); // the 5s keep their colour order
    QTest::mouseClick(p.table.button_bynumber, Qt::LeftButton); // both up: by code
    EXPECT_FALSE(p.table.button_bynumber->isChecked());
    EXPECT_FALSE(p.table.button_bysuit->isChecked());
    EXPECT_EQ(p.table.sortby(), "1");
    EXPECT_EQ(changed, 3);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(p.table.card(rackOrder(p.table)[i])->x(), i * 40);
    EXPECT_TRUE(p.sent().empty());

    p.table.applySortby("2");
    EXPECT_TRUE(p.table.button_bysuit->isChecked());
    p.table.applySortby("1");
    EXPECT_TRUE(p.table.button_bynumber->isChecked());
    EXPECT_FALSE(p.table.button_bysuit->isChecked());
}

TEST(TableWindow, TheBoardPanelAlwaysFitsAndResetRestoresTheDefaultPlace)
{
    TableFeed t;
    t.table->resize(300, 200);
    t.table->layout()->activate(); // lay out the hidden window as showing it would
    const QRect panel = t.table->panel_board->geometry();
    EXPECT_GE(t.table->centralWidget()->width(), panel.width() + 15);
    EXPECT_GE(t.table->centralWidget()->height(), panel.height() + 12);
    t.table->move(200, 150);
    t.table->ResetScreenLocation1->trigger();
    EXPECT_EQ(t.table->size(), QSize(775, 580));
    EXPECT_EQ(t.table->pos(), QPoint(3, 3));
}
