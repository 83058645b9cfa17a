#include "model/playername.h"

#include <algorithm>
#include <array>
#include <utility>

namespace brixo {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The next code point of strict UTF-8 at text[i], advancing i; an invalid
// sequence gives U+FFFD and advances by one byte only, so the byte after a
// bad lead is read as what it is.
char32_t decodeNext(std::string_view text, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    std::size_t length = 0;
    char32_t code = 0;
    char32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2, code = lead & 0x1F, lowest = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, code = lead & 0x0F, lowest = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, code = lead & 0x07, lowest = 0x10000;
    if (length == 0 || text.size() - i < length) {
        ++i;
        return kReplacement;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++i;
        return kReplacement;
    }
    i += length;
    return code;
}

void encode(char32_t c, std::string& out)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

using Range = std::pair<char32_t, char32_t>;

bool inRanges(char32_t c, const auto& ranges)
{
    return std::any_of(ranges.begin(), ranges.end(), [c](const Range& r) { return c >= r.first && c <= r.second; });
}

// Characters that show nothing yet make two names differ: controls,
// format characters, variation selectors and the other default-ignorable
// code points, noncharacters.
bool invisible(char32_t c)
{
    static constexpr std::array<Range, 24> ranges{{
        {0x0000, 0x001F}, {0x007F, 0x009F}, {0x00AD, 0x00AD}, {0x034F, 0x034F}, {0x061C, 0x061C},
        {0x115F, 0x1160}, {0x17B4, 0x17B5}, {0x180B, 0x180F}, {0x200B, 0x200F}, {0x2028, 0x202E},
        {0x2060, 0x206F}, {0x3164, 0x3164}, {0xFE00, 0xFE0F}, {0xFEFF, 0xFEFF}, {0xFFA0, 0xFFA0},
        {0xFFF0, 0xFFFB}, {0xFDD0, 0xFDEF}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF},
        {0xFFFE, 0xFFFF}, {0x13430, 0x1343F}, {0x110BD, 0x110BD}, {0x0600, 0x0605},
    }};
    return inRanges(c, ranges) || (c & 0xFFFE) == 0xFFFE;
}

// Blanks of every width, and the message separators, read as one blank.
bool blank(char32_t c)
{
    static constexpr std::array<Range, 7> ranges{{
        {0x0020, 0x0020}, {0x00A0, 0x00A0}, {0x1680, 0x1680}, {0x2000, 0x200A},
        {0x202F, 0x202F}, {0x205F, 0x205F}, {0x3000, 0x3000},
    }};
    return c == '+' || c == '|' || inRanges(c, ranges);
}

// The combining marks that stack on a base character (the diacritic
// blocks and the points of Hebrew and Arabic); the marks of scripts that
// build syllables from them are left uncounted.
bool combiningMark(char32_t c)
{
    static constexpr std::array<Range, 12> ranges{{
        {0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05BD}, {0x05BF, 0x05C7}, {0x0610, 0x061A},
        {0x064B, 0x065F}, {0x06D6, 0x06ED}, {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF}, {0x20D0, 0x20FF},
        {0xFE20, 0xFE2F}, {0x0670, 0x0670},
    }};
    return inRanges(c, ranges);
}

} // namespace

std::string cleanName(std::string_view raw, int slot)
{
    std::string kept;
    int chars = 0;
    int marks = 0;
    bool pendingBlank = false;
    for (std::size_t i = 0; i < raw.size() && chars < kNameLength;) {
        const char32_t c = decodeNext(raw, i);
        if (invisible(c)) continue;
        if (blank(c)) {
            // Leading blanks go; the others wait for a character after them.
            if (chars > 0) pendingBlank = true;
            marks = 0;
            continue;
        }
        if (combiningMark(c)) {
            // On nothing (the start, or a blank) a mark has no base at all.
            if (chars == 0 || pendingBlank || ++marks > kMarksPerBase) continue;
        } else {
            marks = 0;
        }
        if (pendingBlank) {
            // A blank with nothing after it would end the name.
            if (chars + 2 > kNameLength) break;
            kept += ' ';
            ++chars;
            pendingBlank = false;
        }
        encode(c, kept);
        ++chars;
    }
    if (kept.empty()) kept = "Player" + std::to_string(slot);
    return kept;
}

std::string numberedName(std::string_view cleaned, int number)
{
    const std::string suffix = std::to_string(number);
    const int room = std::max(1, kNameLength - int(suffix.size()));
    std::size_t end = 0;
    for (int n = 0; end < cleaned.size() && n < room; ++n) decodeNext(cleaned, end);
    std::string name(cleaned.substr(0, end));
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name + suffix;
}

} // namespace brixo
