// The game-start dialog's ranges and the spectator list.
#include "dialogs/gamestartform.h"
#include "dialogs/spylistform.h"
#include "dialogs/updown.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

TEST(GameStartDialog, ArrowsMoveInStepsWithinTheRanges)
{
    Tgamestart dialog;
    EXPECT_EQ(dialog.edit_playtoscore->text(), "500");
    EXPECT_EQ(dialog.edit_creationtime->text(), "60");
    EXPECT_EQ(dialog.edit_tiles->text(), "14");
    EXPECT_TRUE(dialog.checkbox_tp->isChecked());
    EXPECT_FALSE(dialog.checkbox_tg->isChecked());

    dialog.UpDown1->upButton()->click();
    EXPECT_EQ(dialog.edit_playtoscore->text(), "600");
    for (int i = 0; i < 20; ++i) dialog.UpDown1->stepUp();
    EXPECT_EQ(dialog.edit_playtoscore->text(), "1500");
    for (int i = 0; i < 20; ++i) dialog.UpDown1->stepDown();
    EXPECT_EQ(dialog.edit_playtoscore->text(), "0");

    dialog.UpDown2->downButton()->click();
    EXPECT_EQ(dialog.edit_creationtime->text(), "50");
    for (int i = 0; i < 20; ++i) dialog.UpDown2->stepDown();
    EXPECT_EQ(dialog.edit_creationtime->text(), "20");
    for (int i = 0; i < 20; ++i) dialog.UpDown2->stepUp();
    EXPECT_EQ(dialog.edit_creationtime->text(), "180");

    dialog.UpDown3->stepUp();
    EXPECT_EQ(dialog.edit_tiles->text(), "15");
    dialog.UpDown3->setPosition(100);
    EXPECT_EQ(dialog.edit_tiles->text(), "48");
    dialog.UpDown3->setPosition(3);
    EXPECT_EQ(dialog.edit_tiles->text(), "10");
}

TEST(GameStartDialog, TypedValuesAreKeptWithinTheRangeAndOnAStep)
{
    Tgamestart dialog;
    dialog.show();
    const auto type = [](QLineEdit* edit, const char* keys, bool enter = true) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, keys);
        if (enter) QTest::keyClick(edit, Qt::Key_Return);
        return edit->text();
    };
    EXPECT_EQ(type(dialog.edit_playtoscore, "1500"), "1500");
    EXPECT_EQ(type(dialog.edit_playtoscore, "9999"), "1500");
    EXPECT_EQ(type(dialog.edit_playtoscore, "0"), "0");
    EXPECT_EQ(type(dialog.edit_playtoscore, "849"), "800");
    EXPECT_EQ(type(dialog.edit_creationtime, "19"), "20");
    EXPECT_EQ(type(dialog.edit_creationtime, "180"), "180");
    EXPECT_EQ(type(dialog.edit_creationtime, "999"), "180");
    EXPECT_EQ(type(dialog.edit_tiles, "48"), "48");
    EXPECT_EQ(type(dialog.edit_tiles, "-5x"), "10"); // only the digit is taken: 5, below the range
    EXPECT_EQ(type(dialog.edit_tiles, ""), "10");    // an empty box shows the value again
    EXPECT_TRUE(dialog.isVisible());                  // Enter took the number and started nothing

    // The arrows step from a typed value, and a value still being typed is
    // the one the game starts with.
    type(dialog.edit_creationtime, "44");
    dialog.UpDown2->upButton()->click();
    EXPECT_EQ(dialog.edit_creationtime->text(), "50");
    type(dialog.edit_playtoscore, "1234", false);
    QSignalSpy sent(&dialog, &Tgamestart::startRequested);
    dialog.button_start->click();
    ASSERT_EQ(sent.size(), 1);
    const auto options = sent[0][0].value<brixo::GameOptions>();
    EXPECT_EQ(options.playto, 1200);
    EXPECT_EQ(options.turntime, 50);
    EXPECT_EQ(options.tilestostart, 10);
    EXPECT_EQ(dialog.edit_playtoscore->text(), "1200");
}

TEST(GameStartDialog, StartSendsTheValuesAsShown)
{
    Tgamestart dialog;
    dialog.checkbox_tp->setChecked(false);
    dialog.UpDown3->stepUp();
    QSignalSpy sent(&dialog, &Tgamestart::startRequested);
    dialog.show();
    dialog.button_start->click();
    ASSERT_EQ(sent.size(), 1);
    const auto options = sent[0][0].value<brixo::GameOptions>();
    EXPECT_EQ(options.playto, 500);
    EXPECT_EQ(options.turntime, 60);
    EXPECT_EQ(options.tilestostart, 15);
    EXPECT_FALSE(options.timepenalty);
    EXPECT_FALSE(options.teamgame);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(SpyList, RemoveActsOnlyOnAnEntryAndOnlyForTheHost)
{
    Tspylist list;
    list.setEntries({"5: Eve", "7: Max"});
    QSignalSpy kicked(&list, &Tspylist::kickRequested);
    list.removeFromGame(1);
    EXPECT_EQ(kicked.size(), 0); // not the host's list
    list.setRemoveOffered(true);
    list.removeFromGame(-1);
    EXPECT_EQ(kicked.size(), 0);
    list.removeFromGame(1);
    ASSERT_EQ(kicked.size(), 1);
    EXPECT_EQ(kicked[0][0].toInt(), 7);
    list.setEntries({"5: Eve", "7: Max", "garbled"});
    list.removeFromGame(2);
    EXPECT_EQ(kicked.size(), 1);
}
