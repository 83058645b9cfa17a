// A table against the real game server in the same process: the solo game
// as a player starts it, with the computer playing both seats.
#include "tests/qt/tablefeed.h"
#include "tests/qt/testports.h"
#include "tests/qt/waitfor.h"

#include "dialogs/gamestartform.h"
#include "dialogs/updown.h"
#include "net/gameport.h"
#include "net/qt/tsocklistener.h"
#include "server/qt/qtserverhost.h"
#include "table/qt/reconnector.h"
#include "table/qt/cardimage.h"

#include <QAction>
#include <QHostAddress>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

std::vector<int> serverRack(brixo::TServer& server, int seat)
{
    std::vector<int> tiles;
    const brixo::Rack& rack = server.slotTable()[seat].rack;
    for (int slot = 1; slot <= brixo::Rack::kSlots; ++slot)
        if (rack.at(slot) != brixo::kNoTile) tiles.push_back(rack.at(slot));
    return tiles;
}

bool sameTiles(std::vector<int> a, std::vector<int> b)
{
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

} // namespace

TEST(TableWithServer, SoloGameMirrorsTheServersBoardAndRack)
{
    qputenv("BRIXO_PORT", QByteArray::number(freePort()));
    QtServerHost host(20240611, nullptr);
    host.setBotSpeedSource([] { return 0; });
    TableFeed t;
    t.table->setServerSwitch([&](QString* error) { return host.listen(static_cast<quint16>(brixo::gamePort()), error); });
    t.table->processparams();
    ASSERT_TRUE(waitFor([&] { return t.table->findChild<QLabel*>("label_playername1")->text() == "You"; }));
    EXPECT_EQ(t.table->mirror().mySeat(), brixo::Seat(1));

    t.table->StartGame1Click();
    t.table->gamestart()->UpDown3->setPosition(14);
    t.table->gamestart()->button_start->click();
    ASSERT_TRUE(waitFor([&] { return t.table->mirror().rackPositions().count() == 14; }));
    EXPECT_EQ(t.table->findChild<QLabel*>("label_playername2")->text(), "Klot");
    EXPECT_TRUE(t.table->chatText().contains("Starting with 14 tiles."));
    EXPECT_TRUE(sameTiles(shownRack(*t.table), serverRack(host.server(), 1)));

    // Let the computer play this seat as well, and wait until the board has
    // filled some and the table's mirror is level with the server.
    part<QAction>(*t.table, "JustWatch1")->trigger();
    ASSERT_TRUE(waitFor([&] { return part<QAction>(*t.table, "JustWatch1")->isChecked(); }));
    const bool level = waitFor(
        [&] {
            return host.server().grid().tileCount() >= 9 && t.table->mirror().board() == host.server().grid() &&
                   sameTiles(shownRack(*t.table), serverRack(host.server(), 1));
        },
        60000);
    EXPECT_TRUE(level) << "board " << host.server().grid().tileCount() << " tiles";
    EXPECT_TRUE(t.sounds.contains("placecard"));
    EXPECT_TRUE(t.table->logText().contains("Klot played a"));
    qunsetenv("BRIXO_PORT");
}

TEST(TableWithServer, AGameToItsWinnerLeavesTheTableLevelWithTheServer)
{
    qputenv("BRIXO_PORT", QByteArray::number(freePort()));
    QtServerHost host(7, nullptr);
    host.setBotSpeedSource([] { return 0; });
    TableFeed t;
    t.table->setServerSwitch([&](QString* error) { return host.listen(static_cast<quint16>(brixo::gamePort()), error); });
    t.table->processparams();
    ASSERT_TRUE(waitFor([&] { return t.table->mirror().loggedIn(); }));
    t.table->StartGame1Click();
    t.table->gamestart()->UpDown1->setPosition(0); // the first round decides
    t.table->gamestart()->button_start->click();
    ASSERT_TRUE(waitFor([&] { return t.table->chatText().contains("started a game."); }));
    part<QAction>(*t.table, "JustWatch1")->trigger();
    ASSERT_TRUE(waitFor([&] { return !part<QFrame>(*t.table, "panel_winner")->isHidden(); }, 60000));
    ASSERT_TRUE(chatRoundTrip(*t.table, QStringLiteral("level mark"))); // after anything still in flight

    EXPECT_FALSE(host.server().state().gamerunning);
    EXPECT_EQ(t.table->mirror().board(), host.server().grid());
    EXPECT_TRUE(sameTiles(shownRack(*t.table), serverRack(host.server(), 1)));
    for (int seat = 1; seat <= 2; ++seat) {
        const auto* score = t.table->findChild<QLabel*>(QString("label_score%1").arg(seat));
        EXPECT_EQ(score->text(), QString::number(host.server().slotTable()[seat].score)) << seat;
    }
    const QString winner = t.table->findChild<QLabel*>("label_winner1")->text();
    EXPECT_TRUE(winner == "You have won the game!" || winner == "Klot has Won the Game!") << winner.toStdString();
    EXPECT_TRUE(t.sounds.contains("winner"));
    EXPECT_TRUE(t.sounds.contains("roundover"));
    qunsetenv("BRIXO_PORT");
}

// A solo game is this machine's alone: its server listens on 127.0.0.1
// and announces nothing. A hosted game listens on every network and
// announces itself (here only to this machine, as every test does).
TEST(TableWithServer, ASoloGameListensOnThisMachineOnlyAndAHostedGameAnnouncesItself)
{
    qputenv("BRIXO_PORT", QByteArray::number(freePort()));
    Tchat table;
    table.show();
    ASSERT_TRUE(waitFor([&] { return table.mirror().loggedIn(); }));
    ASSERT_NE(table.session().server(), nullptr);
    EXPECT_EQ(table.session().server()->listenAddress(), QHostAddress(QHostAddress::LocalHost));
    EXPECT_FALSE(table.session().server()->isAnnouncing());
    EXPECT_EQ(table.windowTitle(), "Brixo");

    table.hostGame(QStringLiteral("Ann"));
    // Logged in again, and told so by the new server.
    ASSERT_TRUE(waitFor([&] { return table.mirror().loggedIn() && table.mirror().seatName(brixo::Seat(1)) == "Ann"; }));
    EXPECT_TRUE(table.mirror().host());
    EXPECT_EQ(table.session().server()->listenAddress(), QHostAddress(QHostAddress::Any));
    EXPECT_TRUE(table.session().server()->isAnnouncing());
    EXPECT_EQ(table.windowTitle(), "Brixo - Hosting a game on this network");
    qunsetenv("BRIXO_PORT");
}

// A host that leaves says so before its server goes: its joiner tells the
// player at once and does not wait for it (it would find the host's next
// solo game on the same port otherwise).
TEST(TableWithServer, AHostThatLeavesSaysSoAndItsJoinerDoesNotWait)
{
    const quint16 port = freePort();
    qputenv("BRIXO_PORT", QByteArray::number(port));
    Tchat host(launchOf({"Hana", "127.0.0.1", "true"}));
    host.show();
    ASSERT_TRUE(waitFor([&] { return host.mirror().loggedIn(); }));
    Tchat joiner(launchOf({"Joe", "127.0.0.1:" + std::to_string(port), "false"}));
    joiner.show();
    ASSERT_TRUE(waitFor([&] { return joiner.mirror().loggedIn(); }));

    host.leaveGame();
    QMessageBox* box = nullptr;
    ASSERT_TRUE(waitFor([&] { return (box = joiner.findChild<QMessageBox*>("box_wayback")); }));
    EXPECT_EQ(box->text(), "The host has left the game.");
    EXPECT_FALSE(joiner.reconnector().active());
    EXPECT_TRUE(part<QPushButton>(joiner, "button_stopreconnect")->isHidden());
    qunsetenv("BRIXO_PORT");
}
