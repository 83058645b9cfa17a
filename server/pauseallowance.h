// How long and how often the seats may hold the turn clock. The host's
// table (seat 1) pauses as long and as often as it likes; any other seat
// at most kMaxPauses times a game, each pause ending by itself after
// kMaxSeconds ticks of the turn clock, so that no seat keeps a turn from
// running out.
#pragma once

#include "model/slottable.h"

#include <array>

namespace brixo {

class PauseAllowance {
public:
    static constexpr int kMaxPauses = 3;
    static constexpr int kMaxSeconds = 60;

    // Every seat may pause again.
    void newGame() { m_taken.fill(0); }
    bool mayPause(Seat seat, bool host) const;
    // A pause begins: counted for the seat, timed unless it is the host's.
    void begin(Seat seat, bool host);
    // Whether this pause needs the clock's ticks to end it.
    bool timed() const { return m_timed; }
    // One second of the pause passed; true when it has run out.
    bool tick();

private:
    std::array<int, kSeats + 1> m_taken{};
    bool m_timed = false;
    int m_seconds = 0;
};

} // namespace brixo
