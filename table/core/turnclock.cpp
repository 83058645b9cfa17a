#include "table/core/turnclock.h"

void TurnClock::setTimePerTurn(int seconds)
{
    m_timePerTurn = seconds;
    // A turn time of 0 (never offered by the game-start dialog) leaves the
    // bar empty instead of dividing by zero.
    m_pixelsPerSecond = seconds > 0 ? kBarWidth / seconds : 0;
}
