// What a server tells the local network about its game (see
// net/announcement.h): who hosts it, how many seats are taken and free,
// whether a game runs and to what score.
#pragma once

#include "net/announcement.h"

#include <string_view>

namespace brixo {

class TServer;

// The name announced while no person holds seat 1 (a server alone, before
// its first table or after the host left): a name no listener refuses.
inline constexpr std::string_view kUnhostedName = "Brixo server";

// `port` is the TCP port the server listens on. The host is the person at
// seat 1; a seat is taken when a person has logged in there (whether
// playing or just watching), and free when a newcomer could sit down (not
// kept for a player who left during the game, nor held by a table that is
// still logging in).
Announcement announcementOf(const TServer& server, int port);

} // namespace brixo
