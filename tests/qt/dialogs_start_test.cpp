// The game-start dialog's ranges and the spectator list.
#include "dialogs/gamestartform.h"
#include "dialogs/spylistform.h"
#include "dialogs/updown.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
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
    EXPECT_TRUE(dialog.edit_playtoscore->isReadOnly());
    EXPECT_TRUE(dialog.edit_creationtime->isReadOnly());
    EXPECT_TRUE(dialog.edit_tiles->isReadOnly());

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
