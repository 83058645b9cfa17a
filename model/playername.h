// The name a person plays under, as the server keeps it: it arrives from
// the network, so it is cleaned before anybody sees it.
#pragma once

#include <string>
#include <string_view>

namespace brixo {

inline constexpr int kNameLength = 24;
// Combining marks kept on one base character; more only pile up into a
// smear that hides the letters around them.
inline constexpr int kMarksPerBase = 2;

// The text is decoded as strict UTF-8 first: every invalid sequence
// (a bad lead or continuation byte, an overlong form, a surrogate, a code
// beyond U+10FFFF, a cut-off end) becomes U+FFFD, so no byte hides behind a
// broken lead. Then control characters and invisible format characters
// (zero-width characters, bidi controls, the soft hyphen, variation
// selectors) go; other blanks and the characters that separate fields and
// colours in messages ("+", "|") become plain blanks; combining marks are
// kept up to kMarksPerBase per base. The result is trimmed and at most
// kNameLength characters; an empty one becomes "Player" and the slot number.
std::string cleanName(std::string_view raw, int slot);

// A cleaned name with a number after it, the name cut (between whole
// characters) so that the two fit kNameLength: "Ann" and 2 give "Ann2".
std::string numberedName(std::string_view cleaned, int number);

} // namespace brixo
