// Any bytes as a player's name: the cleaned name is valid UTF-8 within its
// length, holds no separator, control or invisible character and no pile
// of marks, cleans to itself, keeps all that when numbered, and reads like
// itself under the installed name keys.
#include "model/namelikeness.h"
#include "model/playername.h"
#ifdef BRIXO_HAVE_ICU
#include "icu/icunamekeys.h"
#endif

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// The code points of valid UTF-8, or -1 for anything else.
int codePoints(std::string_view s)
{
    int count = 0;
    for (std::size_t i = 0; i < s.size(); ++count) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t n = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 0;
        if (n == 0 || b > 0xF4 || s.size() - i < n) return -1;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return -1;
        i += n;
    }
    return count;
}

bool forbidden(std::string_view s)
{
    for (const char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || c == '+' || c == '|') return true;
    }
    static const std::string_view invisible[] = {"\u00AD", "\u200B", "\u200D", "\u200E", "\u202E", "\u2066", "\uFEFF",
                                                 "\u2060", "\uFE0F", "\xC2\x85", "\xC2\x9F"};
    for (const std::string_view x : invisible)
        if (s.find(x) != std::string_view::npos) return true;
    // Three marks of the diacritic block in a row.
    int marks = 0;
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) == 0x80) continue;
        const bool mark = (b == 0xCC || (b == 0xCD && static_cast<unsigned char>(s[i + 1]) < 0xB0));
        marks = mark ? marks + 1 : 0;
        if (marks > brixo::kMarksPerBase) return true;
    }
    return false;
}

void check(const std::string& name)
{
    const int length = codePoints(name);
    if (length < 1 || length > brixo::kNameLength) std::abort();
    if (forbidden(name) || name.front() == ' ' || name.back() == ' ') std::abort();
    if (brixo::cleanName(name, 1) != name) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
#ifdef BRIXO_HAVE_ICU
    static const bool installed = (brixo::setNameKeys(brixo::icuNameKeys), true);
    (void)installed;
#endif
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    const std::string name = brixo::cleanName(raw, 7);
    check(name);
    check(brixo::numberedName(name, 2 + int(size % 200)));
    if (!brixo::namesReadAlike(name, name)) std::abort();
    return 0;
}
