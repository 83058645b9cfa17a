// The server's game state besides the grids, pool and slot table.
#pragma once

#include "model/gameoptions.h"
#include "model/places.h"

#include <vector>

namespace brixo {

// One tile laid from the current seat's rack this turn.
struct LaidTile {
    int slot = 0;
    int tile = 0;
    bool operator==(const LaidTile&) const = default;
};

// Which leg of the turn clock is running.
enum class ClockPhase { Turn = 1, BetweenRounds = 2, Grace = 3 };

struct GameState {
    Seat currentseat;              // 1..4; none before the first turn; never reset
    int turnclock = 0;             // seconds left in the current phase
    ClockPhase phase = ClockPhase::Turn;
    std::vector<LaidTile> turnlog; // tiles laid from the rack this turn, in order
    bool paused = false;           // the turn clock is held; a new turn, a round end or a new game lifts it
    bool gamerunning = false;
    int playto = kPlayToRange.fallback;
    int turntime = kTurnTimeRange.fallback;
    int tilestostart = kTilesToStartRange.fallback;
    bool timepenalty = true;
    bool teamgame = false;
};

} // namespace brixo
