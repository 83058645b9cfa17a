// This turn's moves made by this table's presses, in order, each with the
// press that made it, so that the last press can be taken back.
#pragma once

#include "table/pendingmove.h"

#include <vector>

namespace brixo {

class MoveHistory {
public:
    // The moves remembered from now on belong to a new press.
    void newPress() { ++m_presses; }
    void remember(const PendingMove& move) { m_moves.push_back({move, m_presses}); }
    // A move the server refused or took back is no longer this turn's.
    void forget(const PendingMove& move);
    // A tile taken off the board: back from its cell through the moves that
    // brought it there to the press that laid it.
    void forgetTile(BoardCell cell, Tile tile);
    // The moves of the last press, the last made first; they are forgotten.
    std::vector<PendingMove> takeLastPress();

    bool empty() const { return m_moves.empty(); }
    void clear() { m_moves.clear(); }

private:
    struct Made {
        PendingMove move;
        int press = 0;
    };
    std::vector<Made> m_moves;
    int m_presses = 0;
};

} // namespace brixo
