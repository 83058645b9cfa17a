// `brixo --server [--port N] [--botspeed MS] [--level normal|expert|master]
// [--seed S] [--listen ADDRESS] [--no-announce] [--resume]`: the game server alone,
// without a window, for LAN games, a club's table that runs around the
// clock, and tests. It prints one line once it listens ("Brixo server
// listening on port N") and runs until Ctrl+C or SIGTERM, telling the local
// network about its game once a second unless asked not to, or unless it
// listens on a loopback address and no announce targets are set: no other
// machine could join it.
#pragma once

#include "commandline.h"

namespace brixo {

// The options come from parseCommandLine. Returns the process exit code:
// 0 after a clean stop, 1 when the port cannot be listened on.
int runHeadlessServer(const ServerOptions& options, int argc, char** argv);

} // namespace brixo
