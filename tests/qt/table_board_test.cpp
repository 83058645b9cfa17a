// The board mirror, the marks of the last turn and the player's rack, as
// the server's messages change them.
#include "tests/qt/tablefeed.h"

#include "net/catalogue.h"
#include "table/blinksign.h"
#include "table/boardview.h"
#include "table/cardimage.h"
#include "tests/tilecodes.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace brixo;
using namespace brixo::test;

namespace {

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

TEST(TableRack, DealtTilesTakeTheLeftmostPlacesInOrder)
{
    TableFeed t;
    t.login(2, "Cy");
    t.feed(msg::yourtiles(2, {{4, green(5)}, {9, W}, {1, black(13)}}));
    EXPECT_EQ(rackOrder(*t.table), (std::vector<int>{4, 9, 1}));
    EXPECT_EQ(t.sounds, QStringList({"getcard"}));
    for (int i = 0; i < 3; ++i) {
        const int slot = std::vector<int>{4, 9, 1}[i];
        const CardImage* card = t.table->card(slot);
        ASSERT_NE(card, nullptr);
        EXPECT_EQ(card->objectName(), QString("card%1").arg(slot));
        EXPECT_EQ(card->tag(), slot);
        EXPECT_EQ(card->pos(), QPoint(i * 40, 8));
        EXPECT_EQ(card->size(), QSize(40, 60));
    }
    EXPECT_EQ(t.table->card(9)->hint(), "53");
    EXPECT_TRUE(samePicture(t.table->card(4)->pixmap(), t.table->pictures().big(green(5))));
    EXPECT_TRUE(samePicture(t.table->card(9)->pixmap(), t.table->pictures().big(W)));

    // Later tiles go after them; another seat's tiles are not ours.
    t.feed(msg::yourtiles(1, {{2, red(1)}}));
    t.feed(msg::yourtiles(2, {{2, red(1)}}));
    EXPECT_EQ(rackOrder(*t.table), (std::vector<int>{4, 9, 1, 2}));
    EXPECT_EQ(t.table->card(2)->pos(), QPoint(120, 8));

    // An empty list still sounds.
    t.sounds.clear();
    t.feed(msg::yourtiles(2, {}));
    EXPECT_EQ(t.sounds, QStringList({"getcard"}));
}

TEST(TableRack, AFreedTileLeavesAndTheRestMoveLeft)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::yourtiles(1, {{1, green(1)}, {2, green(2)}, {3, green(3)}, {4, green(4)}}));
    t.table->card(4)->move(t.table->card(4)->x(), CardImage::kRaisedTop);
    t.feed(msg::freecard(2, 2)); // another seat's: ignored
    EXPECT_EQ(rackOrder(*t.table), (std::vector<int>{1, 2, 3, 4}));
    t.feed(msg::freecard(1, 2));
    EXPECT_EQ(t.table->card(2), nullptr);
    EXPECT_EQ(rackOrder(*t.table), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(t.table->card(3)->pos(), QPoint(40, 8));
    EXPECT_EQ(t.table->card(4)->pos(), QPoint(80, 8)); // a raised tile comes down
    t.feed(msg::freecard(1, 2)); // already gone: skipped
    EXPECT_EQ(rackOrder(*t.table), (std::vector<int>{1, 3, 4}));
}

TEST(TableRack, ATileForASlotAlreadyShownReplacesItsPicture)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::yourtiles(1, {{1, green(1)}, {2, green(2)}}));
    t.feed(msg::yourtiles(1, {{1, red(9)}}));
    EXPECT_EQ(rackOrder(*t.table), (std::vector<int>{2, 1}));
    EXPECT_EQ(t.table->card(1)->hint(), QString::number(red(9)));
    EXPECT_EQ(t.table->findChildren<CardImage*>().size(), 2);
}

TEST(TableRack, RoundStartEmptiesRackAndBoard)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::yourtiles(1, {{1, green(1)}, {2, green(2)}}));
    t.feed(msg::placehistile({2, red(4), 5, 5}));
    t.feed(msg::startround({0, 0, 0, 0}));
    EXPECT_EQ(t.table->rackPositions().count(), 0);
    EXPECT_EQ(t.table->card(1), nullptr);
    EXPECT_FALSE(t.table->grid().hasAnyTile());
}

TEST(TableBoard, PlacedTilesAreMirroredLoggedAndHeard)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::existingplayers(2, "Cy"));
    t.feed(msg::nextplayer({1, 70, {}}));
    t.sounds.clear();
    t.feed(msg::placehistile({1, orange(12), 4, 2}));
    EXPECT_EQ(t.table->grid().at(4, 2), orange(12));
    EXPECT_EQ(t.find<QLabel>("label_played")->text(), "You played a Orange Queen.");
    EXPECT_TRUE(t.table->logText().contains("You played a Orange Queen."));
    EXPECT_FALSE(shown(t, "button_draw"));
    EXPECT_TRUE(shown(t, "button_finish"));
    EXPECT_TRUE(shown(t, "button_clear"));
    EXPECT_EQ(t.sounds, QStringList({"placecard"}));

    // The same tile again changes nothing and is silent.
    t.feed(msg::placehistile({1, orange(12), 4, 2}));
    EXPECT_EQ(t.sounds.size(), 1);
    EXPECT_EQ(t.table->logText().count("played a"), 1);

    // Another seat's tile does not touch this table's buttons.
    t.feed(msg::nextplayer({2, 70, {}}));
    t.feed(msg::placehistile({2, W, 22, 12}));
    EXPECT_EQ(t.table->grid().at(22, 12), W);
    EXPECT_EQ(t.find<QLabel>("label_played")->text(), "Cy played a WILD.");
    EXPECT_FALSE(shown(t, "button_finish"));
}

TEST(TableBoard, CellsOutsideTheBoardAndCodesThatAreNoTileAreRefused)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::placehistile({1, 60, 3, 3}));
    t.feed(msg::placehistile({1, 5, 23, 3}));
    t.feed(msg::placehistile({1, 5, 3, 13}));
    t.feed(msg::placehistile({1, 5, -1, 3}));
    t.feed(msg::yourtiles(1, {{0, 5}, {61, 5}, {3, 54}}));
    t.feed(msg::loadboard(1, {{40, 2, 5}, {2, 2, 99}}));
    EXPECT_FALSE(t.table->grid().hasAnyTile());
    EXPECT_EQ(t.table->rackPositions().count(), 0);
    EXPECT_EQ(t.sounds, QStringList({"getcard"})); // only the rack list sounds
}

TEST(TableBoard, MovesEmptyTheSourceOnlyWhenTheTargetHoldsTheTile)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::existingplayers(2, "Cy"));
    t.feed(msg::placehistile({2, red(7), 3, 4}));
    t.sounds.clear();
    t.feed(msg::swaptilesNotice({2, 8, 6, 3, 4, red(7)}));
    EXPECT_EQ(t.table->grid().at(8, 6), red(7));
    EXPECT_EQ(t.table->grid().at(3, 4), 0);
    EXPECT_EQ(t.find<QLabel>("label_played")->text(), "Cy moved a Red 7.");
    EXPECT_TRUE(t.table->logText().contains("Cy moved a Red 7."));
    EXPECT_EQ(t.sounds, QStringList({"placecard"}));

    // The own move was already made on this table: the echo is silent and
    // not logged.
    t.feed(msg::placehistile({1, green(2), 10, 10}));
    t.feed(msg::swaptilesNotice({1, 11, 10, 10, 10, green(2)}));
    t.sounds.clear();
    t.feed(msg::swaptilesNotice({1, 11, 10, 10, 10, green(2)}));
    EXPECT_TRUE(t.sounds.isEmpty());
    EXPECT_FALSE(t.table->logText().contains("You moved"));
    EXPECT_TRUE(shown(t, "button_clear"));
}

TEST(TableBoard, RemovedTilesAreNamedAfterTheTurnSeatAndRecheckTheBoard)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::nextplayer({1, 70, {}}));
    for (int c = 1; c <= 3; ++c) t.feed(msg::placehistile({1, green(c), c, 1}));
    t.feed(msg::placehistile({1, green(4), 4, 1}));
    t.feed(msg::removetile(4, 1));
    EXPECT_EQ(t.table->grid().at(4, 1), 0);
    EXPECT_EQ(t.find<QLabel>("label_played")->text(), "You removed a Green 4.");
    EXPECT_FALSE(t.table->logText().contains("removed"));
    EXPECT_FALSE(t.find<BlinkSign>("animated_incomplete")->isPlaying());
    EXPECT_EQ(t.sounds.last(), "clearcard");
    t.feed(msg::removetile(3, 1)); // two tiles left: not a set
    EXPECT_TRUE(t.find<BlinkSign>("animated_incomplete")->isPlaying());
}

TEST(TableBoard, UndoRestoresCellsAndEmptiesTheHand)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::nextplayer({1, 70, {}}));
    t.feed(msg::placehistile({1, green(9), 5, 5}));
    t.feed(msg::placehistile({1, red(9), 6, 5}));
    t.sounds.clear();
    t.feed(msg::undothemNotice(1, {{5, 5, 0}, {6, 5, 0}, {2, 2, black(1)}}));
    EXPECT_EQ(t.table->grid().at(5, 5), 0);
    EXPECT_EQ(t.table->grid().at(6, 5), 0);
    EXPECT_EQ(t.table->grid().at(2, 2), black(1));
    EXPECT_TRUE(shown(t, "button_draw"));
    EXPECT_FALSE(shown(t, "button_clear"));
    EXPECT_FALSE(shown(t, "button_finish"));
    EXPECT_EQ(t.table->handSlot(), -1);
    EXPECT_EQ(t.sounds, QStringList({"clear"}));
    EXPECT_EQ(t.find<QLabel>("label_played")->text(), "You cleared tiles.");
    EXPECT_FALSE(t.table->logText().contains("cleared tiles."));
}

TEST(TableBoard, MarksShowTheLastTurnUntilTheNextChange)
{
    TableFeed t;
    t.login(1);
    t.feed(msg::existingplayers(2, "Cy"));
    for (int c = 3; c <= 5; ++c) t.feed(msg::placehistile({2, red(c), c, 2}));
    t.sounds.clear();
    t.feed(msg::movedtiles({2, 12, 12, {{3, 2, red(3)}, {4, 2, red(4)}, {5, 2, red(5)}}}));
    EXPECT_EQ(t.find<QLabel>("label_score2")->text(), "+12");
    EXPECT_EQ(t.find<QLabel>("label_bonus2")->text(), "+12");
    EXPECT_EQ(t.table->markAt(4, 2), 54);
    EXPECT_EQ(t.table->boardView()->shownMarks(), 3);
    EXPECT_TRUE(t.table->boardView()->showsMark(5, 2));
    EXPECT_EQ(t.sounds, QStringList({"placecard"}));

    // The next placement repaints the marked cells; the marks grid keeps them.
    t.feed(msg::placehistile({2, black(8), 10, 8}));
    EXPECT_EQ(t.table->boardView()->shownMarks(), 0);
    EXPECT_EQ(t.table->markAt(4, 2), 54);
    EXPECT_EQ(t.table->grid().at(4, 2), red(4));

    // A round start clears the shown marks as well.
    t.feed(msg::movedtiles({2, 20, 8, {{10, 8, black(8)}}}));
    EXPECT_EQ(t.table->boardView()->shownMarks(), 1);
    t.feed(msg::startround({0, 0, 0, 0}));
    EXPECT_EQ(t.table->boardView()->shownMarks(), 0);
}

TEST(TableBoard, LateJoinerLoadsTheBoardSentToIt)
{
    TableFeed t;
    t.login(3, "Di");
    t.feed(msg::loadboard(2, {{1, 1, green(1)}}));
    EXPECT_FALSE(t.table->grid().hasAnyTile());
    t.feed(msg::loadboard(3, {{1, 1, green(1)}, {2, 1, green(2)}, {3, 1, green(3)}, {0, 0, W}}));
    EXPECT_EQ(t.table->grid().tileCount(), 4);
    EXPECT_EQ(t.table->grid().at(2, 1), green(2));
}
