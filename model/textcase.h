// Names that people and files give things (player names, colour names,
// settings keys) are the same whatever the letter case.
#pragma once

#include <algorithm>
#include <cctype>
#include <string_view>

namespace brixo {

inline bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace brixo
