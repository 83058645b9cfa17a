#include "table/rackmirror.h"

#include "table/rackarrange.h"
#include "table/racksort.h"

#include <algorithm>

namespace brixo {

void RackMirror::setAwaitingServer(RackSlot slot, bool awaiting)
{
    if (slot.valid()) m_awaiting[slot.index()] = awaiting;
}

bool RackMirror::receive(RackSlot slot, Tile tile)
{
    if (!slot.valid() || !tile.real()) return false;
    m_positions.closeUp(slot);
    m_rack.set(slot, tile);
    m_awaiting[slot.index()] = false;
    m_positions.place(slot);
    return true;
}

void RackMirror::release(RackSlot slot, bool laid)
{
    if (!slot.valid()) return;
    if (laid && m_rack.at(slot).real()) m_laid.push_back({slot.number(), m_rack.at(slot).code()});
    std::erase(m_justDrawn, slot);
    std::erase(m_drawnThisTurn, slot);
    m_rack.set(slot, Tile());
    m_awaiting[slot.index()] = false;
    m_positions.closeUp(slot);
}

bool RackMirror::comesBack(RackSlot slot, Tile tile)
{
    const auto laid = std::find(m_laid.begin(), m_laid.end(), RackItem{slot.number(), tile.code()});
    if (laid == m_laid.end()) return false;
    m_laid.erase(laid);
    return true;
}

int RackMirror::pointsLaid() const
{
    int points = 0;
    for (const RackItem& laid : m_laid) points += tilevalue(laid.tile);
    // Put down and not yet off the rack, echoed or not.
    for (const RackSlot slot : RackSlot::all())
        if (awaitingServer(slot)) points += tilevalue(m_rack.at(slot));
    return points;
}

bool RackMirror::exchange(RackSlot a, RackSlot b)
{
    const int from = m_positions.positionOf(a);
    const int to = m_positions.positionOf(b);
    if (from == 0 || to == 0) return false;
    m_positions.exchange(from, to);
    return true;
}

void RackMirror::sort(bool byNumber)
{
    racksort::sortthem(m_positions, byNumber, [this](RackSlot slot) { return m_rack.at(slot); });
}

void RackMirror::arrange(bool byNumber)
{
    std::vector<rackarrange::RackTile> shown;
    std::vector<RackSlot> waiting;
    for (int p = 1; p <= RackPositions::kPositions; ++p) {
        const RackSlot slot = m_positions.slotAt(p);
        if (!slot.valid()) continue;
        if (awaitingServer(slot)) waiting.push_back(slot);
        else shown.push_back({slot, m_rack.at(slot)});
    }
    std::vector<RackSlot> order = rackarrange::arrange(shown, byNumber);
    order.insert(order.end(), waiting.begin(), waiting.end());
    m_positions.clear();
    for (const RackSlot slot : order) m_positions.place(slot);
}

void RackMirror::clear()
{
    m_positions.clear();
    m_rack.clear();
    m_awaiting.fill(false);
    forgetDraws();
}

void RackMirror::drawn(RackSlot slot)
{
    m_justDrawn.push_back(slot);
    m_drawnThisTurn.push_back(slot);
}

void RackMirror::ownTurnOver()
{
    m_justDrawn = std::move(m_drawnThisTurn);
    m_drawnThisTurn.clear();
}

void RackMirror::forgetDraws()
{
    m_justDrawn.clear();
    m_drawnThisTurn.clear();
}

} // namespace brixo
