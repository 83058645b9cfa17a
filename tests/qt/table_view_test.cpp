// What the table window shows of its mirror: the words and marks of the
// seats and options, the turn's controls, the board's cells and marks, the
// rack's pictures, and the chat; and that text from the network is never
// read as markup.
#include "tests/qt/tablefeed.h"

#include "dialogs/spylistform.h"
#include "net/catalogue.h"
#include "table/qt/blinksign.h"
#include "table/qt/boardview.h"
#include "table/qt/cardimage.h"
#include "table/qt/roundlinesview.h"
#include "tests/tilecodes.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

using namespace brixo;
using namespace brixo::test;

namespace {

QString caption(const TableFeed& t, const char* name)
{
    const QLabel* label = t.find<QLabel>(name);
    return label ? label->text() : QStringLiteral("<missing>");
}

bool shown(const TableFeed& t, const char* name)
{
    const QWidget* w = t.find<QWidget>(name);
    return w && !w->isHidden();
}

bool samePicture(const QPixmap& a, const QPixmap& b)
{
    return a.toImage() == b.toImage();
}

} // namespace

TEST(TableView, SeatsOptionsAndTheTurnAreShownAsTheMirrorHasThem)
{
    TableFeed t;
    t.login(2, "Cy");
    t.feed(msg::existingplayers(1, "Bob"));
    t.feed(msg::startgame({"Bob", 300, 65, "t", "f", 14}));
    t.feed(msg::startround({12, -4, 0, 0}));
    t.feed(msg::justwatching(1, "1"));
    EXPECT_EQ(caption(t, "label_playername1"), "Bob");
    EXPECT_EQ(caption(t, "label_playername2"), "Cy");
    EXPECT_EQ(caption(t, "label_playername3"), "<Waiting>");
    EXPECT_EQ(caption(t, "label_score2"), "-4");
    EXPECT_TRUE(shown(t, "image_eyes1"));
    EXPECT_TRUE(shown(t, "image_sitout3"));
    EXPECT_EQ(caption(t, "label_playtoscore"), "Play To Score: 300");
    EXPECT_EQ(caption(t, "label_timeperturn"), "Time Per Turn: 1:05");
    EXPECT_EQ(caption(t, "label_tp"), "Time Penalty: ON");
    EXPECT_EQ(caption(t, "label_Tg"), "Good Luck");
    EXPECT_FALSE(shown(t, "image_Tg"));
    EXPECT_FALSE(shown(t, "image_partner4"));

    t.feed(msg::nextplayer({2, 77, {{1, 12, 15}}}));
    EXPECT_EQ(caption(t, "label_status"), "Your Turn.");
    EXPECT_EQ(caption(t, "label_cards1"), "15");
    EXPECT_EQ(caption(t, "label_tilesleft"), "Tile's Left: 77");
    EXPECT_TRUE(shown(t, "button_draw"));
    EXPECT_FALSE(shown(t, "button_finish"));
    EXPECT_TRUE(shown(t, "animated_incomplete"));
    EXPECT_TRUE(part<QTimer>(*t.table, "turntime")->isActive());
    EXPECT_TRUE(t.table->logText().contains("Your Turn."));
    const QLabel* marker = t.find<QLabel>("image_Turn");
    EXPECT_TRUE(shown(t, "image_Turn"));
    EXPECT_NEAR(marker->geometry().center().y(), t.find<QLabel>("label_playername2")->geometry().center().y(), 2);

    t.feed(msg::askpenalty(2));
    EXPECT_TRUE(shown(t, "panel_penalty"));
    EXPECT_FALSE(shown(t, "button_draw"));
    t.feed(msg::gamepause(1));
    EXPECT_TRUE(part<QPushButton>(*t.table, "button_pause")->isChecked());
    EXPECT_TRUE(shown(t, "image_pause") && shown(t, "image_cover"));
    EXPECT_FALSE(part<QTimer>(*t.table, "turntime")->isActive());
    t.feed(msg::endround({1, {{2, -20, -20, 5}}}));
    EXPECT_EQ(caption(t, "label_status"), "Bob is out of tiles! The Round is Over.");
    EXPECT_EQ(caption(t, "label_bonus2"), "-20");
    EXPECT_FALSE(shown(t, "image_pause"));
    EXPECT_FALSE(shown(t, "image_Turn"));
    EXPECT_FALSE(shown(t, "panel_penalty"));
    t.feed(msg::winner("Bob"));
    EXPECT_TRUE(shown(t, "panel_winner"));
    EXPECT_EQ(caption(t, "label_winner1"), "Bob has Won the Game!");
    EXPECT_FALSE(shown(t, "button_start")); // a joiner never starts games

    // In a team game the partner's seat is marked.
    t.feed(msg::startgame({"Bob", 300, 65, "t", "t", 14}));
    EXPECT_TRUE(shown(t, "image_partner4"));
    EXPECT_FALSE(shown(t, "image_partner1") || shown(t, "image_partner2") || shown(t, "image_partner3"));
}

TEST(TableView, TheBoardAndItsMarksAndTheRacksPicturesFollowTheMirror)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::existingplayers(2, "Cy"));
    t.feed(msg::yourtiles(1, {{4, green(5)}, {9, W}, {1, black(13)}}));
    const std::vector<int> order{4, 9, 1};
    for (int i = 0; i < 3; ++i) {
        const CardImage* card = t.table->card(order[i]);
        ASSERT_NE(card, nullptr);
        EXPECT_EQ(card->objectName(), QString("card%1").arg(order[i]));
        EXPECT_EQ(card->pos(), QPoint(i * 40, CardImage::kRestingTop));
        EXPECT_FALSE(card->isHidden());
    }
    EXPECT_TRUE(samePicture(t.table->card(9)->pixmap(), t.table->pictures().big(W)));
    t.feed(msg::freecard(1, 4));
    EXPECT_EQ(t.table->card(4), nullptr);
    EXPECT_EQ(t.table->card(9)->pos(), QPoint(0, CardImage::kRestingTop));

    for (int c = 3; c <= 5; ++c) t.feed(msg::placehistile({2, red(c), c, 2}));
    t.feed(msg::movedtiles({2, 12, 12, {{3, 2, red(3)}, {4, 2, red(4)}, {5, 2, red(5)}}}));
    BoardView* board = part<BoardView>(*t.table, "board");
    EXPECT_EQ(board->shownTile({4, 2}), red(4));
    EXPECT_TRUE(board->showsMark({4, 2}));
    EXPECT_EQ(caption(t, "label_score2"), "+12");
    t.feed(msg::placehistile({2, black(8), 10, 8}));
    EXPECT_FALSE(board->showsMark({4, 2}));
    EXPECT_EQ(board->shownTile({10, 8}), black(8));
    t.feed(msg::startround({0, 0, 0, 0}));
    EXPECT_EQ(board->shownTile({4, 2}), kNoTile);
    EXPECT_EQ(t.table->card(9), nullptr);
    EXPECT_TRUE(t.table->findChildren<CardImage*>().isEmpty());
}

// Hint (H) marks the rack tiles of the best play and says it in the chat,
// until the turn passes; a table that only watches has no hint.
TEST(TableView, TheHintMarksTheTilesToLayAndSaysThePlay)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::existingplayers(2, "Cy"));
    t.feed(msg::startgame({"You", 500, 60, "t", "f", 14}));
    t.feed(msg::yourtiles(1, {{1, red(10)}, {2, green(1)}, {3, red(11)}, {4, red(12)}}));
    t.feed(msg::nextplayer({1, 70, {}}));
    EXPECT_EQ(part<QAction>(*t.table, "Hint1")->shortcut(), QKeySequence(Qt::Key_H));
    part<QAction>(*t.table, "Hint1")->trigger();
    for (const int slot : {1, 3, 4}) EXPECT_TRUE(t.table->card(slot)->marked()) << slot;
    EXPECT_FALSE(t.table->card(2)->marked());
    EXPECT_TRUE(t.table->chatText().contains("Lay Red 10, 11, 12 as a new run (33 points)."));
    EXPECT_EQ(t.table->mirror().board().tileCount(), 0);

    t.feed(msg::nextplayer({2, 70, {}}));
    EXPECT_FALSE(t.table->card(1)->marked());
    t.feed(msg::justwatching(1, "1"));
    EXPECT_FALSE(part<QAction>(*t.table, "Hint1")->isEnabled());
}

TEST(TableView, TextFromTheNetworkIsShownAsPlainText)
{
    const std::string hostile = "<span style=\"font-size:28px;color:red\">EVE</span><img src=\"/x.png\">";
    TableFeed t;
    t.login(1);
    t.feed(msg::newplayerinfo(2, hostile));
    t.feed(msg::newplayerinfo(6, hostile));
    t.feed(msg::nextplayer({2, 70, {}}));
    t.feed(msg::placehistile({2, red(3), 3, 3}));
    t.feed(msg::winner(hostile));
    for (const char* name : {"label_playername1", "label_playername2", "label_playername3", "label_playername4",
                             "label_status", "label_played", "label_winner1", "label_winner2"})
        EXPECT_EQ(t.find<QLabel>(name)->textFormat(), Qt::PlainText) << name;
    const QString name = QString::fromStdString(hostile);
    EXPECT_EQ(caption(t, "label_playername2"), name);
    EXPECT_EQ(caption(t, "label_status"), name + "'s turn.");
    EXPECT_EQ(caption(t, "label_played"), name + " played a Red 3.");
    EXPECT_EQ(t.table->spylist()->entries(), QStringList({"6: " + name}));
    // The chat shows the markup's characters, not what they describe.
    EXPECT_TRUE(t.table->chatText().contains(name + " is Connected."));
    t.feed(msg::chatRelay(hostile, "hi|clBlue"));
    EXPECT_TRUE(t.table->chatText().contains(name));
    EXPECT_FALSE(part<QTextEdit>(*t.table, "mainchat")->toHtml().contains("<img"));
}

TEST(TableView, NoticesGoToTheChatInTheNoticeColourAndRelayedChatKeepsItsOwn)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::havewrongversion("Bob"));
    t.feed(msg::nomoretiles());
    EXPECT_TRUE(t.table->chatText().contains("Bob has a different version of the game then you."));
    EXPECT_TRUE(t.table->chatText().contains("There are no tiles left"));
    EXPECT_TRUE(part<QTextEdit>(*t.table, "mainchat")->toHtml().contains("color:#008000"));
    t.feed(msg::chatRelay("Bob", "hi all|clBlue"));
    t.feed(msg::chatRelay("Eve", "no colour here"));
    EXPECT_TRUE(t.table->chatText().contains("Bob chats: hi all"));
    const QString html = part<QTextEdit>(*t.table, "mainchat")->toHtml();
    EXPECT_TRUE(html.contains("color:#0000ff"));
    EXPECT_TRUE(html.contains("color:#ff0000")); // no colour given: red
    EXPECT_TRUE(html.contains("font-weight:700"));
}

TEST(TableView, TheClockBarShrinksAndTheLabelTurnsRedUnderTwentySeconds)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::startgame({"You", 500, 60, "t", "f", 14}));
    t.feed(msg::nextplayer({1, 70, {}}));
    const int track = part<QFrame>(*t.table, "image_timer")->parentWidget()->width();
    EXPECT_EQ(part<QFrame>(*t.table, "image_timer")->width(), track);
    EXPECT_EQ(part<QLabel>(*t.table, "label_timer")->text(), "Time: 1:00");
    for (int i = 0; i < 40; ++i) t.table->turntimeTimer();
    EXPECT_EQ(part<QLabel>(*t.table, "label_timer")->text(), "Time: 0:20");
    EXPECT_FALSE(part<QLabel>(*t.table, "label_timer")->styleSheet().contains("#ff0000"));
    t.table->turntimeTimer();
    EXPECT_TRUE(part<QLabel>(*t.table, "label_timer")->styleSheet().contains("#ff0000"));
    EXPECT_EQ(part<QFrame>(*t.table, "image_timer")->width(), (track * 19 + 59) / 60); // rounded up
    t.feed(msg::nextplayer({2, 69, {}}));
    EXPECT_FALSE(part<QLabel>(*t.table, "label_timer")->styleSheet().contains("#ff0000"));
}

TEST(TableView, ThePenaltyQuestionNamesTheFirstBadSetInSightAndARoundEndsWithItsResult)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::existingplayers(2, "Klot"));
    t.feed(msg::startgame({"You", 500, 60, "t", "f", 14}));
    t.feed(msg::yourtiles(1, {{1, green(5)}, {2, red(5)}, {3, red(6)}}));
    t.feed(msg::nextplayer({1, 70, {}}));
    for (int row : {3, 10}) {
        t.feed(msg::placehistile({1, red(5), 3, row}));
        t.feed(msg::placehistile({1, red(6), 4, row}));
        EXPECT_EQ(part<BoardView>(*t.table, "board")->problemAt({4, row}), "Only two tiles.");
        t.feed(msg::askpenalty(1));
        EXPECT_EQ(caption(t, "penalty_set"), "Red 5, Red 6: only two tiles.");
        const QRect set = part<BoardView>(*t.table, "board")->cellRect({3, row}).united(part<BoardView>(*t.table, "board")->cellRect({4, row}));
        EXPECT_FALSE(part<QFrame>(*t.table, "panel_penalty")->geometry().intersects(set.translated(part<BoardView>(*t.table, "board")->pos()))) << row;
        t.feed(msg::undothemNotice(1, {{3, row, 0}, {4, row, 0}}));
    }

    t.feed(msg::endround({2, {{1, -20, -20, 5}, {2, 45, 20, 0}}}));
    t.feed(msg::roundrack({1, {red(6), green(5), W, red(5), black(2)}}));
    EXPECT_TRUE(shown(t, "panel_round"));
    const auto* lines = t.find<RoundLinesView>("round_lines");
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->text(), "You: 5 tiles left, -20 points.\nKlot: 0 tiles left, +20 points.");
    ASSERT_EQ(lines->rows().size(), 2u);
    EXPECT_EQ(lines->rows()[0].points, "-20 points");
    EXPECT_EQ(lines->rows()[0].tiles, (std::vector<int>{black(2), green(5), red(5), red(6), W}));
    EXPECT_TRUE(lines->rows()[1].tiles.empty());
    // The game's end shows the winner over the racks, both on the board.
    t.feed(msg::winner("Klot"));
    const QRect board = part<BoardView>(*t.table, "board")->geometry();
    const QRect round = part<QFrame>(*t.table, "panel_round")->geometry();
    const QRect winner = part<QFrame>(*t.table, "panel_winner")->geometry();
    EXPECT_TRUE(shown(t, "panel_round") && shown(t, "panel_winner"));
    EXPECT_FALSE(round.intersects(winner));
    EXPECT_TRUE(board.adjusted(-10, -10, 10, 10).contains(round));
    t.feed(msg::startgame({"You", 500, 60, "t", "f", 14}));
    EXPECT_FALSE(shown(t, "panel_round"));
}
