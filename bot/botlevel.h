// How well the computer plays. "Normal" is the game's own computer player,
// which only adds to the board; "Expert" plays the best play the rules
// allow; "Master" weighs a few turns against each other by playing them
// ahead. The host chooses one for every computer seat of its game.
#pragma once

#include "bot/bottable.h"

#include <optional>
#include <string_view>

namespace brixo {

enum class BotLevel { Normal, Expert, Master };
inline constexpr int kBotLevels = 3;

// "normal", "expert" or "master", as the settings file and the command line write it.
std::string_view botlevelname(BotLevel level);
// Those words in any case; nullopt for anything else.
std::optional<BotLevel> parsebotlevel(std::string_view text);

// One whole computer turn for the seat at that level.
void playcomputerturn(BotTable& table, Seat seat, BotLevel level);

} // namespace brixo
