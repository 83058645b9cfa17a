// The 60 display places of the player's rack, numbered 1..60 from the
// left. Each is free or shows one rack slot (the server's slot number of
// the tile). New tiles take the first free place; a tile that leaves
// closes the gap by moving every later tile one place left, so the rack
// stays one block from place 1.
#pragma once

#include "model/places.h"

#include <array>

namespace brixo {

class RackPositions {
public:
    static constexpr int kPositions = 60;

    RackPositions() { clear(); }

    // Every place free.
    void clear();

    // Puts the slot in the first free place and answers that place, or 0
    // when all 60 are taken.
    int place(RackSlot slot);

    // The place showing the slot, 0 when none does.
    int positionOf(RackSlot slot) const;

    // The slot shown at a place 1..60; no slot (not valid) for a free place
    // or a place outside the rack.
    RackSlot slotAt(int position) const;
    bool isFree(int position) const { return !slotAt(position).valid(); }

    // Takes the slot out and moves every later tile one place left. False,
    // and nothing changes, when no place shows the slot.
    bool closeUp(RackSlot slot);

    // Swaps what two places show (the player rearranging by hand).
    void exchange(int a, int b);

    int count() const;

private:
    std::array<RackSlot, kPositions> m_slots{};
};

} // namespace brixo
