#include "table/turnclock.h"

#include <algorithm>

int TurnClock::barWidth(int fullWidth) const
{
    // A turn time of 0 (never offered by the game-start dialog) leaves the
    // bar empty instead of dividing by zero.
    if (!running() || m_timePerTurn <= 0) return 0;
    const int left = std::min(m_secondsLeft, m_timePerTurn);
    return (fullWidth * left + m_timePerTurn - 1) / m_timePerTurn;
}
