// The name a person plays under, as the server keeps it: it arrives from
// the network, so it is cleaned before anybody sees it.
#pragma once

#include <string>
#include <string_view>

namespace brixo {

inline constexpr int kNameLength = 24;

// Trimmed, without control characters, with blanks for the characters
// that separate fields and colours in messages ("+", "|"), at most 24
// characters (UTF-8 characters, never cut in two); an empty result becomes
// "Player" and the slot number.
std::string cleanName(std::string_view raw, int slot);

} // namespace brixo
