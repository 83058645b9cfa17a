#include "net/gameport.h"

#include "net/fieldreader.h"

#include <cstdlib>

namespace brixo {

namespace {

// A port number 1..65535 from the environment, else the fallback.
int portFromEnvironment(const char* variable, int fallback)
{
    const char* text = std::getenv(variable);
    if (!text) return fallback;
    const auto port = parseInt(text);
    return port && *port >= 1 && *port <= 65535 ? *port : fallback;
}

} // namespace

int gamePort()
{
    return portFromEnvironment("BRIXO_PORT", kGamePort);
}

int discoveryPort()
{
    return portFromEnvironment("BRIXO_DISCOVERY_PORT", kDiscoveryPort);
}

std::vector<std::string> announceTargets()
{
    const char* text = std::getenv("BRIXO_ANNOUNCE_TO");
    return text ? parseAnnounceTargets(text) : std::vector<std::string>{};
}

std::vector<std::string> parseAnnounceTargets(std::string_view text)
{
    std::vector<std::string> targets;
    while (true) {
        const std::size_t comma = text.find(',');
        std::string_view entry = text.substr(0, comma);
        while (!entry.empty() && (entry.front() == ' ' || entry.front() == '\t')) entry.remove_prefix(1);
        while (!entry.empty() && (entry.back() == ' ' || entry.back() == '\t')) entry.remove_suffix(1);
        if (!entry.empty()) targets.emplace_back(entry);
        if (comma == std::string_view::npos) return targets;
        text.remove_prefix(comma + 1);
    }
}

} // namespace brixo
