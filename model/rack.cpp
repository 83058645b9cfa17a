#include "model/rack.h"

namespace brixo {

bool Rack::set(int slot, int code)
{
    if (!validSlot(slot) || code < kNoTile || code > kHighestTile) return false;
    int& cell = m_slots[slot - 1];
    m_count += (code != kNoTile) - (cell != kNoTile);
    cell = code;
    return true;
}

void Rack::clear()
{
    m_slots.fill(kNoTile);
    m_count = 0;
}

int Rack::firstEmptySlot(int last) const
{
    for (int slot = 1; slot <= last && slot <= kSlots; ++slot)
        if (m_slots[slot - 1] == kNoTile) return slot;
    return 0;
}

int Rack::value() const
{
    int sum = 0;
    for (int code : m_slots) sum += tilevalue(code);
    return sum;
}

std::vector<RackItem> Rack::items() const
{
    std::vector<RackItem> out;
    for (int slot = 1; slot <= kSlots; ++slot)
        if (const int code = m_slots[slot - 1]; code != kNoTile) out.push_back({slot, code});
    return out;
}

} // namespace brixo
