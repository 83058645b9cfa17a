// The lobby's messages as a table and a lobby write and read them, and
// room codes as people type them.
#include "net/lobbymessages.h"
#include "net/receivequeue.h"

#include <gtest/gtest.h>

using namespace brixo;

namespace {

// The argument text of a built frame.
std::string argsOf(const std::string& frame)
{
    const std::string line = frame.substr(0, frame.size() - 1);
    const auto split = splitCommand(line);
    return split ? std::string(split->args) : std::string();
}

} // namespace

TEST(LobbyMessages, EachIsWrittenExactlyAndReadBack)
{
    EXPECT_EQ(msg::lobby(1), "CMD_lobby+1+\xFF");
    EXPECT_EQ(msg::parseLobby("1+"), 1);
    EXPECT_EQ(msg::listrooms(), "CMD_listrooms+\xFF");
    EXPECT_EQ(msg::roomsend(), "CMD_roomsend+\xFF");
    const msg::RoomEntry entry{"ABC234", "Friday club", 3, 1, true};
    EXPECT_EQ(msg::room(entry), "CMD_room+ABC234+Friday club+3+1+t+\xFF");
    EXPECT_EQ(msg::parseRoom(argsOf(msg::room(entry))), entry);
    EXPECT_EQ(msg::newroom({"Ann's room", false}), "CMD_newroom+Ann's room+f+\xFF");
    EXPECT_EQ(msg::parseNewroom("Ann's room+t+"), (msg::NewRoom{"Ann's room", true}));
    EXPECT_EQ(msg::roomcode("XYZ789"), "CMD_roomcode+XYZ789+\xFF");
    EXPECT_EQ(msg::joinroom("xyz789"), "CMD_joinroom+xyz789+\xFF");
    EXPECT_EQ(msg::noroom("XYZ789"), "CMD_noroom+XYZ789+\xFF");
    EXPECT_EQ(msg::parseCode("xyz789+"), "XYZ789");
}

TEST(LobbyMessages, MalformedOnesAreRefusedWhole)
{
    for (const char* bad : {"", "1", "x+", "1+2+"}) EXPECT_FALSE(msg::parseLobby(bad)) << bad;
    for (const char* bad : {"ABC23+T+3+1+t+", "ABC234+T+3+x+t+", "ABC234+T+3+1+yes+", "ABC234+T+3+1+t",
                            "ABC234+T+3+1+t+extra+", "ABC234+T+3+1+"})
        EXPECT_FALSE(msg::parseRoom(bad)) << bad;
    for (const char* bad : {"", "Title", "Title+x+", "Title+t"}) EXPECT_FALSE(msg::parseNewroom(bad)) << bad;
    for (const char* bad : {"", "ABC23+", "ABC2345+", "ABCO23+", "ABC234"}) EXPECT_FALSE(msg::parseCode(bad)) << bad;
}

TEST(RoomCodes, SixCharactersWithoutLookAlikesInAnyCase)
{
    EXPECT_EQ(roomCode("k7m2p9"), "K7M2P9");
    for (const char* bad : {"", "K7M2P", "K7M2P99", "K7M2P0", "K7M2PO", "K7M2P1", "K7M2PI", "K7M2PL", "K7M 2P"})
        EXPECT_FALSE(roomCode(bad)) << bad;
}
