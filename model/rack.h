// A seat's rack: slots 1..60, each a tile code or 0, with the tile count
// kept beside it. Empty slots may lie between full ones.
#pragma once

#include "model/places.h"
#include "model/tile.h"

#include <array>
#include <vector>

namespace brixo {

struct RackItem {
    int slot = 0;
    int tile = 0;
    bool operator==(const RackItem&) const = default;
};

class Rack {
public:
    static constexpr int kSlots = RackSlot::kLast;

    static constexpr bool validSlot(int slot) { return slot >= 1 && slot <= kSlots; }

    int at(int slot) const { return validSlot(slot) ? m_slots[slot - 1] : kNoTile; }
    Tile at(RackSlot slot) const { return Tile(at(slot.number())); }

    // Puts a code (0 empties the slot) and keeps the count right. False, with
    // nothing changed, for a slot outside 1..60 or a code outside 0..53.
    bool set(int slot, int code);
    bool set(RackSlot slot, Tile tile) { return set(slot.number(), tile.code()); }

    int tilecount() const { return m_count; }
    void clear();

    // Lowest empty slot in 1..last, or 0 when they are all full.
    int firstEmptySlot(int last = kSlots) const;

    // Sum of tile values of everything in the rack.
    int value() const;

    // Every full slot with its tile, in slot order.
    std::vector<RackItem> items() const;

private:
    std::array<int, kSlots> m_slots{};
    int m_count = 0;
};

} // namespace brixo
