// Start-up, login and the connection, against a stand-in server on a free
// port that records what the table sends.
#include "tests/qt/tablefeed.h"
#include "tests/qt/waitfor.h"

#include "dialogs/gamestartform.h"
#include "dialogs/onlinepage.h"
#include "dialogs/playwithothers.h"
#include "dialogs/updown.h"
#include "net/catalogue.h"
#include "net/lobbymessages.h"
#include "net/qt/tsock.h"
#include "net/qt/tsocklistener.h"
#include "server/qt/qtlobbyhost.h"
#include "table/qt/reconnector.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace brixo;

namespace {

// Accepts connections and records every line each of them sends.
struct FakeServer {
    TSockListener listener;
    std::vector<std::unique_ptr<TSock>> tables;
    std::vector<std::string> heard;

    explicit FakeServer(quint16 port = 0)
    {
        EXPECT_TRUE(listener.listen(port));
        qputenv("BRIXO_PORT", QByteArray::number(listener.port()));
        QObject::connect(&listener, &TSockListener::accepted, [this](TSock* s) {
            tables.emplace_back(s);
            QObject::connect(s, &TSock::received, [this](const std::string& l) { heard.push_back(l); });
        });
    }
    ~FakeServer() { qunsetenv("BRIXO_PORT"); }

    bool waitForTable(std::size_t n = 1)
    {
        return waitFor([&] { return tables.size() >= n && tables.back()->isConnected(); });
    }
    bool waitForLine(const std::string& line)
    {
        return waitFor([&] { return std::find(heard.begin(), heard.end(), line) != heard.end(); });
    }
    void send(std::size_t table, const std::string& frame) { tables.at(table)->send(frame); }
};

// Dismisses the next message box, remembering its text.
QString answerMessageBox()
{
    auto text = std::make_shared<QString>();
    QTimer* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *text = box->text();
            box->accept();
            poll->deleteLater();
        }
    });
    poll->start();
    waitFor([text] { return !text->isEmpty(); });
    return *text;
}

} // namespace

TEST(TableStartup, SoloHostsLogsInAsYouAndStartsAGameFromTheDialog)
{
    FakeServer server;
    TableFeed t;
    bool serverSwitched = false;
    t.table->setServerSwitch([&](QString*) { return serverSwitched = true; });
    t.table->processparams();
    EXPECT_TRUE(serverSwitched);
    EXPECT_TRUE(t.table->chatText().contains("Loading Solo Game..Please wait."));
    EXPECT_EQ(t.table->playerName(), "You");
    EXPECT_TRUE(t.table->mirror().host());
    ASSERT_TRUE(server.waitForTable());

    server.send(0, msg::sendlogininfo(1));
    ASSERT_TRUE(server.waitForLine("CMD_logininfo+1+1.0.8+You"));
    EXPECT_EQ(t.table->mirror().mySeat(), brixo::Seat(1));
    server.send(0, msg::newplayerinfo(1, "You"));
    ASSERT_TRUE(server.waitForLine("CMD_botspeed+1+1000+"));
    EXPECT_EQ(t.table->findChild<QLabel*>("label_playername1")->text(), "You");

    t.table->StartGame1Click();
    Tgamestart* dialog = t.table->gamestart();
    EXPECT_TRUE(dialog->isVisible());
    // Set outright: the dialog remembers what an earlier test in this
    // process chose.
    dialog->UpDown1->setPosition(400);
    dialog->UpDown2->setPosition(70);
    dialog->UpDown3->setPosition(20);
    dialog->checkbox_tg->setChecked(true);
    dialog->button_start->click();
    ASSERT_TRUE(server.waitForLine("CMD_startgame+You+400+70+t+t+20+"));
    EXPECT_FALSE(dialog->isVisible());
}

TEST(TableStartup, AJoinerConnectsToTheGivenAddressAndHidesTheStartControls)
{
    FakeServer server;
    TableFeed t;
    t.table = std::make_unique<Tchat>(launchOf({"Ann", "127.0.0.1", "false"}));
    t.table->setServerSwitch([](QString*) {
        ADD_FAILURE() << "a joiner must not host";
        return false;
    });
    t.table->processparams();
    EXPECT_TRUE(t.table->chatText().contains("Loading Multi-player Game.. Please Wait."));
    EXPECT_FALSE(t.table->mirror().host());
    EXPECT_FALSE(part<QAction>(*t.table, "StartGame1")->isEnabled());
    EXPECT_TRUE(part<QPushButton>(*t.table, "button_start")->isHidden());
    ASSERT_TRUE(server.waitForTable());
    server.send(0, msg::sendlogininfo(2));
    ASSERT_TRUE(server.waitForLine("CMD_logininfo+2+1.0.8+Ann"));
    // Only the host tells the server its computer players' speed.
    server.send(0, msg::newplayerinfo(2, "Ann"));
    server.send(0, msg::chatRelay("Ann", "marker|clBlack"));
    ASSERT_TRUE(waitFor([&] { return t.table->chatText().contains("marker"); }));
    EXPECT_TRUE(std::none_of(server.heard.begin(), server.heard.end(),
                             [](const std::string& l) { return l.rfind("CMD_botspeed", 0) == 0; }));
}

TEST(TableStartup, TwoParametersOnlyAnnounceAMultiPlayerGame)
{
    FakeServer server;
    Tchat table(launchOf({"Ann", "10.0.0.1"}));
    table.setServerSwitch([](QString*) {
        ADD_FAILURE() << "nothing may be hosted";
        return false;
    });
    table.processparams();
    EXPECT_TRUE(table.chatText().contains("Loading Multi-player Game.. Please Wait."));
    // A connection opened after the table's start arrives, and is the only one.
    TSock later;
    later.open(QStringLiteral("127.0.0.1"), quint16(qEnvironmentVariableIntValue("BRIXO_PORT")));
    ASSERT_TRUE(server.waitForTable());
    EXPECT_EQ(server.tables.size(), 1u);
    EXPECT_FALSE(table.mirror().loggedIn());
}

TEST(TableStartup, AHostByParametersConnectsToItselfNotTheGivenAddress)
{
    FakeServer server;
    Tchat table(launchOf({"Bo", "192.0.2.1", "true"}));
    table.setServerSwitch([](QString*) { return true; });
    table.processparams();
    ASSERT_TRUE(server.waitForTable());
    EXPECT_TRUE(table.mirror().host());
    EXPECT_EQ(table.hostAddress(), "192.0.2.1");
    EXPECT_FALSE(part<QPushButton>(table, "button_start")->isHidden());
    EXPECT_TRUE(part<QAction>(table, "StartGame1")->isEnabled());
}

// A running window leaves its game for another: the old connection goes,
// nothing of the old game stays on show, and the window stays open.
TEST(TableConnection, AWindowLeavesItsGameForAnotherWithoutClosing)
{
    std::optional<FakeServer> first;
    first.emplace();
    Tchat table;
    table.setServerSwitch([](QString*) { return true; });
    table.show();
    ASSERT_TRUE(first->waitForTable());
    first->send(0, msg::sendlogininfo(1));
    first->send(0, msg::newplayerinfo(1, "You"));
    first->send(0, msg::newplayerinfo(2, "Ann"));
    ASSERT_TRUE(waitFor([&] { return table.mirror().seatName(Seat(2)) == "Ann"; }));

    FakeServer second;
    table.joinGame(QStringLiteral("Bo"), QStringLiteral("127.0.0.1"));
    ASSERT_TRUE(second.waitForTable());
    EXPECT_TRUE(waitFor([&] { return !first->tables[0]->isConnected(); }));
    EXPECT_FALSE(table.mirror().host());
    EXPECT_FALSE(table.mirror().loggedIn());
    EXPECT_EQ(part<QLabel>(table, "label_playername2")->text(), "<Waiting>");
    second.send(0, msg::sendlogininfo(3));
    ASSERT_TRUE(second.waitForLine("CMD_logininfo+3+1.0.8+Bo"));
    EXPECT_TRUE(table.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Whatever ends a game for the table, the program stays: it says why and
// goes back to a solo game, offering to find another.
TEST(TableConnection, ALostGameIsToldAndTheTableGoesBackToASoloGame)
{
    FakeServer server;
    Tchat table;
    table.setServerSwitch([](QString*) { return true; });
    table.show();
    ASSERT_TRUE(server.waitForTable());
    server.tables[0]->close();
    EXPECT_EQ(answerMessageBox(), "The connection to the game was lost.");
    ASSERT_TRUE(server.waitForTable(2)); // the solo game's table, at once
    EXPECT_TRUE(table.isVisible());
    EXPECT_EQ(table.session().role(), TableSession::Role::Solo);
}

TEST(TableConnection, AHostOutOfReachIsNamedAndTriedAgainAndItsLeavingIsTold)
{
    std::optional<FakeServer> nobody;
    nobody.emplace();
    const QByteArray closedPort = qgetenv("BRIXO_PORT");
    nobody.reset();
    qputenv("BRIXO_PORT", closedPort);
    Tchat table(launchOf({"Ann", "127.0.0.1", "false"}));
    table.show();
    QMessageBox* box = nullptr;
    ASSERT_TRUE(waitFor([&] { return (box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())); }));
    EXPECT_EQ(box->text(), "Could not reach the host at 127.0.0.1.");

    // The host is up now, at the address tried: trying again reaches it.
    FakeServer server(quint16(closedPort.toUInt()));
    for (QAbstractButton* b : box->buttons())
        if (b->text() == "Try Again") b->click();
    ASSERT_TRUE(server.waitForTable());
    EXPECT_EQ(table.session().role(), TableSession::Role::Join);
    // A host that says it leaves is not waited for.
    server.send(0, msg::hostleft());
    server.tables[0]->close();
    ASSERT_TRUE(waitFor([&] { return (box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())); }));
    EXPECT_EQ(box->text(), "The host has left the game.");
    EXPECT_FALSE(table.reconnector().active());
    for (QAbstractButton* b : box->buttons())
        if (b->text() == "Find Another Game") b->click();
    EXPECT_TRUE(waitFor([&] { return table.playWithOthers()->isVisible(); }));
    EXPECT_EQ(table.session().role(), TableSession::Role::Solo);
    EXPECT_TRUE(table.isVisible());
}

// A host that vanishes without a word is waited for: a countdown where the
// status shows, a Stop beside it, tries at the same port; a host back there
// gets the table's login with its seat key. Stopping offers the usual way back.
TEST(TableConnection, AVanishedHostIsWaitedForAndRejoinedWithTheSeatKey)
{
    std::optional<FakeServer> host;
    host.emplace();
    const quint16 port = host->listener.port();
    Tchat table(launchOf({"Ann", "127.0.0.1", "false"}));
    table.show();
    ASSERT_TRUE(host->waitForTable());
    host->send(0, msg::sendlogininfo(2));
    const std::string key = "Key" + std::string(17, '5');
    host->send(0, msg::seatkey(key));
    ASSERT_TRUE(waitFor([&] { return table.mirror().seatKey() == key; }));

    auto* status = part<QLabel>(table, "label_status");
    auto* stop = part<QPushButton>(table, "button_stopreconnect");
    EXPECT_TRUE(stop->isHidden());
    host.reset(); // the host's program is gone, listener and all
    qputenv("BRIXO_PORT", QByteArray::number(port));
    ASSERT_TRUE(waitFor([&] { return table.reconnector().active(); }));
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("The host is gone. Trying again\u2026 ")));
    EXPECT_TRUE(status->text().endsWith(":00") || status->text().contains(" 0:5")) << status->text().toStdString();
    EXPECT_TRUE(stop->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(table.session().role(), TableSession::Role::Join);
    // Refused tries go on quietly: no box, the countdown runs.
    const QString first = status->text();
    ASSERT_TRUE(waitFor([&] { return status->text() != first; }, 3000));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // The host is back at the same port: the table logs in with its key.
    host.emplace(port);
    ASSERT_TRUE(waitFor([&] { return !table.reconnector().active(); }, 10000));
    // The reconnector's trial connection closes at once; the one that stays
    // is the table's: each open connection is asked for the login.
    std::size_t asked = 0;
    const std::string login = "CMD_logininfo+2+1.0.8+Ann+" + key;
    ASSERT_TRUE(waitFor([&] {
        for (; asked < host->tables.size(); ++asked)
            if (host->tables[asked]->isConnected()) host->send(asked, msg::sendlogininfo(2));
        return std::find(host->heard.begin(), host->heard.end(), login) != host->heard.end();
    }));
    EXPECT_TRUE(stop->isHidden());
    EXPECT_FALSE(status->text().startsWith(QStringLiteral("The host is gone.")));
    EXPECT_EQ(table.session().role(), TableSession::Role::Join);

    // Gone again, and the player stops waiting: the usual choices.
    host.reset();
    qputenv("BRIXO_PORT", QByteArray::number(port));
    ASSERT_TRUE(waitFor([&] { return stop->isVisible(); }));
    stop->click();
    QMessageBox* box = nullptr;
    ASSERT_TRUE(waitFor([&] { return (box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())); }));
    EXPECT_EQ(box->text(), "The host could not be reached again.");
    EXPECT_FALSE(table.reconnector().active());
    QStringList buttons;
    for (QAbstractButton* b : box->buttons()) buttons << b->text();
    EXPECT_EQ(buttons.size(), 2);
    EXPECT_TRUE(buttons.contains("Find Another Game") && buttons.contains("Play Solo"));
    for (QAbstractButton* b : box->buttons())
        if (b->text() == "Play Solo") b->click();
    EXPECT_TRUE(waitFor([&] { return table.session().role() == TableSession::Role::Solo; }));
    EXPECT_TRUE(stop->isHidden());
    qunsetenv("BRIXO_PORT");
}

// A lobby that went away in the middle of a room's game is waited for as a
// host is; back, with its rooms kept, the table enters its room again by
// the code and has its seat, its rack and the room's host rights.
TEST(TableConnection, AnOnlineTableWaitsForItsLobbyAndComesBackToItsRoom)
{
    FakeServer first; // the game the table starts in
    Tchat table(launchOf({"Ann", "127.0.0.1", "false"}));
    table.show();
    ASSERT_TRUE(first.waitForTable());
    QTemporaryDir rooms;
    std::optional<QtLobbyHost> lobby;
    const auto openLobby = [&](quint16 port) {
        lobby.emplace(LobbyLimits{}, 7, QtLobbyHost::RoomOptions{60'000, BotLevel::Normal, 20});
        lobby->keepRooms(rooms.path().toStdString());
        lobby->resumeRooms();
        return lobby->listen(port, QHostAddress(QHostAddress::LocalHost));
    };
    ASSERT_TRUE(openLobby(0));
    const quint16 port = lobby->port();
    table.enterRoom(QStringLiteral("Ann"), QStringLiteral("127.0.0.1:%1").arg(port), {true, "Club", true, ""});
    ASSERT_TRUE(waitFor([&] { return table.mirror().mySeat() == Seat(1) && !table.mirror().seatKey().empty(); }));
    table.StartGame1Click();
    table.gamestart()->button_start->click();
    ASSERT_TRUE(waitFor([&] { return table.mirror().rack().tilecount() > 0; }));
    const int tiles = table.mirror().rack().tilecount();
    const std::string code = table.mirror().roomCode();

    lobby.reset(); // killed: the rooms' files stay
    auto* status = part<QLabel>(table, "label_status");
    ASSERT_TRUE(waitFor([&] { return table.reconnector().active(); }));
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("The lobby is gone. Trying again\u2026 ")));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    ASSERT_TRUE(openLobby(port));
    ASSERT_TRUE(waitFor([&] { return !table.reconnector().active() && table.mirror().mySeat() == Seat(1); }, 10'000));
    EXPECT_EQ(table.mirror().roomCode(), code);
    EXPECT_TRUE(table.mirror().host());
    EXPECT_TRUE(table.findChild<QAction*>("StartGame1")->isEnabled());
    EXPECT_TRUE(waitFor([&] { return table.mirror().rack().tilecount() == tiles; }));
    EXPECT_TRUE(table.chatText().contains("The lobby is back."));
}

// A hosting table that finds a game kept from before offers to resume it;
// a discard needs a second yes, and a no brings the offer back. Either way
// the table then hosts.
TEST(TableConnection, AKeptGameIsOfferedToTheHostToResumeOrDiscard)
{
    struct Kept : KeptGames {
        std::optional<KeptGame> game = KeptGame{"8 December 2026, 21:40", {"Ann", "Bo <b>"}};
        int resumed = 0;
        int discarded = 0;
        std::optional<KeptGame> find() override { return game; }
        void resume() override { ++resumed; }
        void discard() override
        {
            ++discarded;
            game.reset();
        }
    };
    const auto answer = [](const char* boxName, const QString& button) {
        QMessageBox* box = nullptr;
        if (!waitFor([&] {
                box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                return box && box->objectName() == boxName;
            }))
            return QString();
        const QString text = box->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == button) b->click();
        return text;
    };
    for (const bool resume : {true, false}) {
        FakeServer server;
        auto kept = std::make_shared<Kept>();
        Tchat table(launchOf({"Ann", "127.0.0.1", "true"}));
        int switched = 0;
        table.setServerSwitch([&](QString*) { return ++switched; });
        table.setKeptGames(kept);
        table.show();
        if (resume) {
            EXPECT_EQ(answer("box_resume", "Resume"),
                      "Resume the game of 8 December 2026, 21:40 with Ann and Bo <b>?");
        } else {
            answer("box_resume", "Discard");
            EXPECT_EQ(answer("box_discard", "Cancel"),
                      "Discard the game of 8 December 2026, 21:40? It cannot be resumed afterwards.");
            // Not hosting before the answer is final.
            EXPECT_EQ(switched, 0);
            answer("box_resume", "Discard");
            answer("box_discard", "Discard");
        }
        ASSERT_TRUE(server.waitForTable());
        EXPECT_EQ(switched, 1);
        EXPECT_EQ(table.session().role(), TableSession::Role::Host);
        EXPECT_EQ(kept->resumed, resume ? 1 : 0);
        EXPECT_EQ(kept->discarded, resume ? 0 : 1);
    }
}

TEST(TableConnection, AFullGameOrARemovalIsToldAndTheTableGoesBackToASoloGame)
{
    const std::pair<std::string, QString> refusals[] = {{msg::full(), "Game is full"},
                                                        {msg::removed(), "The host removed you from this game."}};
    for (const auto& [refusal, told] : refusals) {
        FakeServer server;
        Tchat table(launchOf({"Ann", "127.0.0.1", "false"}));
        table.show();
        ASSERT_TRUE(server.waitForTable());
        // Everything after the refusal is not handled any more.
        server.send(0, refusal);
        server.send(0, msg::sendlogininfo(3));
        EXPECT_EQ(answerMessageBox(), told);
        EXPECT_FALSE(table.mirror().mySeat().valid());
        EXPECT_TRUE(table.isVisible());
        EXPECT_EQ(table.session().role(), TableSession::Role::Solo);
    }
}

// Joining by a typed address keeps it among the recent ones (in the
// settings file too); leaving goes back to a solo table that joins again,
// with the seat key the game gave it.
TEST(TableConnection, JoinByAddressKeepsTheAddressAndLeavingAllowsAnotherJoin)
{
    FakeServer server;
    const QString address = QStringLiteral("127.0.0.1:%1").arg(server.listener.port());
    Tchat table;
    table.setServerSwitch([](QString*) { return true; });
    table.show();
    ASSERT_TRUE(server.waitForTable()); // the solo game

    table.PlayWithOthers1Click();
    PlayWithOthers* window = table.playWithOthers();
    window->showPage(PlayWithOthers::Page::Address);
    part<QComboBox>(*window, "combo_address")->setEditText(QStringLiteral("no such:address"));
    window->joinAddressClick(); // no name yet
    EXPECT_FALSE(part<QLabel>(*window, "label_problem_address")->text().isEmpty());
    part<QLineEdit>(*window, "edit_name")->setText(QStringLiteral("Di"));
    window->joinAddressClick(); // not an address
    EXPECT_TRUE(part<QLabel>(*window, "label_problem_address")->text().contains("not an address"));
    EXPECT_EQ(table.session().role(), TableSession::Role::Solo);

    part<QComboBox>(*window, "combo_address")->setEditText(address);
    window->joinAddressClick();
    ASSERT_TRUE(server.waitForTable(2));
    EXPECT_EQ(table.session().role(), TableSession::Role::Join);
    EXPECT_EQ(table.windowTitle(), "Brixo - Playing at " + address);
    server.send(1, msg::sendlogininfo(2));
    ASSERT_TRUE(server.waitForLine("CMD_logininfo+2+1.0.8+Di"));
    const std::string key = "Key" + std::string(17, '7');
    server.send(1, msg::seatkey(key));
    ASSERT_TRUE(waitFor([&] { return table.mirror().seatKey() == key; }));
    EXPECT_EQ(table.settings().recentHosts, std::vector<std::string>{address.toStdString()});
    EXPECT_EQ(table.settings().playerName, "Di");

    table.leaveGame(); // no game is played: nothing to ask
    EXPECT_EQ(table.session().role(), TableSession::Role::Solo);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(part<QComboBox>(*window, "combo_address")->itemText(0), address);
    EXPECT_EQ(part<QLineEdit>(*window, "edit_name")->text(), "Di");
    window->joinAddressClick();
    ASSERT_TRUE(server.waitForTable(4)); // the solo table between, then the join
    server.send(3, msg::sendlogininfo(2));
    EXPECT_TRUE(server.waitForLine("CMD_logininfo+2+1.0.8+Di+" + key));
}

TEST(TableConnection, MessagesAreHandledInOrderAcrossANestedEventLoop)
{
    // A message box spins its own event loop; messages arriving meanwhile
    // wait for the first message to finish, then follow in order.
    TableFeed t;
    t.login(1);
    t.table->receiveLine("CMD_startgame+You+500+60+t+f+14+");
    t.table->receiveLine("CMD_nextplayer+1+78");
    QTimer::singleShot(0, [&] {
        QMessageBox box;
        QTimer::singleShot(50, &box, &QMessageBox::accept);
        box.exec();
    });
    ASSERT_TRUE(waitFor([&] { return t.table->mirror().turnSeat() == brixo::Seat(1); }));
    EXPECT_EQ(t.table->findChild<QLabel*>("label_status")->text(), "Your Turn.");
}

TEST(TableConnection, StartWhileNotConnectedSaysSo)
{
    Tchat table;
    QTimer::singleShot(0, [] {});
    QString text;
    QTimer::singleShot(0, [&] { text = answerMessageBox(); });
    table.StartGame1Click();
    EXPECT_EQ(text, "You are not connected");
    EXPECT_FALSE(table.gamestart()->isVisible());
}

TEST(TableSenders, SeatManagementRequestsFollowTheHostRules)
{
    FakeServer server;
    TableFeed t;
    t.table->setServerSwitch([](QString*) { return true; });
    t.table->processparams();
    ASSERT_TRUE(server.waitForTable());
    server.send(0, msg::sendlogininfo(1));
    server.send(0, msg::newplayerinfo(3, "Di"));
    ASSERT_TRUE(waitFor([&] { return t.table->mirror().mySeat() == brixo::Seat(1); }));
    ASSERT_TRUE(waitFor([&] { return t.table->chatText().contains("Di is Connected."); }));

    t.table->label_playername1ContextPopup(4); // "<Waiting>": cannot be removed
    EXPECT_FALSE(part<QAction>(*t.table, "RemoveFromGame1")->isEnabled());
    EXPECT_TRUE(part<QAction>(*t.table, "SettoJustWatch1")->isEnabled());
    t.table->label_playername1ContextPopup(3);
    EXPECT_TRUE(part<QAction>(*t.table, "RemoveFromGame1")->isEnabled());
    t.table->RemoveFromGame1Click();
    t.table->SettoJustWatch1Click();
    t.table->UnsetJustWatch1Click();
    ASSERT_TRUE(server.waitForLine("CMD_kickhim+1+3+"));
    ASSERT_TRUE(server.waitForLine("CMD_justwatch+3+1"));
    ASSERT_TRUE(server.waitForLine("CMD_justwatch+3+2"));

    // "Just Watch" asks; the tick waits for the server's answer.
    part<QAction>(*t.table, "JustWatch1")->trigger();
    ASSERT_TRUE(server.waitForLine("CMD_justwatch+1+1"));
    EXPECT_FALSE(part<QAction>(*t.table, "JustWatch1")->isChecked());
    server.send(0, msg::justwatching(1, "1"));
    ASSERT_TRUE(waitFor([&] { return part<QAction>(*t.table, "JustWatch1")->isChecked(); }));
    part<QAction>(*t.table, "JustWatch1")->trigger();
    ASSERT_TRUE(server.waitForLine("CMD_justwatch+1+2"));
    EXPECT_TRUE(part<QAction>(*t.table, "JustWatch1")->isChecked());
}

TEST(TableSenders, AJoinerCannotRemoveOrSetOthersToWatch)
{
    TableFeed t;
    t.login(2, "Cy");
    t.feed(msg::existingplayers(3, "Di"));
    t.table->label_playername1ContextPopup(3);
    EXPECT_FALSE(part<QAction>(*t.table, "RemoveFromGame1")->isEnabled());
    EXPECT_FALSE(part<QAction>(*t.table, "SettoJustWatch1")->isEnabled());
    EXPECT_FALSE(part<QAction>(*t.table, "UnsetJustWatch1")->isEnabled());
}

// The Online page opens a room on a lobby (whose code the table shows and
// copies) and enters a friend's by its code; a code the lobby does not
// know brings the player back to the page, told why.
TEST(TableConnection, TheOnlinePageOpensAndEntersRoomsOfALobby)
{
    FakeServer lobby;
    const QString address = QStringLiteral("127.0.0.1:%1").arg(lobby.listener.port());
    Tchat table;
    table.setServerSwitch([](QString*) { return true; });
    table.show();
    ASSERT_TRUE(lobby.waitForTable()); // the solo game

    table.PlayWithOthers1Click();
    PlayWithOthers* window = table.playWithOthers();
    window->showPage(PlayWithOthers::Page::Online);
    part<QLineEdit>(*window, "edit_name")->setText(QStringLiteral("Ann"));
    OnlinePage* page = window->onlinePage();
    page->createClick(); // no lobby yet
    EXPECT_TRUE(part<QLabel>(*window, "label_problem_online")->text().contains("lobby"));
    part<QLineEdit>(*window, "edit_lobby")->setText(address);
    part<QLineEdit>(*window, "edit_roomtitle")->setText(QStringLiteral("Club"));
    page->createClick();
    ASSERT_TRUE(lobby.waitForTable(2));
    lobby.send(1, msg::lobby(kLobbyProtocol));
    ASSERT_TRUE(lobby.waitForLine("CMD_newroom+Club+f+"));
    lobby.send(1, msg::roomcode("K7M2P9"));
    lobby.send(1, msg::sendlogininfo(1));
    ASSERT_TRUE(lobby.waitForLine("CMD_logininfo+1+1.0.8+Ann"));
    EXPECT_EQ(table.windowTitle(), "Brixo - Room K7M2P9");
    EXPECT_TRUE(part<QLabel>(table, "label_room")->isVisible());
    part<QPushButton>(table, "button_copyroom")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), "K7M2P9");
    EXPECT_EQ(table.settings().lobbyServer, address.toStdString());

    table.PlayWithOthers1Click();
    EXPECT_EQ(part<QLineEdit>(*window, "edit_lobby")->text(), address);
    part<QLineEdit>(*window, "edit_code")->setText(QStringLiteral("zzzz22"));
    page->joinCodeClick();
    ASSERT_TRUE(lobby.waitForTable(3));
    lobby.send(2, msg::lobby(kLobbyProtocol));
    ASSERT_TRUE(lobby.waitForLine("CMD_joinroom+ZZZZ22+"));
    lobby.send(2, msg::noroom("ZZZZ22"));
    ASSERT_TRUE(waitFor([&] { return window->isVisible(); }));
    EXPECT_EQ(table.session().role(), TableSession::Role::Solo);
    EXPECT_TRUE(part<QLabel>(*window, "label_problem_online")->text().contains("ZZZZ22"));
    EXPECT_FALSE(part<QLabel>(table, "label_room")->isVisible());
}
