// The ports the game uses, and where a hosting program announces its game.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brixo {

// TCP: the game itself.
inline constexpr int kGamePort = 7772;
// UDP: announcements of hosted games on the local network.
inline constexpr int kDiscoveryPort = 7773;
// A companion lobby program on the local machine; only connected to.
inline constexpr int kLobbyPort = 9001;

// The game port: the environment variable BRIXO_PORT when it holds a port
// number 1..65535 (tests run servers on free ports), otherwise 7772.
int gamePort();

// The discovery port: BRIXO_DISCOVERY_PORT when it holds a port number
// 1..65535, otherwise 7773. Announcers send to it and listeners bind it.
int discoveryPort();

// Where announcements go instead of the broadcast addresses of this
// machine's networks: the addresses listed in BRIXO_ANNOUNCE_TO (tests and
// checks set 127.0.0.1 so that nothing leaves the machine). Empty when the
// variable is unset or lists nothing: then they are broadcast.
std::vector<std::string> announceTargets();
// The same from the variable's text: comma-separated, blanks around each
// entry trimmed, empty entries skipped. Entries are not checked here; the
// announcer skips one that is no address (and still never broadcasts).
std::vector<std::string> parseAnnounceTargets(std::string_view text);

} // namespace brixo
