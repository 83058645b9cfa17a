// The computer player's only ways to change the table: lay a rack tile and
// move a board tile, each through the server operation a table's message
// reaches, with the same text. The server may refuse a move (it is not this
// seat's turn any more, the cell is taken), so each helper reads the board
// and rack again afterwards and answers whether the move really happened.
#pragma once

#include "bot/botturn.h"
#include "bot/bottable.h"

namespace brixo {

// A board position; (0, 0) doubles as "nothing found" where the searches
// report a point, since column 0 and row 0 never take part in play.
struct BoardPoint {
    int col = 0;
    int row = 0;
    bool operator==(const BoardPoint&) const = default;
};

// Commits the rack slot to this turn and lays its tile at (col, row). True
// when the tile left the rack and lies on that cell.
bool laytile(BotTable& table, BotTurn& turn, int slot, BoardPoint at);

// Moves the board tile at `from` to the empty cell `to`. True when it did.
bool movetile(BotTable& table, int seat, BoardPoint to, BoardPoint from);

} // namespace brixo
