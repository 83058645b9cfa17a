#include "table/tablelog.h"

#include "table/seatwords.h"

namespace brixo {

std::string TableLog::statusLine(std::optional<int> layDownPoints) const
{
    if (!m_refusal.empty()) return m_refusal;
    if (layDownPoints && *layDownPoints > 0) return m_status + "  " + seatwords::layDownProgress(*layDownPoints);
    return m_status;
}

void TableLog::played(std::string line)
{
    m_lines.push_back(line);
    m_lastAction = std::move(line);
}

bool TableLog::setRoundRack(Seat seat, std::vector<Tile> tiles)
{
    for (RoundLine& line : m_roundSummary) {
        if (line.seat != seat) continue;
        line.rack = std::move(tiles);
        return true;
    }
    return false;
}

void TableLog::newRound()
{
    m_status.clear();
    m_lastAction.clear();
    m_roundSummary.clear();
}

void TableLog::newGame()
{
    newRound();
    m_winnerText.clear();
    m_lines.clear();
    ++m_generation;
}

} // namespace brixo
