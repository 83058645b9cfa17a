#include "table/rackpositions.h"

void RackPositions::clearallcards()
{
    m_slots.fill(kFree);
}

int RackPositions::place(int slot)
{
    for (int p = 1; p <= kPositions; ++p) {
        if (m_slots[p - 1] == kFree) {
            m_slots[p - 1] = slot;
            return p;
        }
    }
    return 0;
}

int RackPositions::positionOf(int slot) const
{
    if (slot == kFree) return 0;
    for (int p = 1; p <= kPositions; ++p)
        if (m_slots[p - 1] == slot) return p;
    return 0;
}

int RackPositions::slotAt(int position) const
{
    if (position < 1 || position > kPositions) return kFree;
    return m_slots[position - 1];
}

bool RackPositions::movecards(int slot)
{
    const int p = positionOf(slot);
    if (p == 0) return false;
    m_slots[p - 1] = kFree;
    for (int q = p + 1; q <= kPositions; ++q) {
        if (m_slots[q - 1] == kFree) continue;
        m_slots[q - 2] = m_slots[q - 1];
        m_slots[q - 1] = kFree;
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
    int n = 0;
    for (int s : m_slots)
        if (s != kFree) ++n;
    return n;
}
