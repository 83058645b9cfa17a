// Any datagram as a game announcement heard on the network, and any text
// as a typed host address: nothing is read out of bounds, what is taken
// is written back the same, and a listed game is always one that decodes.
#include "net/announcement.h"
#include "net/gamefinder.h"
#include "net/hostaddress.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    if (const auto game = brixo::decodeAnnouncement(text)) {
        const std::string again = brixo::encodeAnnouncement(*game);
        if (again.size() > brixo::kMaxAnnouncementBytes || brixo::decodeAnnouncement(again) != game) std::abort();
    }
    brixo::GameFinder finder;
    if (finder.heard("10.0.0.1", text, {}) != brixo::decodeAnnouncement(text).has_value()) std::abort();

    if (const auto address = brixo::parseHostAddress(text, 7772)) {
        const std::string written = address->text();
        if (written.find_first_of(" \t\r\n") != std::string::npos || brixo::parseHostAddress(written, 1) != address)
            std::abort();
    }
    return 0;
}
