// The turn clock a player sees: the seconds left of the turn, the bar that
// shrinks from its whole width (184 pixels) at the turn's start to nothing
// at its end, red in the last 20 seconds, with a tick sound at 20, 15 and
// each of the last ten seconds. The server keeps the real clock; this one
// only shows it and gives up on a server that stays silent three seconds
// past the end.
#pragma once

#include <algorithm>

namespace brixo {

class TurnClock {
public:
    static constexpr int kBarWidth = 184;
    static constexpr int kRedBelow = 20;
    static constexpr int kSilentServerTicks = -3;
    // The longest turn a clock counts; a server's word beyond is taken as this.
    static constexpr int kLongestTurn = 24 * 60 * 60;

    // A time per turn as the server gives it, within what a clock counts.
    static constexpr int clampedTime(int seconds) { return std::clamp(seconds, 0, kLongestTurn); }

    // A turn of this many seconds (0 leaves the bar empty).
    void setTimePerTurn(int seconds) { m_timePerTurn = clampedTime(seconds); }
    int timePerTurn() const { return m_timePerTurn; }

    // A new turn starts with the whole time.
    void restart() { m_secondsLeft = m_timePerTurn; }
    void stopAt(int seconds) { m_secondsLeft = seconds; }
    // A turn under way: its seconds left, within the time per turn.
    void setSecondsLeft(int seconds) { m_secondsLeft = std::clamp(seconds, 0, m_timePerTurn); }

    // One second passes.
    void tick() { --m_secondsLeft; }

    int secondsLeft() const { return m_secondsLeft; }
    bool running() const { return m_secondsLeft >= 1; }
    // The bar's width in proportion to the time left, rounded up so that it
    // empties only when the time is out; fullWidth at the turn's start.
    int barWidth(int fullWidth = kBarWidth) const;
    bool red() const { return m_secondsLeft < kRedBelow; }
    bool ticksAloud() const
    {
        return m_secondsLeft == 20 || m_secondsLeft == 15 || (m_secondsLeft >= 1 && m_secondsLeft <= 10);
    }
    // Three ticks past zero without a new turn from the server.
    bool serverSilent() const { return m_secondsLeft <= kSilentServerTicks; }

private:
    int m_timePerTurn = 0;
    int m_secondsLeft = 0;
};

} // namespace brixo
