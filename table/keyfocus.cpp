#include "table/keyfocus.h"

#include <algorithm>
#include <cstdlib>

namespace brixo {

void KeyFocus::setRack(std::vector<RackTile> shown)
{
    m_rack = std::move(shown);
    if (m_rack.empty()) {
        m_index = 0;
        m_slot = RackSlot();
        return;
    }
    const auto kept = std::find_if(m_rack.begin(), m_rack.end(), [this](const RackTile& t) { return t.slot == m_slot; });
    // A tile that left is followed by the one that slid into its place, or
    // by the new last tile when it was the last.
    m_index = kept != m_rack.end() ? static_cast<std::size_t>(kept - m_rack.begin()) : std::min(m_index, m_rack.size() - 1);
    m_slot = m_rack[m_index].slot;
}

void KeyFocus::enterRack()
{
    m_area = Area::Rack;
}

void KeyFocus::enterBoard()
{
    m_area = Area::Board;
}

void KeyFocus::enterBoard(BoardCell cell)
{
    m_area = Area::Board;
    m_cell = {std::clamp(cell.col, kFirstColumn, kLastColumn), std::clamp(cell.row, kFirstRow, kLastRow)};
}

bool KeyFocus::move(Arrow arrow)
{
    if (m_area == Area::Rack) {
        switch (arrow) {
        case Arrow::Left:
        case Arrow::Right:
            if (m_rack.empty()) return true;
            if (arrow == Arrow::Left && m_index > 0) --m_index;
            if (arrow == Arrow::Right && m_index + 1 < m_rack.size()) ++m_index;
            m_slot = m_rack[m_index].slot;
            return true;
        case Arrow::Up:
            m_area = Area::Board;
            m_cell = {m_rack.empty() ? m_cell.col : m_rack[m_index].column, kLastRow};
            return true;
        case Arrow::Down:
            return false;
        }
    }
    if (m_area == Area::Board) {
        switch (arrow) {
        case Arrow::Left: m_cell.col = std::max(kFirstColumn, m_cell.col - 1); break;
        case Arrow::Right: m_cell.col = std::min(kLastColumn, m_cell.col + 1); break;
        case Arrow::Up: m_cell.row = std::max(kFirstRow, m_cell.row - 1); break;
        case Arrow::Down:
            if (m_cell.row < kLastRow) {
                ++m_cell.row;
            } else if (!m_rack.empty()) {
                m_area = Area::Rack;
                m_index = nearestTile(m_cell.col);
                m_slot = m_rack[m_index].slot;
            }
            break;
        }
        return true;
    }
    return false;
}

// The tile under a column: the nearest, the tile last focused winning a tie
// (so Up and Down again come back to it), else the leftmost.
std::size_t KeyFocus::nearestTile(int column) const
{
    std::size_t best = 0;
    int bestDistance = -1;
    for (std::size_t i = 0; i < m_rack.size(); ++i) {
        const int distance = std::abs(m_rack[i].column - column);
        const bool better = bestDistance < 0 || distance < bestDistance ||
                            (distance == bestDistance && m_rack[i].slot == m_slot);
        if (!better) continue;
        best = i;
        bestDistance = distance;
    }
    return best;
}

RackSlot KeyFocus::rackTile() const
{
    if (m_area != Area::Rack || m_rack.empty()) return RackSlot();
    return m_slot;
}

std::optional<BoardCell> KeyFocus::cell() const
{
    if (m_area != Area::Board) return std::nullopt;
    return m_cell;
}

} // namespace brixo
