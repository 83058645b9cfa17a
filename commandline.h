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

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brixo {

enum class Launch {
    Table,       // the table window with the arguments as they are
    Server,      // --server: the game server alone
    TallyFile,   // --compress / --decompress IN OUT
    Help,        // --help: the usage on standard output, status 0
    Version,     // --version
    BadUsage,    // the usage on standard error, status 2
};

struct ServerOptions {
    int port = 7772;
    int botspeed = 1000;  // milliseconds before a computer turn starts
    BotLevel level = BotLevel::Normal;
    std::optional<std::uint64_t> seed;  // a reproducible shuffle
};

struct CommandLine {
    Launch launch = Launch::Table;
    ServerOptions server;  // read for Launch::Server
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
