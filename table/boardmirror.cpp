#include "table/boardmirror.h"

#include <algorithm>

namespace brixo {

const BoardGrid& BoardMirror::shown() const
{
    if (!m_shownStale) return m_shown;
    m_shown = m_confirmed;
    for (const PendingMove& move : m_pending) {
        if (move.kind == PendingMove::Kind::Place) {
            m_shown.set(move.to, move.tile);
        } else if (m_shown.at(move.from) == move.tile) {
            m_shown.set(move.from, Tile());
            m_shown.set(move.to, move.tile);
        }
    }
    if (m_lifted && m_shown.at(m_lifted->cell) == m_lifted->tile) m_shown.set(m_lifted->cell, Tile());
    m_shownStale = false;
    return m_shown;
}

void BoardMirror::await(const PendingMove& move)
{
    m_pending.push_back(move);
    m_shownStale = true;
}

std::vector<PendingMove> BoardMirror::serverSet(BoardCell cell, Tile tile, bool ours)
{
    std::vector<PendingMove> refused;
    if (cell.inside() && m_confirmed.at(cell) != tile) m_marks[cell.index()] = false;
    if (!m_confirmed.set(cell, tile)) return refused;
    m_shownStale = true;
    if (ours || tile.none()) return refused;
    for (std::size_t i = 0; i < m_pending.size();) {
        if (m_pending[i].to == cell) refused.push_back(take(i));
        else ++i;
    }
    return refused;
}

std::optional<std::vector<PendingMove>> BoardMirror::confirm(const PendingMove& echo)
{
    const auto answered = std::find_if(m_pending.begin(), m_pending.end(),
                                       [&](const PendingMove& p) { return p.answeredBy(echo); });
    if (answered == m_pending.end()) return std::nullopt;
    std::vector<PendingMove> passedBy(m_pending.begin(), answered);
    m_pending.erase(m_pending.begin(), std::next(answered));
    m_shownStale = true;
    return passedBy;
}

std::vector<PendingMove> BoardMirror::rollBack()
{
    std::vector<PendingMove> refused(m_pending.rbegin(), m_pending.rend());
    m_pending.clear();
    m_shownStale = true;
    return refused;
}

void BoardMirror::lift(std::optional<Lifted> lifted)
{
    m_lifted = lifted;
    m_shownStale = true;
}

void BoardMirror::mark(BoardCell cell)
{
    if (cell.inside()) m_marks[cell.index()] = true;
}

void BoardMirror::clearMarks()
{
    m_marks.fill(false);
}

void BoardMirror::clear()
{
    m_confirmed.clear();
    m_marks.fill(false);
    m_shownStale = true;
}

PendingMove BoardMirror::take(std::size_t index)
{
    const PendingMove move = m_pending[index];
    m_pending.erase(m_pending.begin() + static_cast<std::ptrdiff_t>(index));
    return move;
}

} // namespace brixo
