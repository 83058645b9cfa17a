// The board as this table knows it: the server's word for every cell, the
// moves this table sent that the server has not yet answered, the cell a
// tile was lifted from into the hand, and the marks of the last finished
// turn. The board as shown is the server's word with the waiting moves
// laid over it and the lifted tile's cell empty; it is worked out anew
// after any of these changed.
//
// The server answers moves in the order it got them and says nothing of a
// move it refuses. A waiting move is known refused when the echo of a later
// move arrives first or when the server puts another tile on its cell;
// such moves are handed back to the caller, which gives their tiles back.
#pragma once

#include "model/boardgrid.h"
#include "model/places.h"
#include "table/pendingmove.h"

#include <optional>
#include <vector>

namespace brixo {

class BoardMirror {
public:
    const BoardGrid& confirmed() const { return m_confirmed; }
    const BoardGrid& shown() const;
    const std::vector<PendingMove>& pending() const { return m_pending; }
    // The mark of the last finished turn lies over the cell.
    bool marked(BoardCell cell) const { return cell.inside() && m_marks[cell.index()]; }

    // A move sent, shown at once.
    void await(const PendingMove& move);
    // The server's word for a cell. Unless it answers one of this table's
    // own moves (`ours`), a tile on a cell where a waiting move put another
    // shows that move refused. Answers the moves it showed refused.
    std::vector<PendingMove> serverSet(BoardCell cell, Tile tile, bool ours = false);
    // The echo of one of this table's moves: nothing when it answers none,
    // else the moves sent before it, which the server passed by.
    std::optional<std::vector<PendingMove>> confirm(const PendingMove& echo);
    // Every waiting move taken back, the last sent first.
    std::vector<PendingMove> rollBack();

    // A board tile lifted into the hand: its cell shows empty while the
    // tile is still there. Nothing: the hand holds no board tile.
    struct Lifted {
        BoardCell cell;
        Tile tile;
    };
    void lift(std::optional<Lifted> lifted);

    void mark(BoardCell cell);
    void clearMarks();
    // A new round: nothing on the board (waiting moves are rolled back first).
    void clear();

private:
    PendingMove take(std::size_t index);

    BoardGrid m_confirmed;
    std::vector<PendingMove> m_pending;
    std::optional<Lifted> m_lifted;
    BoardCellFlags m_marks{};
    mutable BoardGrid m_shown;
    mutable bool m_shownStale = true;
};

} // namespace brixo
