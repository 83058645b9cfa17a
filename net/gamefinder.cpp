#include "net/gamefinder.h"

#include <algorithm>
#include <cctype>
#include <tuple>

namespace brixo {

namespace {

std::string lowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool listedBefore(const FoundGame& a, const FoundGame& b)
{
    return std::forward_as_tuple(lowerCase(a.game.name), a.game.name, a.address, a.game.port) <
           std::forward_as_tuple(lowerCase(b.game.name), b.game.name, b.address, b.game.port);
}

} // namespace

std::string FoundGame::endpoint() const
{
    const bool ipv6 = address.find(':') != std::string::npos;
    return (ipv6 ? "[" + address + "]" : address) + ":" + std::to_string(game.port);
}

bool GameFinder::heard(std::string_view address, std::string_view datagram, Clock::time_point now)
{
    if (address.empty()) return false;
    auto announced = decodeAnnouncement(datagram);
    if (!announced) return false;
    const auto known = std::find_if(m_games.begin(), m_games.end(), [&](const FoundGame& found) {
        return found.address == address && found.game.port == announced->port;
    });
    if (known != m_games.end()) {
        known->lastHeard = now;
        if (known->game == *announced) return false;
        known->game = std::move(*announced);
    } else {
        if (m_games.size() >= kMaxGames) return false;
        m_games.push_back({std::string(address), std::move(*announced), now});
    }
    std::stable_sort(m_games.begin(), m_games.end(), listedBefore);
    return true;
}

bool GameFinder::forgetOld(Clock::time_point now)
{
    const auto silent = [&](const FoundGame& found) { return now - found.lastHeard >= kForgetAfter; };
    return std::erase_if(m_games, silent) > 0;
}

} // namespace brixo
