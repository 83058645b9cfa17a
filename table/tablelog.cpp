#include "table/tablelog.h"

#include "table/seatwords.h"

namespace brixo {

std::string TableLog::statusLine(std::optional<int> layDownPoints) const
{
    if (!m_refusal.empty()) return m_refusal;
    if (layDownPoints && *layDownPoints > 0) return status() + "  " + seatwords::layDownProgress(*layDownPoints);
    return status();
}

void TableLog::setStatus(std::string status)
{
    m_status = [status = std::move(status)] { return status; };
}

void TableLog::played(Wording line)
{
    m_lines.push_back(line());
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
    m_status = nullptr;
    m_lastAction = nullptr;
    m_roundSummary.clear();
}

void TableLog::newGame()
{
    newRound();
    m_winnerText = nullptr;
    m_lines.clear();
    ++m_generation;
}

} // namespace brixo
