#include "model/namelikeness.h"

#include <cctype>

namespace brixo {

namespace {

NameKeys& installed()
{
    static NameKeys keys;
    return keys;
}

} // namespace

void setNameKeys(NameKeys keys)
{
    installed() = std::move(keys);
}

std::vector<std::string> plainNameKeys(std::string_view name)
{
    std::string key(name);
    for (char& c : key) c = char(std::tolower(static_cast<unsigned char>(c)));
    return {key};
}

bool namesReadAlike(std::string_view a, std::string_view b)
{
    const NameKeys& keys = installed() ? installed() : plainNameKeys;
    const std::vector<std::string> ka = keys(a);
    const std::vector<std::string> kb = keys(b);
    for (std::size_t i = 0; i < ka.size() && i < kb.size(); ++i)
        if (ka[i] == kb[i]) return true;
    return false;
}

} // namespace brixo
