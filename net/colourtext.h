// Colours as chat messages and the settings file write them: a colour name
// such as "clGreen", or "$" and eight hex digits of the value in 00BBGGRR
// order. Reading also takes the names in any letter case, the desktop's
// system colour names ("clWindow", "clBtnFace", ...) and plain decimal
// numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brixo {

// A colour value in 00BBGGRR order: red in the low byte.
using Colour = std::uint32_t;

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kNoticeGreen = 0x008000;

constexpr Colour colourOf(int red, int green, int blue)
{
    return Colour(red & 0xFF) | (Colour(green & 0xFF) << 8) | (Colour(blue & 0xFF) << 16);
}
constexpr int redOf(Colour c) { return int(c & 0xFF); }
constexpr int greenOf(Colour c) { return int((c >> 8) & 0xFF); }
constexpr int blueOf(Colour c) { return int((c >> 16) & 0xFF); }

// Nothing when the text names no colour.
std::optional<Colour> readColour(std::string_view text);
// The basic colour's name when the value has one, else the "$" form.
std::string writeColour(Colour colour);

} // namespace brixo
