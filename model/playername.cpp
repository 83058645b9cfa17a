#include "model/playername.h"

#include <algorithm>
#include <cctype>

namespace brixo {

namespace {

// The length of the UTF-8 character starting with this byte; 1 for a byte
// that starts none, so broken text is taken a byte at a time.
std::size_t charLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

} // namespace

std::string cleanName(std::string_view raw, int slot)
{
    std::string kept;
    int chars = 0;
    for (std::size_t i = 0; i < raw.size() && chars < kNameLength;) {
        const auto lead = static_cast<unsigned char>(raw[i]);
        std::size_t length = std::min(charLength(lead), raw.size() - i);
        const std::string_view c = raw.substr(i, length);
        i += length;
        // Control characters and C1 controls (U+0080..U+009F) go; the
        // separators of fields and colours become blanks.
        if (lead < 0x20 || lead == 0x7F) continue;
        if (length == 2 && lead == 0xC2 && static_cast<unsigned char>(c[1]) < 0xA0) continue;
        if (length == 1 && lead >= 0x80) continue; // not UTF-8
        const bool blank = c == " " || c == "+" || c == "|";
        if (chars == 0 && blank) continue;
        kept += blank ? std::string_view(" ") : c;
        ++chars;
    }
    while (!kept.empty() && kept.back() == ' ') kept.pop_back();
    if (kept.empty()) kept = "Player" + std::to_string(slot);
    return kept;
}

} // namespace brixo
