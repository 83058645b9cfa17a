// The computer player's turn driver.
#pragma once

#include "bot/bottable.h"

namespace brixo {

// Plays one whole turn for a seat that no person plays: group passes until
// one finds nothing, then run passes likewise; finishes if anything was
// laid, otherwise draws. Seats outside 1..4 are ignored.
void computerplay(BotTable& table, Seat seat);

} // namespace brixo
