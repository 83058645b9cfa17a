#include "table/turnclock.h"

namespace brixo {

int TurnClock::barWidth(int fullWidth) const
{
    // A turn time of 0 (never offered by the game-start dialog) leaves the
    // bar empty instead of dividing by zero.
    if (!running() || m_timePerTurn <= 0) return 0;
    const int left = std::min(m_secondsLeft, m_timePerTurn);
    // In 64 bits: a long turn times a wide bar passes what an int holds.
    const long long width = (static_cast<long long>(fullWidth) * left + m_timePerTurn - 1) / m_timePerTurn;
    return static_cast<int>(width);
}

} // namespace brixo
