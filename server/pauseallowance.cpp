#include "server/pauseallowance.h"

namespace brixo {

bool PauseAllowance::mayPause(Seat seat, bool host) const
{
    return host || (seat.valid() && m_taken[std::size_t(seat.number())] < kMaxPauses);
}

void PauseAllowance::begin(Seat seat, bool host)
{
    m_timed = !host;
    m_seconds = 0;
    if (!host && seat.valid()) ++m_taken[std::size_t(seat.number())];
}

bool PauseAllowance::tick()
{
    return m_timed && ++m_seconds >= kMaxSeconds;
}

} // namespace brixo
