#include "server/senderlimiter.h"

#include <iterator>

namespace brixo {

SenderLimiter::Verdict SenderLimiter::admit(const std::string& sender, std::int64_t now)
{
    auto found = m_senders.find(sender);
    if (found == m_senders.end()) {
        if (m_senders.size() >= kKeep) forgetIdle(now);
        found = m_senders.emplace(sender, Sender{TokenBucket(m_burst, m_perSecond, now)}).first;
    }
    Sender& s = found->second;
    if (s.bucket.full(now)) s.told = false;
    if (s.bucket.take(now)) return Verdict::Relay;
    if (s.told) return Verdict::Drop;
    s.told = true;
    return Verdict::DropAndTell;
}

void SenderLimiter::forgetIdle(std::int64_t now)
{
    for (auto it = m_senders.begin(); it != m_senders.end();)
        it = it->second.bucket.full(now) ? m_senders.erase(it) : std::next(it);
}

} // namespace brixo
