// What the program is asked to do by its command line, decided before any
// window or event loop exists, so that "--help", "--version" and a mistyped
// option never open the table.
//
// The game's own forms are kept exactly: no parameters for a solo game, and
// a player name, a host address and "true" or anything else for a network
// game. A player name may begin with "-", so only a first argument that
// begins with "--" is read as an option.
#pragma once

#include "bot/botlevel.h"
#include "net/gameport.h"
#include "server/lobby.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brixo {

enum class Launch {
    Table,       // the table window
    Server,      // --server: the game server alone
    Lobby,       // --lobby: many game servers ("rooms") in one process
    Find,        // --find: list the games announced on the local network
    TallyFile,   // --compress / --decompress IN OUT
    Help,        // --help: the usage on standard output, status 0
    Version,     // --version
    BadUsage,    // the usage on standard error, status 2
};

// What the table does once it is up: a solo game against the computer,
// hosting or joining a network game under a player's name, or (with only
// a name, or a name and an address) nothing but saying that a network game
// is on its way, as the launcher that gives the rest later expects.
struct TableLaunch {
    enum class Mode { Solo, Host, Join, Incomplete };
    Mode mode = Mode::Solo;
    std::string playerName;
    std::string address;   // the host's address: where a joiner connects
};

struct ServerOptions {
    int port = kGamePort;
    int botspeed = 1000;  // milliseconds before a computer turn starts
    BotLevel level = BotLevel::Normal;
    std::optional<std::uint64_t> seed;  // a reproducible shuffle
    // The address to listen on, a literal IPv4 or IPv6 address; empty for
    // every IPv4 interface.
    std::string listen;
    bool announce = true;  // tell the local network about the game
    // Go on with the game a journal left (a crash, a restart), without asking.
    bool resume = false;
    // Seconds between a round's end and the next deal; none: the server's own.
    std::optional<int> roundPause;
};

// `--lobby`: where it listens (port and listen of ServerOptions), what its
// rooms play with (botspeed, level, seed) and its bounds.
struct LobbyOptions {
    ServerOptions server;
    LobbyLimits limits;
};

// How long "--find" may listen, in seconds.
inline constexpr int kMaxFindSeconds = 3600;

struct CommandLine {
    Launch launch = Launch::Table;
    TableLaunch table;     // read for Launch::Table
    ServerOptions server;  // read for Launch::Server
    LobbyOptions lobby;    // read for Launch::Lobby
    int findSeconds = 3;   // read for Launch::Find: how long to listen
    std::string error;     // what was wrong, for Launch::BadUsage
};

// args are the arguments after the program's name. defaultPort is the
// server's port when "--port" is not given.
CommandLine parseCommandLine(const std::vector<std::string_view>& args, int defaultPort);

// Every form of the command line, one a line, as "--help" prints it.
std::string usage();
// "brixo 1.0.8": the version a table sends when it logs in.
std::string versionLine();

} // namespace brixo
