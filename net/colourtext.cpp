#include "net/colourtext.h"

#include "model/textcase.h"
#include "net/fieldreader.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <utility>

namespace brixo {

namespace {

constexpr std::array<std::pair<std::string_view, Colour>, 16> kBasic{{
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000},  {"clOlive", 0x008080},
    {"clNavy", 0x800000},  {"clPurple", 0x800080}, {"clTeal", 0x808000},   {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},   {"clLime", 0x00FF00},   {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},  {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
}};

// The desktop's colours of its own parts, as a classic grey desktop shows
// them; read only, so an old settings file that names one still works.
constexpr std::array<std::pair<std::string_view, Colour>, 26> kSystem{{
    {"clScrollBar", 0xC8C8C8},     {"clBackground", 0x808000},     {"clActiveCaption", 0x800000},
    {"clInactiveCaption", 0x808080}, {"clMenu", 0xC0C0C0},          {"clWindow", 0xFFFFFF},
    {"clWindowFrame", 0x000000},   {"clMenuText", 0x000000},       {"clWindowText", 0x000000},
    {"clCaptionText", 0xFFFFFF},   {"clActiveBorder", 0xC0C0C0},   {"clInactiveBorder", 0xC0C0C0},
    {"clAppWorkSpace", 0x808080},  {"clHighlight", 0x800000},      {"clHighlightText", 0xFFFFFF},
    {"clBtnFace", 0xC0C0C0},       {"clBtnShadow", 0x808080},      {"clGrayText", 0x808080},
    {"clBtnText", 0x000000},       {"clInactiveCaptionText", 0xC0C0C0}, {"clBtnHighlight", 0xFFFFFF},
    {"cl3DDkShadow", 0x000000},    {"cl3DLight", 0xDFDFDF},        {"clInfoText", 0x000000},
    {"clInfoBk", 0xE1FFFF},        {"clNone", 0x000000},
}};

std::optional<Colour> hexValue(std::string_view digits)
{
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    Colour value = 0;
    for (const char c : digits) {
        const int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                      : (c >= 'a' && c <= 'f')                   ? c - 'a' + 10
                      : (c >= 'A' && c <= 'F')                   ? c - 'A' + 10
                                                                 : -1;
        if (d < 0) return std::nullopt;
        value = value * 16 + Colour(d);
    }
    return value;
}

} // namespace

std::optional<Colour> readColour(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    for (const auto& [name, value] : kBasic)
        if (sameIgnoringCase(text, name)) return value;
    for (const auto& [name, value] : kSystem)
        if (sameIgnoringCase(text, name)) return value;
    std::optional<Colour> value;
    if (!text.empty() && text.front() == '$') {
        value = hexValue(text.substr(1));
    } else if (const auto number = parseInt(text); number && *number >= 0) {
        value = Colour(*number);
    }
    if (!value || *value > 0xFFFFFF) return std::nullopt;
    return value;
}

std::string writeColour(Colour colour)
{
    for (const auto& [name, value] : kBasic)
        if (value == colour) return std::string(name);
    char text[10];
    std::snprintf(text, sizeof text, "$%08X", colour);
    return text;
}

} // namespace brixo
