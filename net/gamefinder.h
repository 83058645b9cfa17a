// The games announced on the local network, as a listener hears them: one
// entry per host address and game port, refreshed whenever it is heard
// again and dropped once it has been silent for kForgetAfter.
//
// Fed by the listener with each datagram and its sender's address; a
// datagram that is not a well-formed announcement is ignored. The list is
// kept sorted by host name (letter case aside), then address, then port,
// so that it does not jump about as hosts are heard.
#pragma once

#include "net/announcement.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace brixo {

struct FoundGame {
    std::string address;  // the sender's address: dotted IPv4, or IPv6
    Announcement game;
    std::chrono::steady_clock::time_point lastHeard;

    // Where to connect: "192.168.1.5:7772", "[fe80::1%eth0]:7772".
    std::string endpoint() const;
};

class GameFinder {
public:
    using Clock = std::chrono::steady_clock;

    static constexpr std::chrono::seconds kForgetAfter{5};
    // Games listed at most: what a flood of made-up announcements can cost.
    // Further hosts are ignored until others are forgotten.
    static constexpr std::size_t kMaxGames = 100;

    // Whether the list changed: a game was added, or what a known one
    // announces is different. Hearing the same again only keeps it listed.
    bool heard(std::string_view address, std::string_view datagram, Clock::time_point now);
    // Drops the games not heard for kForgetAfter; whether any went.
    bool forgetOld(Clock::time_point now);

    const std::vector<FoundGame>& games() const { return m_games; }

private:
    std::vector<FoundGame> m_games;
};

} // namespace brixo
