// The tally window: ticks follow and drop players, the counts shown follow
// the tally, questions guard dropping and resetting, and the file keeps it.
#include "dialogs/tallylistform.h"
#include "net/catalogue.h"
#include "table/tablemirror.h"
#include "tests/qt/fileshere.h"
#include "tests/qt/tablefeed.h"

#include <QAction>

#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void feed(brixo::TableMirror& table, std::string frame)
{
    frame.pop_back(); // the terminator, cut off as the connection does
    table.receive(frame);
}

QStringList texts(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text() + (list->item(i)->checkState() == Qt::Checked ? "*" : "");
    return out;
}


} // namespace

TEST(TallyWindow, TicksFollowAndDropPlayersAndTheCountsShowTheirGames)
{
    FilesHere files;
    brixo::TableMirror table;
    table.beginJoining("You");
    feed(table, brixo::msg::sendlogininfo(1));
    feed(table, brixo::msg::newplayerinfo(1, "You"));
    feed(table, brixo::msg::newplayerinfo(2, "<b>Ann</b>"));
    feed(table, brixo::msg::newplayerinfo(3, "Bob"));
    QStringList questions;
    bool answer = false;

    {
        Ttallylist tally([&] { return table.othersAtTable(); });
        tally.setQuestion([&](const QString& q) {
            questions << q;
            return answer;
        });
        EXPECT_EQ(tally.loadProblem(), "");
        tally.ViewTally1Click();
        EXPECT_TRUE(tally.isVisible());
        // The other seats, the empty one left out; nobody followed yet.
        EXPECT_EQ(texts(tally.checklist), (QStringList{"<b>Ann</b>", "Bob"}));

        tally.checklist->item(1)->setCheckState(Qt::Checked);
        tally.checklist->item(0)->setCheckState(Qt::Checked);
        EXPECT_EQ(texts(tally.listbox_tally), (QStringList{"Bob*", "<b>Ann</b>*"}));
        tally.checklist->item(0)->setCheckState(Qt::Unchecked); // still followed: the tick stays
        EXPECT_EQ(texts(tally.checklist), (QStringList{"<b>Ann</b>*", "Bob*"}));

        tally.addgame("addtomine");
        tally.addgame("Bob");
        EXPECT_EQ(tally.mylabel[1]->text(), "2");
        EXPECT_EQ(tally.mylabel[2]->text(), "1");
        tally.listbox_tally->setCurrentRow(1);
        EXPECT_EQ(tally.label_hisnametop->text(), "<b>Ann</b>'s Tally");
        EXPECT_EQ(tally.label_hisname->textFormat(), Qt::PlainText);
        QStringList shown;
        for (int n = 1; n <= 8; ++n) shown << tally.label[n]->text();
        EXPECT_EQ(shown, (QStringList{"2", "0", "1", "1", "2", "0", "1", "1"}));

        // Dropping asks; No keeps the player, Yes drops exactly that row.
        tally.listbox_tally->item(0)->setCheckState(Qt::Unchecked);
        EXPECT_EQ(questions.value(0), "This will delete Bob's Tally, Are you want to delete it?");
        EXPECT_EQ(texts(tally.listbox_tally), (QStringList{"Bob*", "<b>Ann</b>*"}));
        answer = true;
        tally.listbox_tally->item(0)->setCheckState(Qt::Unchecked);
        EXPECT_EQ(texts(tally.listbox_tally), (QStringList{"<b>Ann</b>*"}));
        EXPECT_EQ(tally.stringgrid_scores.followed(), (std::vector<std::string>{"<b>Ann</b>"}));
        EXPECT_EQ(texts(tally.checklist), (QStringList{"<b>Ann</b>*", "Bob"}));
    }

    // The next start finds the totals, with a new session.
    {
        Ttallylist tally([&] { return table.othersAtTable(); });
        tally.setQuestion([&](const QString& q) {
            questions << q;
            return answer;
        });
        EXPECT_EQ(tally.mylabel[1]->text(), "2");
        tally.listbox_tally->setCurrentRow(0);
        EXPECT_EQ(tally.label[1]->text(), "2");
        EXPECT_EQ(tally.label[5]->text(), "0");

        answer = false;
        tally.button_resetClick();
        EXPECT_EQ(questions.last(), "Are you sure you want to reset the Tally?");
        EXPECT_EQ(tally.listbox_tally->count(), 1);
        answer = true;
        tally.button_resetClick();
        EXPECT_EQ(tally.listbox_tally->count(), 0);
        EXPECT_EQ(tally.mylabel[1]->text(), "0");
        EXPECT_EQ(tally.label[1]->text(), "0");
    }
    EXPECT_EQ(Ttallylist([&] { return table.othersAtTable(); }).stringgrid_scores.rowCount(), 1);
}

TEST(TallyWindow, TheTableRecordsTheGamesItsSeatPlayedOnly)
{
    FilesHere files;
    TableFeed seat;
    seat.login(2, "Ann");
    seat.feed(brixo::msg::newplayerinfo(1, "Host"));
    seat.find<QAction>("ViewTally1")->trigger();
    Ttallylist* tally = seat.table->tallylist();
    ASSERT_EQ(texts(tally->checklist), (QStringList{"Host"}));
    tally->checklist->item(0)->setCheckState(Qt::Checked);
    seat.feed(brixo::msg::winner("Host"));
    seat.feed(brixo::msg::winner("Ann"));
    EXPECT_EQ(tally->mylabel[1]->text(), "2");
    EXPECT_EQ(tally->mylabel[2]->text(), "1");
    EXPECT_EQ(tally->stringgrid_scores.count(brixo::Tally::kHisWins, 1), 1);
    EXPECT_EQ(tally->stringgrid_scores.count(brixo::Tally::kMyWins, 1), 1);

    TableFeed spectator;
    spectator.login(6, "Eve");
    spectator.feed(brixo::msg::winner("Host"));
    EXPECT_EQ(spectator.table->tallylist()->stringgrid_scores.count(1, 0), 2); // the same file, untouched
}
