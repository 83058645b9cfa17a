#include "bot/botlevel.h"

#include "bot/computerplayer.h"
#include "bot/expertplayer.h"
#include "bot/masterplayer.h"

#include <cctype>

namespace brixo {

std::string_view botlevelname(BotLevel level)
{
    switch (level) {
    case BotLevel::Expert: return "expert";
    case BotLevel::Master: return "master";
    case BotLevel::Normal: break;
    }
    return "normal";
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
    if (is("master")) return BotLevel::Master;
    return std::nullopt;
}

void playcomputerturn(BotTable& table, Seat seat, BotLevel level)
{
    switch (level) {
    case BotLevel::Expert: expertplay(table, seat); return;
    case BotLevel::Master: masterplay(table, seat); return;
    case BotLevel::Normal: break;
    }
    computerplay(table, seat);
}

} // namespace brixo
