// The command line: the game's own forms reach the table unchanged, the
// options are read before any window, and mistakes are refused.
#include "commandline.h"

#include "net/catalogue.h"

#include <gtest/gtest.h>

using namespace brixo;

namespace {

CommandLine parse(std::vector<std::string_view> args)
{
    return parseCommandLine(args, 7772);
}

} // namespace

TEST(CommandLine, TheGamesOwnFormsGoToTheTable)
{
    EXPECT_EQ(parse({}).launch, Launch::Table);
    EXPECT_EQ(parse({"Ann", "192.168.1.5", "true"}).launch, Launch::Table);
    // A name may begin with a dash, even two further on.
    EXPECT_EQ(parse({"-Ann-", "192.168.1.5", "false"}).launch, Launch::Table);
    EXPECT_EQ(parse({"-h", "192.168.1.5", "false"}).launch, Launch::Table);
    EXPECT_EQ(parse({"Ann", "--help", "true"}).launch, Launch::Table);
}

TEST(CommandLine, HelpAndVersion)
{
    EXPECT_EQ(parse({"--help"}).launch, Launch::Help);
    EXPECT_EQ(parse({"-h"}).launch, Launch::Help);
    EXPECT_EQ(parse({"--version"}).launch, Launch::Version);
    EXPECT_EQ(parse({"--version", "now"}).launch, Launch::BadUsage);
    EXPECT_EQ(versionLine(), "brixo " + std::string(msg::kVersion));
    // The package carries the version a table logs in with.
    EXPECT_EQ(std::string(msg::kVersion), BRIXO_PROJECT_VERSION);
    for (const char* form : {"NAME HOST true", "--server", "--port", "--botspeed", "--level", "--seed", "--listen",
                             "--no-announce", "--resume", "--round-pause", "--lobby", "--rooms", "--max-rooms-per-address",
                             "--max-connections-per-address", "--find", "--compress", "--decompress", "--version",
                             "BRIXO_ANNOUNCE_TO", "BRIXO_DISCOVERY_PORT"})
        EXPECT_NE(usage().find(form), std::string::npos) << form;
}

TEST(CommandLine, AnUnknownOptionIsRefusedWithItsName)
{
    const CommandLine line = parse({"--fullscreen"});
    EXPECT_EQ(line.launch, Launch::BadUsage);
    EXPECT_NE(line.error.find("--fullscreen"), std::string::npos);
    EXPECT_EQ(parse({"--"}).launch, Launch::BadUsage);
    EXPECT_EQ(parse({"--compress", "a", "b"}).launch, Launch::TallyFile);
}

TEST(CommandLine, ServerOptions)
{
    const CommandLine plain = parseCommandLine({"--server"}, 7001);
    ASSERT_EQ(plain.launch, Launch::Server);
    EXPECT_EQ(plain.server.port, 7001);
    EXPECT_EQ(plain.server.botspeed, 1000);
    EXPECT_EQ(plain.server.level, BotLevel::Normal);
    EXPECT_FALSE(plain.server.seed);
    EXPECT_EQ(plain.server.listen, "");
    EXPECT_TRUE(plain.server.announce);

    const CommandLine full =
        parse({"--server", "--port", "0", "--botspeed", "0", "--level", "Expert", "--seed", "18446744073709551615"});
    ASSERT_EQ(full.launch, Launch::Server);
    EXPECT_EQ(full.server.port, 0);
    EXPECT_EQ(full.server.botspeed, 0);
    EXPECT_EQ(full.server.level, BotLevel::Expert);
    EXPECT_EQ(full.server.seed, 18446744073709551615ull);

    // A flag among the options with values; an address in brackets or not;
    // an empty one (a service's unset setting) is every interface.
    const CommandLine listening =
        parse({"--server", "--no-announce", "--listen", "127.0.0.1", "--resume", "--port", "7000", "--round-pause", "2"});
    ASSERT_EQ(listening.launch, Launch::Server);
    EXPECT_FALSE(listening.server.announce);
    EXPECT_TRUE(listening.server.resume);
    EXPECT_FALSE(full.server.resume);
    EXPECT_EQ(listening.server.roundPause, 2);
    EXPECT_FALSE(full.server.roundPause);
    EXPECT_EQ(listening.server.listen, "127.0.0.1");
    EXPECT_EQ(listening.server.port, 7000);
    EXPECT_EQ(parse({"--server", "--listen", "[fe80::1%eth0]"}).server.listen, "fe80::1%eth0");
    EXPECT_EQ(parse({"--server", "--listen", "::"}).server.listen, "::");
    const CommandLine everywhere = parse({"--server", "--listen", ""});
    ASSERT_EQ(everywhere.launch, Launch::Server);
    EXPECT_EQ(everywhere.server.listen, "");
}

TEST(CommandLine, LobbyOptionsAreTheServersWithBoundsInsteadOfAnnouncing)
{
    const CommandLine plain = parseCommandLine({"--lobby"}, 7001);
    ASSERT_EQ(plain.launch, Launch::Lobby);
    EXPECT_EQ(plain.lobby.server.port, 7001);
    EXPECT_EQ(plain.lobby.limits.maxRooms, 1000);
    EXPECT_EQ(plain.lobby.limits.roomsPerAddress, 10);
    EXPECT_EQ(plain.lobby.limits.connectionsPerAddress, 20);

    const CommandLine full = parse({"--lobby", "--port", "0", "--listen", "::1", "--rooms", "5", "--seed", "9",
                                    "--max-rooms-per-address", "2", "--max-connections-per-address", "3",
                                    "--botspeed", "0", "--level", "master"});
    ASSERT_EQ(full.launch, Launch::Lobby) << full.error;
    EXPECT_EQ(full.lobby.server.port, 0);
    EXPECT_EQ(full.lobby.server.listen, "::1");
    EXPECT_EQ(full.lobby.server.seed, 9u);
    EXPECT_EQ(full.lobby.server.botspeed, 0);
    EXPECT_EQ(full.lobby.server.level, BotLevel::Master);
    EXPECT_EQ(full.lobby.limits.maxRooms, 5);
    EXPECT_EQ(full.lobby.limits.roomsPerAddress, 2);
    EXPECT_EQ(full.lobby.limits.connectionsPerAddress, 3);

    for (const std::vector<std::string_view>& args : std::vector<std::vector<std::string_view>>{
             {"--lobby", "--rooms", "0"}, {"--lobby", "--rooms", "many"}, {"--lobby", "--no-announce"}, {"--lobby", "--resume"},
             {"--lobby", "--max-connections-per-address"}, {"--server", "--rooms", "5"}})
        EXPECT_EQ(parse(args).launch, Launch::BadUsage) << args[1];
}

TEST(CommandLine, FindListensThreeSecondsOrAsLongAsAsked)
{
    EXPECT_EQ(parse({"--find"}).launch, Launch::Find);
    EXPECT_EQ(parse({"--find"}).findSeconds, 3);
    EXPECT_EQ(parse({"--find", "1"}).findSeconds, 1);
    EXPECT_EQ(parse({"--find", "3600"}).findSeconds, 3600);
    for (const std::vector<std::string_view>& args :
         std::vector<std::vector<std::string_view>>{{"--find", "0"}, {"--find", "3601"}, {"--find", "-1"},
                                                    {"--find", "2.5"}, {"--find", "+2"}, {"--find", ""},
                                                    {"--find", "two"}, {"--find", "2", "3"}})
        EXPECT_EQ(parse(args).launch, Launch::BadUsage) << args.back();
}

TEST(CommandLine, BadServerOptionsAreRefused)
{
    const std::vector<std::vector<std::string_view>> bad = {
        {"--server", "--port", "65536"},   {"--server", "--port", "-1"},      {"--server", "--port", "seventy"},
        {"--server", "--port", "80x"},     {"--server", "--port", ""},        {"--server", "--port"},
        {"--server", "--botspeed", "-5"},  {"--server", "--level", "grandmaster"}, {"--server", "--seed", "-1"},
        {"--server", "--colour", "red"},   {"--server", "7772"},            {"--server", "--listen"},
        {"--server", "--listen", "localhost"}, {"--server", "--listen", "1.2.3"}, {"--server", "--listen", "[::1"},
        {"--server", "--listen", "1.2.3.4:7772"}, {"--server", "--no-announce", "yes"},
    };
    for (const auto& args : bad) {
        const CommandLine line = parse(args);
        EXPECT_EQ(line.launch, Launch::BadUsage) << args.back();
        EXPECT_FALSE(line.error.empty());
    }
    EXPECT_NE(parse({"--server", "--port", "70000"}).error.find("70000"), std::string::npos);
}
