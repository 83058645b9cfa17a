// The TCP ports the game uses.
#pragma once

namespace brixo {

inline constexpr int kGamePort = 7772;
// A companion lobby program on the local machine; only connected to.
inline constexpr int kLobbyPort = 9001;

// The game port: the environment variable BRIXO_PORT when it holds a port
// number 1..65535 (tests run servers on free ports), otherwise 7772.
int gamePort();

} // namespace brixo
