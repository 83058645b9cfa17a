// The keys by which player names are compared (model/namelikeness.h), from
// ICU's Unicode data: NFKC with case folding, and the confusable skeleton
// of Unicode's security mechanisms (UTS #39).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brixo {

// Two keys: the skeleton of the folded name, folded again, and the
// skeleton of the name in upper case, folded. Folding first keeps "Ian"
// and "ian" one name (the skeleton reads a capital I as an l); the upper
// case form catches capitals of other scripts that fold to letters of
// their own ("Ноst" in Cyrillic beside "Host").
std::vector<std::string> icuNameKeys(std::string_view name);

} // namespace brixo
