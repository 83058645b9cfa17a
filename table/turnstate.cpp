#include "table/turnstate.h"

namespace brixo {

void TurnState::begin(Seat seat, int tilesLeft)
{
    m_seat = seat;
    m_tilesLeft = tilesLeft;
    ++m_number;
    m_paused = false;
    m_clock.restart();
    m_clockRunning = true;
    ++m_clockStarts;
}

void TurnState::end()
{
    m_seat = Seat();
}

void TurnState::newGame()
{
    m_seat = Seat();
    m_paused = false;
}

void TurnState::roundOver()
{
    m_clock.stopAt(0);
    m_seat = Seat();
    m_paused = false;
}

void TurnState::pause(bool paused)
{
    m_paused = paused;
    m_clockRunning = !paused;
    if (!paused) ++m_clockStarts;
}

TurnState::Tick TurnState::tick()
{
    if (!m_clockRunning) return Tick::Quiet;
    m_clock.tick();
    if (m_clock.running()) return m_clock.ticksAloud() ? Tick::Aloud : Tick::Quiet;
    return m_clock.serverSilent() && m_seat.valid() ? Tick::ServerSilent : Tick::Quiet;
}

} // namespace brixo
