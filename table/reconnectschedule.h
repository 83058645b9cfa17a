// When a table's host vanishes (its program killed, its machine restarted,
// the network gone) the table tries to connect to the same address again
// for a while: one try at once, then one every few seconds, until the host
// answers, the player stops it or the time is up. The schedule only does
// the arithmetic; the caller owns the clock and the connection, so the
// rules are checked without waiting.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace brixo {

class ReconnectSchedule {
public:
    using Clock = std::chrono::steady_clock;
    using Duration = std::chrono::milliseconds;

    static constexpr Duration kPatience{60000}; // how long the table keeps trying
    static constexpr Duration kInterval{3000};  // from one try to the next

    explicit ReconnectSchedule(Duration patience = kPatience, Duration interval = kInterval);

    // The host is gone now: trying starts, with a first try due at once.
    void start(Clock::time_point now);
    // The host answered, or the player stopped: no more tries.
    void stop() { m_active = false; }
    bool active() const { return m_active; }

    // Whether the time to try is up; from then on no try is due.
    bool expired(Clock::time_point now) const;
    // Whether a try is due now. A due try counts as made: the next one is
    // due an interval later, however late this one was taken.
    bool takeTry(Clock::time_point now);
    // How long until the next try is due, or the time is up, whichever is
    // first (zero when either is now).
    Duration untilNext(Clock::time_point now) const;
    // Whole seconds left, rounded up: the countdown shows 1:00 at the start
    // and 0:01 in the last second.
    int secondsLeft(Clock::time_point now) const;
    // The countdown as the player reads it: "The host is gone. Trying again… 0:47".
    // `gone` says who went ("The host is gone.").
    std::string countdownText(Clock::time_point now, std::string_view gone = "The host is gone.") const;

private:
    Duration m_patience;
    Duration m_interval;
    bool m_active = false;
    Clock::time_point m_deadline{};
    Clock::time_point m_nextTry{};
};

} // namespace brixo
