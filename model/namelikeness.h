// Whether two player names read alike, so that a newcomer cannot take a
// name that passes for one already in the game. Names are compared by
// keys: two names clash when any one key of theirs agrees (a key that folds
// case and maps confusable letters to one prototype, "Ноst" in Cyrillic to
// "host", say). The keys come from a function the program installs, which
// may use the platform's Unicode data; without one, the key is the name
// with ASCII letters in lower case.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brixo {

using NameKeys = std::function<std::vector<std::string>(std::string_view name)>;

// Installs the keys for the whole process; an empty function goes back to
// the plain one. The server compares names on one thread, so nothing locks.
void setNameKeys(NameKeys keys);

std::vector<std::string> plainNameKeys(std::string_view name);

bool namesReadAlike(std::string_view a, std::string_view b);

} // namespace brixo
