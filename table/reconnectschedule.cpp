#include "table/reconnectschedule.h"
#include "table/wording.h"

#include <algorithm>

namespace brixo {

ReconnectSchedule::ReconnectSchedule(Duration patience, Duration interval)
    : m_patience(patience), m_interval(std::max(interval, Duration(1)))
{
}

void ReconnectSchedule::start(Clock::time_point now)
{
    m_active = true;
    m_deadline = now + m_patience;
    m_nextTry = now;
}

bool ReconnectSchedule::expired(Clock::time_point now) const
{
    return m_active && now >= m_deadline;
}

bool ReconnectSchedule::takeTry(Clock::time_point now)
{
    if (!m_active || expired(now) || now < m_nextTry) return false;
    m_nextTry = now + m_interval;
    return true;
}

ReconnectSchedule::Duration ReconnectSchedule::untilNext(Clock::time_point now) const
{
    if (!m_active) return Duration::zero();
    const Clock::time_point next = std::min(m_nextTry, m_deadline);
    return next <= now ? Duration::zero() : std::chrono::ceil<Duration>(next - now);
}

int ReconnectSchedule::secondsLeft(Clock::time_point now) const
{
    if (!m_active || now >= m_deadline) return 0;
    return int(std::chrono::ceil<std::chrono::seconds>(m_deadline - now).count());
}

std::string ReconnectSchedule::countdownText(Clock::time_point now, std::string_view gone) const
{
    const int left = secondsLeft(now);
    const int seconds = left % 60;
    const std::string clock = std::to_string(left / 60) + (seconds < 10 ? ":0" : ":") + std::to_string(seconds);
    return fillin(translate("Table", "%1 Trying again… %2"), {gone, clock});
}

} // namespace brixo
