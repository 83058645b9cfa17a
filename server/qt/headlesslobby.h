// `brixo --lobby [--port N] [--listen ADDRESS] [--rooms MAX]
// [--max-rooms-per-address N] [--max-connections-per-address N]
// [--botspeed MS] [--level normal|expert|master] [--seed S]`: online rooms
// without a window. Every room is a game server of its own with its
// computer players; tables open rooms and join them by code. It prints one
// line once it listens ("Brixo lobby listening on port N") and runs until
// Ctrl+C or SIGTERM. It announces nothing on the local network: its rooms
// are found in its own list or by their codes.
#pragma once

#include "commandline.h"

namespace brixo {

// Returns the process exit code: 0 after a clean stop, 1 when the port
// cannot be listened on.
int runHeadlessLobby(const LobbyOptions& options, int argc, char** argv);

} // namespace brixo
