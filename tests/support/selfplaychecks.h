// What must hold of the server's game whenever a turn has ended, written
// as plain functions over the pieces of state so that self-play can ask
// them after every event and a test can show them a broken state.
#pragma once

#include "model/boardgrid.h"
#include "model/gamestate.h"
#include "model/pool.h"
#include "model/slottable.h"

#include <vector>

namespace brixo::selfplay {

// Every tile of the set, each code 1..53 twice, lies in exactly one place:
// on the board, in one of the four racks, or among the pool's places not
// yet taken. A lost, doubled or invented tile breaks it, as does a count
// that no longer matches its rack.
bool tilesConserved(const BoardGrid& board, const SlotTable& slots, const Pool& pool);

// While a turn runs the board may be rearranged at will, but it holds
// exactly the tiles of the turn's snapshot plus those laid from the rack
// this turn.
bool boardIsSnapshotPlusLog(const BoardGrid& board, const BoardGrid& snapshot, const std::vector<LaidTile>& log);

// Once a turn has ended its moves are either committed or taken back: the
// board is the snapshot, cell for cell, and nothing is left in the log.
bool turnSettled(const BoardGrid& board, const BoardGrid& snapshot, const std::vector<LaidTile>& log);

} // namespace brixo::selfplay
