// The computer player's search for runs (consecutive numbers of one
// colour): three of its own, a board run extended by one of its own, or two
// of its own with its wild tile. New runs go on randomly drawn free
// stretches of the board.
//
// A tile's run number is 1 to 13 (a King is 13); runs never wrap from
// 13 to 1.
#pragma once

#include "bot/botturn.h"
#include "bot/bottable.h"

#include <array>

namespace brixo {

// For the tile in `slot` (run number N, colour C): entry N is that slot;
// every other entry 1..13 is the first later slot (slot + 1 to 60) holding
// a non-wild tile of colour C with that run number that the turn has not
// used, or none. Earlier slots are not looked at. Entry 0 is unused.
using PartnerTable = std::array<RackSlot, 14>;
PartnerTable partnertable(const Rack& rack, const BotTurn& turn, RackSlot slot);

// One pass over the rack, slots 1 to 60. True if any run move was made.
bool computerruns(BotTable& table, BotTurn& turn);

// A run of three from the rack (patterns a, b, c).
bool computerrun1(BotTable& table, BotTurn& turn, RackSlot slot);
// The slot's tile added to a board run of its colour: at the upper end, or
// failing that at the lower end; the run moves to a free place with the
// tile when there is no room beside it.
bool computerrun2(BotTable& table, BotTurn& turn, RackSlot slot);
// Patterns a, b, c once more, then two tiles with the wild tile (d, e).
bool computerrun3(BotTable& table, BotTurn& turn, RackSlot slot);

} // namespace brixo
