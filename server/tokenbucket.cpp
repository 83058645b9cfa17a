#include "server/tokenbucket.h"

#include <algorithm>

namespace brixo {

namespace {
constexpr std::int64_t kUse = 1000;
} // namespace

TokenBucket::TokenBucket(int burst, int perSecond, std::int64_t now)
    : m_capacity(std::int64_t(std::max(1, burst)) * kUse),
      m_perMillisecond(std::max(0, perSecond)),
      m_level(m_capacity),
      m_updated(now)
{
}

std::int64_t TokenBucket::level(std::int64_t now) const
{
    // A clock that stepped back refills nothing; a long gap fills at most up
    // to the capacity, without overflowing on the way.
    const std::int64_t elapsed = std::max<std::int64_t>(0, now - m_updated);
    const std::int64_t room = m_capacity - m_level;
    if (m_perMillisecond == 0) return m_level;
    return elapsed >= room / m_perMillisecond + 1 ? m_capacity : m_level + elapsed * m_perMillisecond;
}

bool TokenBucket::take(std::int64_t now)
{
    m_level = level(now);
    m_updated = std::max(m_updated, now);
    if (m_level < kUse) return false;
    m_level -= kUse;
    return true;
}

bool TokenBucket::full(std::int64_t now) const
{
    return level(now) >= m_capacity;
}

} // namespace brixo
