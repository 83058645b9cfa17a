#include "table/movehistory.h"

namespace brixo {

void MoveHistory::forget(const PendingMove& move)
{
    for (auto made = m_moves.rbegin(); made != m_moves.rend(); ++made) {
        if (made->move == move) {
            m_moves.erase(std::next(made).base());
            return;
        }
    }
}

void MoveHistory::forgetTile(BoardCell cell, Tile tile)
{
    for (auto i = m_moves.size(); i-- > 0;) {
        const PendingMove& m = m_moves[i].move;
        if (m.tile != tile || m.to != cell) continue;
        const bool laid = m.kind == PendingMove::Kind::Place;
        cell = m.from;
        m_moves.erase(m_moves.begin() + static_cast<std::ptrdiff_t>(i));
        if (laid) return;
    }
}

std::vector<PendingMove> MoveHistory::takeLastPress()
{
    std::vector<PendingMove> last;
    if (m_moves.empty()) return last;
    const int press = m_moves.back().press;
    while (!m_moves.empty() && m_moves.back().press == press) {
        last.push_back(m_moves.back().move);
        m_moves.pop_back();
    }
    return last;
}

} // namespace brixo
