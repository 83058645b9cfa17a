#include "commandline.h"

#include "net/catalogue.h"
#include "net/fieldreader.h"
#include "net/hostaddress.h"

#include <charconv>

namespace brixo {

namespace {

CommandLine bad(std::string error)
{
    CommandLine line;
    line.launch = Launch::BadUsage;
    line.error = std::move(error);
    return line;
}

std::optional<std::uint64_t> parseSeed(std::string_view text)
{
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The options after "--server" or "--lobby", each but "--no-announce" and
// "--resume" followed by its value. Port 0 takes any free port (tests); a bot speed
// of 0 lets the computer play at once; an empty listen address means every
// interface, so a service can pass on a setting that is left empty. A
// lobby never announces; it takes its bounds instead.
CommandLine parseHeadless(const std::vector<std::string_view>& args, int defaultPort, bool lobby)
{
    CommandLine line;
    line.launch = lobby ? Launch::Lobby : Launch::Server;
    ServerOptions& server = lobby ? line.lobby.server : line.server;
    LobbyLimits& limits = line.lobby.limits;
    server.port = defaultPort;
    const std::string kind = lobby ? "lobby" : "server";
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view name = args[i];
        if (name == "--no-announce" && !lobby) {
            server.announce = false;
            continue;
        }
        if (name == "--resume" && !lobby) {
            server.resume = true;
            continue;
        }
        const bool common =
            name == "--port" || name == "--botspeed" || name == "--level" || name == "--seed" || name == "--listen" ||
            name == "--round-pause";
        const bool bound =
            name == "--rooms" || name == "--max-rooms-per-address" || name == "--max-connections-per-address";
        if (!common && !(lobby && bound)) return bad("unknown " + kind + " option '" + std::string(name) + "'");
        if (i + 1 >= args.size()) return bad(std::string(name) + " needs a value");
        const std::string_view value = args[++i];
        const std::string wrong = "bad value '" + std::string(value) + "' for " + std::string(name);
        if (bound) {
            const auto number = parseWholeNumber(value, 1, 1'000'000);
            if (!number) return bad(wrong + " (1 to 1000000)");
            (name == "--rooms" ? limits.maxRooms
             : name == "--max-rooms-per-address" ? limits.roomsPerAddress
                                                 : limits.connectionsPerAddress) = *number;
        } else if (name == "--port") {
            const auto port = parseInt(value);
            if (!port || *port < 0 || *port > 65535) return bad(wrong + " (0 to 65535)");
            server.port = *port;
        } else if (name == "--round-pause") {
            const auto seconds = parseWholeNumber(value, 1, 3600);
            if (!seconds) return bad(wrong + " (1 to 3600 seconds)");
            server.roundPause = *seconds;
        } else if (name == "--botspeed") {
            const auto ms = parseInt(value);
            if (!ms || *ms < 0) return bad(wrong + " (milliseconds)");
            server.botspeed = *ms;
        } else if (name == "--level") {
            const auto level = parsebotlevel(value);
            if (!level) return bad(wrong + " (normal, expert or master)");
            server.level = *level;
        } else if (name == "--listen") {
            std::string_view address = value;
            if (address.starts_with('[') && address.ends_with(']')) address = address.substr(1, address.size() - 2);
            if (!address.empty() && !isIPv4Address(address) && !isIPv6Address(address))
                return bad(wrong + " (an IPv4 or IPv6 address)");
            server.listen = address;
        } else {
            server.seed = parseSeed(value);
            if (!server.seed) return bad(wrong);
        }
    }
    return line;
}

// "--find" and how many seconds to listen, 3 unless given.
CommandLine parseFind(const std::vector<std::string_view>& args)
{
    CommandLine line;
    line.launch = Launch::Find;
    if (args.size() > 2) return bad("--find takes at most one number of seconds");
    if (args.size() == 2) {
        const auto seconds = parseWholeNumber(args[1], 1, kMaxFindSeconds);
        if (!seconds) return bad("bad value '" + std::string(args[1]) + "' for --find (seconds, 1 to 3600)");
        line.findSeconds = *seconds;
    }
    return line;
}

// The game's own forms: a player name, the host's address, and "true" to
// host or anything else to join.
CommandLine parseTable(const std::vector<std::string_view>& args)
{
    CommandLine line;
    if (args.empty()) return line;
    line.table.playerName = args[0];
    if (args.size() < 3) {
        line.table.mode = TableLaunch::Mode::Incomplete;
        return line;
    }
    line.table.address = args[1];
    line.table.mode = args[2] == "true" ? TableLaunch::Mode::Host : TableLaunch::Mode::Join;
    return line;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string_view>& args, int defaultPort)
{
    if (args.empty()) return {};
    const std::string_view first = args[0];
    CommandLine line;
    // A single "-h" can be no game: the network forms take three arguments.
    if (first == "-h" && args.size() == 1) {
        line.launch = Launch::Help;
        return line;
    }
    if (!first.starts_with("--")) return parseTable(args);

    if (first == "--server" || first == "--lobby") return parseHeadless(args, defaultPort, first == "--lobby");
    if (first == "--find") return parseFind(args);
    // The compressor checks its own two file names.
    if (first == "--compress" || first == "--decompress") {
        line.launch = Launch::TallyFile;
        return line;
    }
    if (first == "--help" || first == "--version") {
        if (args.size() > 1) return bad(std::string(first) + " takes no arguments");
        line.launch = first == "--help" ? Launch::Help : Launch::Version;
        return line;
    }
    return bad("unknown option '" + std::string(first) + "'");
}

std::string usage()
{
    return "Usage:\n"
           "  brixo                      play a solo game against the computer\n"
           "  brixo NAME HOST true       host a network game as NAME; HOST is this machine's address\n"
           "  brixo NAME HOST false      join the game hosted at HOST as NAME\n"
           "  brixo --server [--port N] [--botspeed MS] [--level normal|expert|master] [--seed S]\n"
           "               [--listen ADDRESS] [--no-announce] [--resume] [--round-pause S]\n"
           "                             run the game server alone, without a window; it listens\n"
           "                             on every IPv4 interface or on ADDRESS only, and tells the\n"
           "                             local network about its game unless --no-announce; with\n"
           "                             --resume it goes on with the game it was running when it\n"
           "                             stopped; rounds are S seconds apart (20)\n"
           "  brixo --lobby [--port N] [--listen ADDRESS] [--rooms MAX] [--max-rooms-per-address N]\n"
           "               [--max-connections-per-address N] [--botspeed MS] [--level normal|expert|master]\n"
           "               [--seed S] [--round-pause S]\n"
           "                             run online rooms without a window: tables open rooms (each\n"
           "                             a game server of its own, with its computer players) and\n"
           "                             join them by a six-character code; at most MAX rooms\n"
           "                             (1000), N rooms a minute (10) and N connections (20) from\n"
           "                             one address; rooms are S seconds apart (20); after a crash\n"
           "                             or a restart, the rooms go on with their games\n"
           "  brixo --find [SECONDS]     list the games announced on the local network (listens\n"
           "                             3 seconds, or 1 to 3600), one a line: ADDRESS:PORT, a tab,\n"
           "                             the host's name\n"
           "  brixo --compress IN OUT    compress a file as the tally is kept\n"
           "  brixo --decompress IN OUT  turn a tally file back into text\n"
           "  brixo --help               print this help\n"
           "  brixo --version            print the version\n"
           "\n"
           "Environment: BRIXO_PORT (the game port, 7772), BRIXO_DISCOVERY_PORT (the UDP port\n"
           "games are announced on, 7773), BRIXO_ANNOUNCE_TO (comma-separated addresses to\n"
           "announce to instead of broadcasting), BRIXO_FILES_DIR (where settings, tally\n"
           "and game journal go), BRIXO_NO_GUARD=1 (allow several tables for one user).\n";
}

std::string versionLine()
{
    return "brixo " + std::string(msg::kVersion);
}

} // namespace brixo
