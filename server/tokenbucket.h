// A token bucket: up to `burst` uses at once, then `perSecond` uses a
// second as the bucket fills again, on a clock in milliseconds that only
// goes forward. Kept in thousandths of a use so that the refill is exact.
#pragma once

#include <cstdint>

namespace brixo {

class TokenBucket {
public:
    // Starts full at `now`.
    TokenBucket(int burst, int perSecond, std::int64_t now);

    // True, and one use is spent, when a use is left at `now`.
    bool take(std::int64_t now);
    // Full again at `now`: a fresh bucket would behave no differently.
    bool full(std::int64_t now) const;

private:
    std::int64_t level(std::int64_t now) const;

    std::int64_t m_capacity;  // thousandths of a use
    std::int64_t m_perMillisecond;
    std::int64_t m_level;
    std::int64_t m_updated;
};

} // namespace brixo
