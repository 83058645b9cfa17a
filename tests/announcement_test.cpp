// Announcing games on the local network: the datagram survives the trip
// and nothing malformed is taken for a game; the list of games a listener
// keeps; where announcements go.
#include "net/announcement.h"
#include "net/gamefinder.h"
#include "net/gameport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace brixo;

namespace {

Announcement annsGame()
{
    return {7772, "Ann", 1, 3, false, 500, "1.0.8"};
}

// A well-formed datagram, with one field's line replaced (an empty
// replacement leaves the line out).
std::string datagramWith(const std::string& field = "", const std::string& line = "")
{
    std::string text = "BRIXO 1\n";
    for (const std::string own :
         {"port=7772", "name=Ann", "seated=1", "free=3", "running=0", "playto=500", "version=1.0.8"}) {
        const bool replaced = !field.empty() && own.starts_with(field + "=");
        if (!replaced) text += own + "\n";
        else if (!line.empty()) text += line + "\n";
    }
    return text;
}

} // namespace

TEST(Announcement, RoundTrips)
{
    ASSERT_EQ(decodeAnnouncement(datagramWith()), annsGame());
    EXPECT_EQ(encodeAnnouncement(annsGame()), datagramWith());
    const std::vector<Announcement> games = {
        annsGame(),
        {1, "Zoë = the best", 4, 0, true, 0, "1.0.8"},
        {65535, "\xE5\xA4\xA7\xE5\x90\x89", 0, 4, false, 1500, "2.0.0-beta+1"},
        {7000, "x", 2, 2, true, 100, std::string(kMaxVersionLength, 'v')},
    };
    for (const Announcement& game : games) EXPECT_EQ(decodeAnnouncement(encodeAnnouncement(game)), game) << game.name;
}

TEST(Announcement, TheNameIsMadeSafeAndCutToFitOnACharacterBoundary)
{
    Announcement game = annsGame();
    // A line break in a name must not become a field of its own.
    game.name = "Ann\nport=1\t\x7F\xC2\x85\xFF";
    auto heard = decodeAnnouncement(encodeAnnouncement(game));
    ASSERT_TRUE(heard);
    EXPECT_EQ(heard->name, "Ann port=1   ?");
    EXPECT_EQ(heard->port, 7772);

    for (const std::string unit : {"x", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x82\xA1"}) {
        game.name.clear();
        for (int i = 0; i < 600; ++i) game.name += unit;
        game.version = std::string(100, 'v');
        const std::string datagram = encodeAnnouncement(game);
        EXPECT_LE(datagram.size(), kMaxAnnouncementBytes);
        EXPECT_GE(datagram.size(), kMaxAnnouncementBytes - 3) << "the name has the room there is";
        heard = decodeAnnouncement(datagram);
        ASSERT_TRUE(heard) << unit;
        EXPECT_EQ(heard->name.size() % unit.size(), 0u);
        EXPECT_EQ(game.name.substr(0, heard->name.size()), heard->name);
        EXPECT_EQ(heard->version, std::string(kMaxVersionLength, 'v'));
    }
}

TEST(Announcement, AnythingMalformedIsRefused)
{
    const std::string good = datagramWith();
    std::vector<std::pair<std::string, std::string>> cases = {
        {"empty", ""},
        {"header only", "BRIXO 1\n"},
        {"another format", "BRIXO 2" + good.substr(7)},
        {"another magic", "brixo 1" + good.substr(7)},
        {"header without line end", "BRIXO 1"},
        {"oversized", datagramWith("name", "name=" + std::string(kMaxAnnouncementBytes, 'x'))},
        {"repeated field", good + "seated=1\n"},
        {"unknown field", good + "colour=red\n"},
        {"line without =", good + "hello\n"},
        {"empty line", good + "\n"},
        {"trailing garbage", good + "x"},
        {"no final line end", good.substr(0, good.size() - 1)},
        {"carriage returns", datagramWith("port", "port=7772\r")},
        {"port 0", datagramWith("port", "port=0")},
        {"port too high", datagramWith("port", "port=65536")},
        {"port with sign", datagramWith("port", "port=+7772")},
        {"port negative", datagramWith("port", "port=-1")},
        {"port leading zero", datagramWith("port", "port=07772")},
        {"port empty", datagramWith("port", "port=")},
        {"port with letters", datagramWith("port", "port=7772x")},
        {"port with blank", datagramWith("port", "port= 7772")},
        {"port overflowing", datagramWith("port", "port=99999999999999999999")},
        {"key with blank", datagramWith("port", "port =7772")},
        {"five seated", datagramWith("seated", "seated=5")},
        {"five free", datagramWith("free", "free=5")},
        {"more seats than the table", datagramWith("seated", "seated=2")},
        {"running 2", datagramWith("running", "running=2")},
        {"running as a word", datagramWith("running", "running=true")},
        {"play-to too high", datagramWith("playto", "playto=1501")},
        {"empty name", datagramWith("name", "name=")},
        {"tab in name", datagramWith("name", "name=A\tnn")},
        {"DEL in name", datagramWith("name", "name=Ann\x7F")},
        {"C1 control in name", datagramWith("name", "name=Ann\xC2\x85")},
        {"name not UTF-8", datagramWith("name", "name=Ann\xFF")},
        {"name cut inside a character", datagramWith("name", "name=Ann\xE2\x82")},
        {"overlong UTF-8", datagramWith("name", "name=\xC0\x80")},
        {"UTF-16 surrogate", datagramWith("name", "name=\xED\xA0\x80")},
        {"empty version", datagramWith("version", "version=")},
        {"blank in version", datagramWith("version", "version=1.0 beta")},
        {"long version", datagramWith("version", "version=" + std::string(kMaxVersionLength + 1, 'v'))},
    };
    for (const std::string field : {"port", "name", "seated", "free", "running", "playto", "version"})
        cases.push_back({"no " + field, datagramWith(field)});
    for (const auto& [what, datagram] : cases) EXPECT_FALSE(decodeAnnouncement(datagram)) << what;

    // At the limit, a datagram is still taken.
    const std::string full = datagramWith("name", "name=" + std::string(kMaxAnnouncementBytes - good.size() + 3, 'x'));
    ASSERT_EQ(full.size(), kMaxAnnouncementBytes);
    EXPECT_TRUE(decodeAnnouncement(full));
    // Fields come in any order.
    EXPECT_EQ(decodeAnnouncement("BRIXO 1\nversion=1.0.8\nplayto=500\nrunning=0\nfree=3\nseated=1\nname=Ann\n"
                                 "port=7772\n"),
              annsGame());
}

TEST(GameFinder, ListsAHostUpdatesItInPlaceAndForgetsItWhenSilent)
{
    using namespace std::chrono_literals;
    const GameFinder::Clock::time_point t0{};
    GameFinder finder;
    EXPECT_FALSE(finder.heard("192.168.1.5", "BRIXO 1\nnonsense\n", t0));
    EXPECT_TRUE(finder.heard("192.168.1.5", datagramWith(), t0));
    ASSERT_EQ(finder.games().size(), 1u);
    EXPECT_EQ(finder.games()[0].endpoint(), "192.168.1.5:7772");
    EXPECT_EQ(finder.games()[0].game, annsGame());

    // Heard again unchanged: no change to show, but it stays listed longer.
    EXPECT_FALSE(finder.heard("192.168.1.5", datagramWith(), t0 + 3s));
    Announcement moved = annsGame();
    moved.seated = 2, moved.freeSeats = 2;
    EXPECT_TRUE(finder.heard("192.168.1.5", encodeAnnouncement(moved), t0 + 3s));
    ASSERT_EQ(finder.games().size(), 1u);
    EXPECT_EQ(finder.games()[0].game, moved);

    // Another port or another address is another game; the list is in name
    // order, letter case aside, then address and port.
    Announcement bob = annsGame();
    bob.name = "bob", bob.port = 7000;
    EXPECT_TRUE(finder.heard("192.168.1.5", encodeAnnouncement(bob), t0 + 1s));
    EXPECT_TRUE(finder.heard("fe80::1%eth0", datagramWith(), t0 + 1s));
    std::vector<std::string> listed;
    for (const FoundGame& found : finder.games()) listed.push_back(found.endpoint() + " " + found.game.name);
    EXPECT_EQ(listed, (std::vector<std::string>{"192.168.1.5:7772 Ann", "[fe80::1%eth0]:7772 Ann",
                                                "192.168.1.5:7000 bob"}));

    EXPECT_FALSE(finder.forgetOld(t0 + 5s + 999ms));
    EXPECT_TRUE(finder.forgetOld(t0 + 6s));
    ASSERT_EQ(finder.games().size(), 1u);
    EXPECT_EQ(finder.games()[0].game, moved);
    EXPECT_TRUE(finder.forgetOld(t0 + 8s));
    EXPECT_TRUE(finder.games().empty());
    EXPECT_FALSE(finder.forgetOld(t0 + 9s));
}

TEST(GameFinder, AFloodOfHostsIsListedOnlyUpToTheLimit)
{
    const GameFinder::Clock::time_point t0{};
    GameFinder finder;
    Announcement game = annsGame();
    for (game.port = 1; game.port <= int(GameFinder::kMaxGames) + 50; ++game.port)
        finder.heard("10.0.0.1", encodeAnnouncement(game), t0);
    EXPECT_EQ(finder.games().size(), GameFinder::kMaxGames);
    // A game already listed is still updated.
    game.port = 1, game.seated = 0;
    EXPECT_TRUE(finder.heard("10.0.0.1", encodeAnnouncement(game), t0));
}

TEST(AnnounceTargets, AreTheListedAddressesTrimmedWithoutEmptyOnes)
{
    using Targets = std::vector<std::string>;
    EXPECT_EQ(parseAnnounceTargets(""), Targets{});
    EXPECT_EQ(parseAnnounceTargets(" , ,"), Targets{});
    EXPECT_EQ(parseAnnounceTargets("127.0.0.1"), Targets{"127.0.0.1"});
    EXPECT_EQ(parseAnnounceTargets(" 127.0.0.1 ,\t::1,,192.168.1.255 "), (Targets{"127.0.0.1", "::1", "192.168.1.255"}));
}
