// The computer player's scratch for one turn of one seat: which rack slots
// it has committed to a move, and the colour of the tile the group search
// is considering. A fresh one is made for every turn and handed through the
// searches, so nothing of it outlives the turn and the seat's record holds
// only the game.
#pragma once

#include "model/rack.h"

#include <array>

namespace brixo {

class BotTurn {
public:
    explicit BotTurn(Seat seat) : seat(seat) {}

    const Seat seat;

    // Rack slots 1..60 laid (or tried) this turn; the searches pass them by.
    bool botused(RackSlot slot) const { return slot.valid() && m_used[slot.index()]; }
    void use(RackSlot slot)
    {
        if (slot.valid()) m_used[slot.index()] = true;
    }

    // Colour index (1..5) of the tile the group search is considering; a
    // board group holding that colour cannot take the tile. 0: none.
    int colour = 0;

private:
    std::array<bool, Rack::kSlots> m_used{};
};

} // namespace brixo
