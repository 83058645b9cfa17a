// The lobby's rules without sockets: what it answers in the lobby, how a
// table enters a room, and every bound, driven through a host that records
// what the lobby asks of it.
#include "net/catalogue.h"
#include "net/lobbymessages.h"
#include "server/lobby.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace brixo;

namespace {

class FakeLobbyHost : public LobbyHost {
public:
    void send(ConnectionId connection, const std::string& frame) override
    {
        EXPECT_FALSE(closed.contains(connection)) << "sent after the close: " << frame;
        sent[connection].push_back(frame.substr(0, frame.size() - 1));
    }
    void close(ConnectionId connection) override { closed.insert(connection); }
    void expectEntry(ConnectionId connection, int milliseconds) override { deadlines[connection] = milliseconds; }
    std::int64_t now() override { return clock; }
    void openRoom(RoomId room, std::uint64_t seed) override { seeds[room] = seed; }
    void enterRoom(ConnectionId connection, RoomId room) override { entered[connection] = room; }
    RoomSummary roomSummary(RoomId room) override { return summaries[room]; }

    std::map<ConnectionId, std::vector<std::string>> sent;
    std::set<ConnectionId> closed;
    std::map<ConnectionId, int> deadlines;
    std::int64_t clock = 1'000'000;
    std::map<RoomId, std::uint64_t> seeds;
    std::map<ConnectionId, RoomId> entered;
    std::map<RoomId, RoomSummary> summaries;
};

// Hands out the numbers it is given, then counts on from the last.
class ScriptedKeys : public SecretRandom {
public:
    std::uint64_t next() override
    {
        if (script.empty()) return ++last;
        last = script.front();
        script.pop_front();
        return last;
    }
    std::deque<std::uint64_t> script;
    std::uint64_t last = 0;
};

class LobbyTest : public ::testing::Test {
protected:
    FakeLobbyHost host;
    ScriptedKeys random;
    LobbyLimits limits;
    std::optional<std::uint64_t> seed;
    std::unique_ptr<Lobby> made;

    Lobby& lobby()
    {
        if (!made) made = std::make_unique<Lobby>(host, random, limits, seed);
        return *made;
    }
    void accept(ConnectionId id, const std::string& address = "127.0.0.1") { lobby().connectionAccepted(id, address); }
    void send(ConnectionId id, const std::string& frame) { lobby().message(id, frame.substr(0, frame.size() - 1)); }
    const std::string& last(ConnectionId id) { return host.sent[id].back(); }
    // Opens a room from a new connection; the room's code.
    std::string open(ConnectionId id, const std::string& title = "Room", bool isPublic = true,
                     const std::string& address = "127.0.0.1")
    {
        accept(id, address);
        send(id, msg::newroom({title, isPublic}));
        const auto split = splitCommand(last(id));
        if (!split || split->command != "CMD_roomcode") return {};
        return msg::parseCode(split->args).value_or("");
    }
};

} // namespace

TEST_F(LobbyTest, GreetsEachTableAndGivesItThirtySecondsToEnterARoom)
{
    accept(1);
    EXPECT_EQ(host.sent[1], std::vector<std::string>{"CMD_lobby+1+"});
    EXPECT_EQ(host.deadlines[1], 30'000);
    lobby().lobbyDeadline(1);
    EXPECT_TRUE(host.closed.contains(1));
    EXPECT_EQ(host.sent[1].size(), 1u);

    // Once in a room, the lobby's deadline no longer applies.
    open(2);
    lobby().lobbyDeadline(2);
    EXPECT_FALSE(host.closed.contains(2));
}

TEST_F(LobbyTest, ANewRoomGetsACodeAndTakesItsCreatorIn)
{
    const std::string code = open(1, "Friday club");
    ASSERT_EQ(roomCode(code), code);
    EXPECT_EQ(host.entered[1], 1u);
    EXPECT_EQ(host.seeds.size(), 1u);
    EXPECT_EQ(lobby().roomWithCode(code), 1u);
    EXPECT_EQ(lobby().lobbyCount(), 0u);
    // The room speaks from now on: the lobby no longer answers this table.
    send(1, msg::listrooms());
    EXPECT_EQ(host.sent[1].size(), 2u);
}

TEST_F(LobbyTest, TheListHoldsThePublicRoomsWithWhoIsInThemAndNeverAPrivateOne)
{
    const std::string club = open(1, "Friday club", true);
    open(2, "Family", false);
    const std::string other = open(3, "Open table", true);
    host.summaries[1] = {3, 2, true, false};
    accept(4);
    send(4, msg::listrooms());
    EXPECT_EQ(host.sent[4], (std::vector<std::string>{"CMD_lobby+1+", "CMD_room+" + club + "+Friday club+3+2+t+",
                                                      "CMD_room+" + other + "+Open table+0+0+f+", "CMD_roomsend+"}));
}

TEST_F(LobbyTest, TitlesAreCleanedAsNamesAre)
{
    const struct {
        std::string typed;
        std::string listed; // "@" stands for the room's code
    } cases[] = {
        {"  Ann's room ", "Ann's room"},
        {"Bar|none", "Bar none"},
        {"Tab\tbed\x01", "Tabbed"},
        {"A title far longer than twenty-four characters", "A title far longer than"},
        {"", "Room @"},
        {" \x02 ", "Room @"},
    };
    ConnectionId id = 1;
    for (const auto& c : cases) {
        const std::string code = open(id, c.typed);
        accept(id + 100);
        send(id + 100, msg::listrooms());
        std::string expected = c.listed;
        if (const auto at = expected.find('@'); at != std::string::npos) expected.replace(at, 1, code);
        const auto entry = msg::parseRoom(splitCommand(host.sent[id + 100].at(host.sent[id + 100].size() - 2))->args);
        ASSERT_TRUE(entry) << c.typed;
        EXPECT_EQ(entry->title, expected) << c.typed;
        lobby().roomClosed(lobby().roomWithCode(code));
        ++id;
    }
}

TEST_F(LobbyTest, JoiningTakesTheTableInByItsCodeInAnyCase)
{
    const std::string code = open(1, "Private", false);
    accept(2);
    std::string lower = code;
    for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    send(2, msg::joinroom(lower));
    EXPECT_EQ(host.entered[2], 1u);
    EXPECT_EQ(host.sent[2].size(), 1u); // the room greets it, not the lobby
}

TEST_F(LobbyTest, AnUnknownCodeIsAnsweredAndTheTableMayTryAgain)
{
    const std::string code = open(1);
    accept(2);
    send(2, msg::joinroom("ZZZZZZ"));
    EXPECT_EQ(last(2), "CMD_noroom+ZZZZZZ+");
    // Not a code at all: ignored.
    send(2, msg::joinroom("ZZZ0"));
    EXPECT_EQ(last(2), "CMD_noroom+ZZZZZZ+");
    EXPECT_FALSE(host.closed.contains(2));
    EXPECT_FALSE(host.entered.contains(2));
    send(2, msg::joinroom(code));
    EXPECT_EQ(host.entered[2], 1u);

    // A closed room's code leads nowhere.
    lobby().roomClosed(1);
    accept(3);
    send(3, msg::joinroom(code));
    EXPECT_EQ(last(3), "CMD_noroom+" + code + "+");
}

TEST_F(LobbyTest, AFullRoomIsRefusedAsAFullServerRefusesATable)
{
    const std::string code = open(1);
    host.summaries[1].full = true;
    accept(2);
    send(2, msg::joinroom(code));
    EXPECT_EQ(last(2), "CMD_full+");
    EXPECT_TRUE(host.closed.contains(2));
    EXPECT_FALSE(host.entered.contains(2));
}

TEST_F(LobbyTest, CodesAreUniqueAmongOpenRoomsAndDrawnFromTheRandomSource)
{
    random.script = {5, 5, 5, 9};
    const std::string first = open(1);
    const std::string second = open(2);
    EXPECT_NE(first, second);
    // A closed room's code may be drawn again.
    lobby().roomClosed(1);
    random.script = {5};
    EXPECT_EQ(open(3), first);
}

// A room kept from before a restart comes back under its own code, which
// no new room may then draw; a code that is malformed, taken or over the
// room limit is refused.
TEST_F(LobbyTest, ARestoredRoomKeepsItsCodeAndTitle)
{
    limits.maxRooms = 2;
    random.script = {5};
    const std::string drawn = open(1);
    lobby().roomClosed(1);
    const RoomId kept = lobby().restoreRoom(drawn, "Friday\nclub", false);
    ASSERT_NE(kept, 0u);
    EXPECT_EQ(lobby().room(kept)->title, "Fridayclub"); // cleaned as a name is
    EXPECT_FALSE(lobby().room(kept)->isPublic);
    EXPECT_EQ(lobby().restoreRoom(drawn, "Again", true), 0u);
    EXPECT_EQ(lobby().restoreRoom("abc", "Short", true), 0u);
    EXPECT_EQ(lobby().restoreRoom("k7m2p9", "Lower case", true), 0u);
    random.script = {5, 9};
    EXPECT_NE(open(2), drawn);
    EXPECT_EQ(lobby().roomWithCode(drawn), kept);
    EXPECT_EQ(lobby().restoreRoom("K7M2P9", "Over the limit", true), 0u);
}

TEST_F(LobbyTest, ALobbySeedGivesRoomOneThatSeedAndEveryRoomItsOwn)
{
    seed = 42;
    open(1);
    open(2);
    open(3);
    EXPECT_EQ(host.seeds[1], 42u);
    EXPECT_EQ(host.seeds[2], Lobby::roomSeed(42, 2));
    EXPECT_EQ(std::set<std::uint64_t>({host.seeds[1], host.seeds[2], host.seeds[3]}).size(), 3u);
}

TEST_F(LobbyTest, NoMoreRoomsThanTheLimitAndFullIsTheAnswer)
{
    limits.maxRooms = 2;
    open(1, "A", true, "127.0.0.1");
    open(2, "B", true, "127.0.0.2");
    EXPECT_EQ(open(3, "C", true, "127.0.0.3"), "");
    EXPECT_EQ(last(3), "CMD_full+");
    EXPECT_TRUE(host.closed.contains(3));
    lobby().roomClosed(1);
    EXPECT_NE(open(4, "D", true, "127.0.0.3"), "");
}

TEST_F(LobbyTest, AnAddressOpensAtMostSoManyRoomsAMinute)
{
    limits.roomsPerAddress = 3;
    for (ConnectionId id = 1; id <= 3; ++id) EXPECT_NE(open(id), "");
    host.clock += 59'000;
    EXPECT_EQ(open(4), "");
    EXPECT_EQ(last(4), "CMD_full+");
    EXPECT_NE(open(5, "Room", true, "127.0.0.2"), ""); // another address
    host.clock += 1'000;
    EXPECT_NE(open(6), "");
}

TEST_F(LobbyTest, AnAddressGuessesAtMostSoManyWrongCodesAMinute)
{
    limits.wrongCodesPerAddress = 2;
    const std::string code = open(1);
    accept(2);
    send(2, msg::joinroom("ZZZZZZ"));
    send(2, msg::joinroom("YYYYYY"));
    EXPECT_EQ(last(2), "CMD_noroom+YYYYYY+");
    // A right code does not count.
    accept(3);
    send(3, msg::joinroom(code));
    EXPECT_EQ(host.entered[3], 1u);
    send(2, msg::joinroom("XXXXXX"));
    EXPECT_TRUE(host.closed.contains(2));
    EXPECT_EQ(last(2), "CMD_noroom+YYYYYY+");
    accept(4, "127.0.0.2");
    send(4, msg::joinroom("XXXXXX"));
    EXPECT_EQ(last(4), "CMD_noroom+XXXXXX+");
    host.clock += Lobby::kRateWindowMilliseconds;
    accept(5);
    send(5, msg::joinroom("XXXXXX"));
    EXPECT_EQ(last(5), "CMD_noroom+XXXXXX+");
}

TEST_F(LobbyTest, AnAddressHoldsAtMostSoManyConnectionsInTheLobbyAndRoomsTogether)
{
    limits.connectionsPerAddress = 3;
    open(1);  // in a room
    accept(2);
    accept(3);
    accept(4);
    EXPECT_TRUE(host.closed.contains(4));
    EXPECT_FALSE(host.sent.contains(4)); // not a word
    accept(5, "127.0.0.2");
    EXPECT_FALSE(host.closed.contains(5));
    // A connection leaving its room makes way for another; a refused one
    // was never counted.
    lobby().connectionClosed(4);
    lobby().connectionClosed(1);
    EXPECT_EQ(lobby().connectionsFrom("127.0.0.1"), 2);
    accept(6);
    EXPECT_FALSE(host.closed.contains(6));
    EXPECT_EQ(lobby().connectionsFrom("127.0.0.1"), 3);
}

TEST_F(LobbyTest, OversizedLinesAndEndlessChatterCloseTheConnectionWhileOtherMessagesAreIgnored)
{
    accept(1);
    send(1, msg::chat(1, "hello"));
    send(1, msg::logininfo(1, msg::kVersion, "Ann"));
    send(1, msg::newroom({"no flag", false}).substr(0, 18) + "+\xFF");
    send(1, "CMD_whatever+\xFF");
    EXPECT_EQ(host.sent[1].size(), 1u);
    EXPECT_FALSE(host.closed.contains(1));

    accept(2);
    send(2, msg::newroom({std::string(Lobby::kMaxLobbyLine, 'x'), true}));
    EXPECT_TRUE(host.closed.contains(2));
    EXPECT_TRUE(host.seeds.empty());

    accept(3);
    for (int n = 0; n < Lobby::kLobbyMessages; ++n) send(3, msg::listrooms());
    EXPECT_FALSE(host.closed.contains(3));
    send(3, msg::listrooms());
    EXPECT_TRUE(host.closed.contains(3));
}
