// The Expert computer player: finds the best play (bestplay.h), lays it out
// on the board (layout.h) and plays it through the server operations a
// table's messages reach, as every seat does.
#pragma once

#include "bot/bestplay.h"
#include "bot/bottable.h"
#include "bot/layout.h"
#include "model/boardgrid.h"
#include "model/rack.h"

namespace brixo {

struct ExpertDecision {
    // What to lay; not found: draw.
    Play play;
    // How the board gets there; reached whenever the play was found.
    Layout layout;
    // The best play found no room on the board, and the rack's own sets
    // are laid beside the board's instead (or fewer of them). A search cut
    // short that found nothing tries the same, told by play.limited.
    bool fellBack = false;
};

// The play for a board and rack and whether the seat has made its first
// lay-down this round, laid out. Plain and deterministic: the table's hint
// and the benchmark call it too.
ExpertDecision expertdecision(const BoardGrid& board, const Rack& rack, bool laidDown,
                              const PlayLimits& limits = {});

// The board stays as it lies and the rack's own best sets go on free
// cells; the least valuable sets are left out until the rest fit. Not
// found: not even those fit, or they are worth too little.
ExpertDecision besidetheboard(const BoardGrid& board, const Rack& rack, bool laidDown,
                              const PlayLimits& limits = {});

// One whole turn: the decision's moves, then finish; or a draw when there
// is no play, or when a move was refused and the board is not valid.
void playdecision(BotTable& table, Seat seat, const ExpertDecision& decision);

// The Expert's whole turn: its decision, played.
void expertplay(BotTable& table, Seat seat);

// The tile codes on a board, column by column, and in a rack, slot by slot.
std::vector<int> tilesOf(const BoardGrid& board);
std::vector<int> tilesOf(const Rack& rack);

} // namespace brixo
