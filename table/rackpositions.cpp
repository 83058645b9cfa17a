#include "table/rackpositions.h"

#include <algorithm>
#include <utility>

namespace brixo {

void RackPositions::clear()
{
    m_slots.fill(RackSlot());
}

int RackPositions::place(RackSlot slot)
{
    for (int p = 1; p <= kPositions; ++p) {
        if (!m_slots[p - 1].valid()) {
            m_slots[p - 1] = slot;
            return p;
        }
    }
    return 0;
}

int RackPositions::positionOf(RackSlot slot) const
{
    if (!slot.valid()) return 0;
    for (int p = 1; p <= kPositions; ++p)
        if (m_slots[p - 1] == slot) return p;
    return 0;
}

RackSlot RackPositions::slotAt(int position) const
{
    if (position < 1 || position > kPositions) return RackSlot();
    return m_slots[position - 1];
}

bool RackPositions::closeUp(RackSlot slot)
{
    const int p = positionOf(slot);
    if (p == 0) return false;
    m_slots[p - 1] = RackSlot();
    for (int q = p + 1; q <= kPositions; ++q) {
        if (!m_slots[q - 1].valid()) continue;
        m_slots[q - 2] = m_slots[q - 1];
        m_slots[q - 1] = RackSlot();
    }
    return true;
}

void RackPositions::exchange(int a, int b)
{
    if (a < 1 || a > kPositions || b < 1 || b > kPositions) return;
    std::swap(m_slots[a - 1], m_slots[b - 1]);
}

int RackPositions::count() const
{
    return static_cast<int>(std::count_if(m_slots.begin(), m_slots.end(), [](RackSlot s) { return s.valid(); }));
}

} // namespace brixo
