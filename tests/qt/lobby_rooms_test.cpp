// The lobby over real sockets: tables handed over to rooms that are game
// servers of their own, rooms that close with their last table, bounds
// counted by the peer's own address. The lobby's rules themselves are
// tested without sockets (server_lobby_test).
#include "net/lobbymessages.h"
#include "net/qt/lobbybrowser.h"
#include "server/qt/qtlobbyhost.h"
#include "server/qt/qtserverhost.h"
#include "tests/qt/server_scriptedtable.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

using namespace brixo;
using namespace brixo::test;

namespace {

struct LoopbackLobby {
    explicit LoopbackLobby(LobbyLimits limits = {}) : lobby(limits, 7, QtLobbyHost::RoomOptions{0, BotLevel::Normal, 1})
    {
        listening = lobby.listen(0, QHostAddress(QHostAddress::LocalHost));
    }
    // A lobby that keeps its rooms in the folder and goes on with those it
    // finds there, on this port.
    LoopbackLobby(const std::filesystem::path& folder, quint16 port, int returnWait = QtLobbyHost::kReturnWaitMilliseconds,
                  int botspeed = 0)
        : lobby({}, 7, QtLobbyHost::RoomOptions{botspeed, BotLevel::Normal, 1})
    {
        lobby.keepRooms(folder);
        lobby.setReturnWait(returnWait);
        resumed = lobby.resumeRooms();
        listening = lobby.listen(port, QHostAddress(QHostAddress::LocalHost));
    }
    // A table that opens a room or joins one, logged in once this returns.
    ScriptedTable& enter(const std::string& name, const TableMirror::RoomRequest& request, bool plays = false)
    {
        tables.push_back(std::make_unique<ScriptedTable>(name, plays));
        ScriptedTable& table = *tables.back();
        table.enterRoom(request);
        table.connectTo(lobby.port());
        EXPECT_TRUE(waitFor([&] { return table.loggedIn(); })) << name << " did not log in";
        return table;
    }
    ScriptedTable& open(const std::string& name, const std::string& title, bool isPublic = true, bool plays = false)
    {
        return enter(name, {true, title, isPublic, ""}, plays);
    }
    ScriptedTable& join(const std::string& name, const std::string& code, bool plays = false)
    {
        return enter(name, {false, "", true, code}, plays);
    }

    QtLobbyHost lobby;
    QtLobbyHost::Resumed resumed;
    bool listening = false;
    std::vector<std::unique_ptr<ScriptedTable>> tables;
};

// A connection from a source address of its own (127.0.0.2 and up), read
// as raw frames.
class RawPeer {
public:
    RawPeer(const char* from, quint16 port)
    {
        m_socket.bind(QHostAddress(QString::fromLatin1(from)));
        QObject::connect(&m_socket, &QTcpSocket::readyRead, [this] { m_heard += m_socket.readAll().toStdString(); });
        m_socket.connectToHost(QHostAddress::LocalHost, port);
    }
    void send(const std::string& frame) { m_socket.write(frame.data(), qint64(frame.size())); }
    bool closed() const { return m_socket.state() == QAbstractSocket::UnconnectedState; }
    const std::string& heard() const { return m_heard; }

private:
    QTcpSocket m_socket;
    std::string m_heard;
};

} // namespace

TEST(LobbyRooms, ARoomIsAGameServerOfItsOwnThatClosesWithItsLastTable)
{
    LoopbackLobby game;
    ASSERT_TRUE(game.listening);
    ScriptedTable& ann = game.open("Ann", "Friday club");
    EXPECT_EQ(ann.lines().at(0), "CMD_lobby+1+");
    ASSERT_EQ(ann.slot(), 1);
    const std::string code = ann.roomCode();
    ASSERT_EQ(roomCode(code), code);
    ScriptedTable& bob = game.join("Bob", code);
    EXPECT_EQ(bob.slot(), 2);
    EXPECT_TRUE(waitFor([&] { return ann.count("CMD_newplayerinfo+2+Bob") == 1; }));
    game.open("Cyd", "Hidden", false);

    // The list, as the table's browser reads it, holds the public room as
    // its server sees it, and nothing of the private one.
    LobbyBrowser browser;
    std::optional<std::vector<msg::RoomEntry>> listed;
    QObject::connect(&browser, &LobbyBrowser::roomsListed, [&](const auto& rooms) { listed = rooms; });
    browser.listRooms(QStringLiteral("127.0.0.1"), game.lobby.port());
    ASSERT_TRUE(waitFor([&] { return listed.has_value(); }));
    const std::vector<msg::RoomEntry> expected{{code, "Friday club", 2, 0, false}};
    EXPECT_EQ(*listed, expected);

    // Nine slots, as a lone server has: the tenth table is refused.
    for (int n = 3; n <= 9; ++n) game.join("Guest" + std::to_string(n), code);
    ScriptedTable late("Late");
    late.enterRoom({false, "", true, code});
    late.connectTo(game.lobby.port());
    ASSERT_TRUE(waitFor([&] { return late.closed(); }));
    EXPECT_EQ(late.lines().back(), "CMD_full+");

    ScriptedTable looker("Looker");
    looker.connectTo(game.lobby.port());
    ASSERT_TRUE(waitFor([&] { return looker.count("CMD_lobby+") == 1; }));

    // Everybody leaves: the room closes and its code leads nowhere.
    ASSERT_EQ(game.lobby.lobby().roomCount(), 2u);
    for (auto& table : game.tables)
        if (table->roomCode() == code || table->slot() > 1) table->close();
    ann.close();
    bob.close();
    ASSERT_TRUE(waitFor([&] { return game.lobby.lobby().roomCount() == 1; }));
    EXPECT_EQ(game.lobby.room(code), nullptr);
    looker.send(msg::joinroom(code));
    ASSERT_TRUE(waitFor([&] { return looker.count("CMD_noroom+") == 1; }));
}

TEST(LobbyRooms, TwoRoomsPlayAtOnceWithoutAMessageCrossing)
{
    LoopbackLobby game;
    ASSERT_TRUE(game.listening);
    ScriptedTable& ann = game.open("Ann", "North", true, true);
    ScriptedTable& bob = game.join("Bob", ann.roomCode(), true);
    ScriptedTable& cyd = game.open("Cyd", "South", true, true);
    ScriptedTable& dan = game.join("Dan", cyd.roomCode(), true);
    ASSERT_EQ(cyd.slot(), 1); // each room has its own slots
    ann.send(msg::startgame({"Ann", 100, 60, "t", "f", 14}));
    cyd.send(msg::startgame({"Cyd", 100, 60, "t", "f", 14}));
    ann.send(msg::chat(1, "north only"));
    cyd.send(msg::chat(1, "south only"));
    ASSERT_TRUE(waitFor([&] { return ann.turnsPlayed() >= 3 && cyd.turnsPlayed() >= 3; }, 20'000));

    const auto heardOf = [](const ScriptedTable& table, const std::string& word) {
        return std::count_if(table.lines().begin(), table.lines().end(),
                             [&](const std::string& l) { return l.find(word) != std::string::npos; });
    };
    for (const ScriptedTable* north : {&ann, &bob}) {
        EXPECT_GT(heardOf(*north, "north only"), 0);
        EXPECT_EQ(heardOf(*north, "south only") + heardOf(*north, "Cyd") + heardOf(*north, "Dan"), 0);
    }
    for (const ScriptedTable* south : {&cyd, &dan}) {
        EXPECT_GT(heardOf(*south, "south only"), 0);
        EXPECT_EQ(heardOf(*south, "north only") + heardOf(*south, "Ann") + heardOf(*south, "Bob"), 0);
    }
    // Each room's tables follow the same turns, their own room's.
    const auto sameTurns = [](const ScriptedTable& a, const ScriptedTable& b) {
        const auto x = a.args("CMD_nextplayer"), y = b.args("CMD_nextplayer");
        const std::size_t n = std::min(x.size(), y.size());
        return n > 0 && std::equal(x.begin(), x.begin() + long(n), y.begin());
    };
    EXPECT_TRUE(sameTurns(ann, bob));
    EXPECT_TRUE(sameTurns(cyd, dan));
    EXPECT_NE(game.lobby.room(ann.roomCode()), game.lobby.room(cyd.roomCode()));
}

TEST(LobbyRooms, BoundsCountTheConnectionsOfEachPeerAddress)
{
    LobbyLimits limits;
    limits.connectionsPerAddress = 2;
    limits.roomsPerAddress = 1;
    LoopbackLobby game(limits);
    ASSERT_TRUE(game.listening);
    RawPeer first("127.0.0.2", game.lobby.port()), second("127.0.0.2", game.lobby.port());
    ASSERT_TRUE(waitFor([&] { return !first.heard().empty() && !second.heard().empty(); }));
    RawPeer third("127.0.0.2", game.lobby.port());
    RawPeer other("127.0.0.3", game.lobby.port());
    ASSERT_TRUE(waitFor([&] { return third.closed() && !other.heard().empty(); }));
    EXPECT_EQ(third.heard(), "");

    // One room a minute from 127.0.0.2: the second is refused.
    first.send(msg::newroom({"One", true}));
    ASSERT_TRUE(waitFor([&] { return first.heard().find("CMD_sendlogininfo+1") != std::string::npos; }));
    second.send(msg::newroom({"Two", true}));
    ASSERT_TRUE(waitFor([&] { return second.closed(); }));
    EXPECT_EQ(second.heard(), msg::lobby(kLobbyProtocol) + msg::full());
    EXPECT_EQ(game.lobby.lobby().connectionsFrom("127.0.0.2"), 1);
}

// A lobby killed in the middle of its rooms' games and started again puts
// each room back under its code and title; a table that comes back with
// its seat key has its seat, and the game goes on to its end. A room
// nobody comes back to closes, and a damaged room file is set aside.
TEST(LobbyRooms, AKilledLobbyGoesOnWithItsRoomsAndTheirTablesComeBack)
{
    QTemporaryDir dir;
    const std::filesystem::path folder = dir.path().toStdString();
    std::optional<LoopbackLobby> game;
    // Computer turns a moment apart, so that neither game can play to its
    // end (and take its journal with it) before the lobby is killed.
    game.emplace(folder, 0, QtLobbyHost::kReturnWaitMilliseconds, 20);
    ASSERT_TRUE(game->listening);
    const quint16 port = game->lobby.port();
    ScriptedTable& ann = game->open("Ann", "Friday club");
    ScriptedTable& cyd = game->open("Cyd", "Quiet", false);
    ann.send(msg::startgame({"Ann", 300, 60, "t", "f", 14}));
    cyd.send(msg::startgame({"Cyd", 300, 60, "t", "f", 14}));
    for (ScriptedTable* table : {&ann, &cyd}) table->send(msg::justwatch(1, "1"));
    ASSERT_TRUE(waitFor([&] { return ann.count("CMD_nextplayer+") >= 3 && cyd.count("CMD_nextplayer+") >= 3; }));
    const std::string code = ann.roomCode(), key = ann.table().seatKey(), quiet = cyd.roomCode();
    // Written on a thread of their own, a moment later: on a busy disk an
    // fsync alone can take seconds.
    constexpr int kDiskWait = 30'000;
    ASSERT_TRUE(waitFor([&] {
        return std::filesystem::exists(folder / (code + ".txt")) && std::filesystem::exists(folder / (quiet + ".txt"));
    }, kDiskWait));
    std::ofstream(folder / "ZZZZZZ.txt") << "room ZZZZZZ 1 Broken\nnot a journal\n";

    game.reset(); // the lobby's process is gone; its files stay
    // Its computer players take their time, so that the game is still on
    // when the table is back.
    game.emplace(folder, port, 500, 100);
    ASSERT_TRUE(game->listening);
    EXPECT_EQ(game->resumed.rooms, 2);
    ASSERT_EQ(game->resumed.messages.size(), 1u);
    EXPECT_NE(game->resumed.messages[0].find("ZZZZZZ.txt"), std::string::npos) << game->resumed.messages[0];
    EXPECT_TRUE(std::filesystem::exists(folder / "ZZZZZZ.txt.bad"));

    LobbyBrowser browser;
    std::optional<std::vector<msg::RoomEntry>> listed;
    QObject::connect(&browser, &LobbyBrowser::roomsListed, [&](const auto& rooms) { listed = rooms; });
    browser.listRooms(QStringLiteral("127.0.0.1"), port);
    ASSERT_TRUE(waitFor([&] { return listed.has_value(); }));
    ASSERT_EQ(listed->size(), 1u); // the private room is not listed
    EXPECT_EQ(listed->at(0).code, code);
    EXPECT_EQ(listed->at(0).title, "Friday club");

    ScriptedTable back("Ann");
    back.useSeatKey(key);
    back.enterRoom({false, "", true, code});
    back.connectTo(port);
    ASSERT_TRUE(waitFor([&] { return back.loggedIn(); }));
    EXPECT_EQ(back.slot(), 1);
    EXPECT_TRUE(back.table().host());
    back.send(msg::justwatch(1, "1"));
    ASSERT_TRUE(waitFor([&] { return back.count("CMD_nextplayer+") >= 3; }));
    // Nobody came back to the quiet room: it closed, its file with it.
    EXPECT_TRUE(waitFor([&] { return game->lobby.lobby().roomCount() == 1; }));
    EXPECT_TRUE(waitFor([&] { return !std::filesystem::exists(folder / (quiet + ".txt")); }, kDiskWait));
    // The last table leaves: the room and its file go.
    back.close();
    EXPECT_TRUE(waitFor([&] { return game->lobby.lobby().roomCount() == 0; }));
    EXPECT_TRUE(waitFor([&] { return !std::filesystem::exists(folder / (code + ".txt")); }, kDiskWait));
}
