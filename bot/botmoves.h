// The computer player's only ways to change the table: lay a rack tile and
// move a board tile, each through the server operation a table's message
// reaches, with the same text. The server may refuse a move (it is not this
// seat's turn any more, the cell is taken), so each helper reads the board
// and rack again afterwards and answers whether the move really happened.
#pragma once

#include "bot/botturn.h"
#include "bot/bottable.h"

namespace brixo {

// Commits the rack slot to this turn and lays its tile at `at`. True when
// the tile left the rack and lies on that cell.
bool laytile(BotTable& table, BotTurn& turn, RackSlot slot, BoardCell at);

// Moves the board tile at `from` to the empty cell `to`. True when it did.
bool movetile(BotTable& table, Seat seat, BoardCell to, BoardCell from);

} // namespace brixo
