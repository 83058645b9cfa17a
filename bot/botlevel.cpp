#include "bot/botlevel.h"

#include "bot/computerplayer.h"
#include "bot/expertplayer.h"

#include <cctype>

namespace brixo {

std::string_view botlevelname(BotLevel level)
{
    return level == BotLevel::Expert ? "expert" : "normal";
}

std::optional<BotLevel> parsebotlevel(std::string_view text)
{
    auto is = [&](std::string_view word) {
        return text.size() == word.size() &&
               std::equal(text.begin(), text.end(), word.begin(),
                          [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
    };
    if (is("normal")) return BotLevel::Normal;
    if (is("expert")) return BotLevel::Expert;
    return std::nullopt;
}

void playcomputerturn(BotTable& table, Seat seat, BotLevel level)
{
    if (level == BotLevel::Expert) expertplay(table, seat);
    else computerplay(table, seat);
}

} // namespace brixo
