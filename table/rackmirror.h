// This table's rack as the server describes it: the tile in each rack slot,
// the places the tiles are shown at, the tiles put on the board and not yet
// taken off the rack by the server, the tiles laid this turn, and the tiles
// the last draws brought.
#pragma once

#include "model/rack.h"
#include "table/rackpositions.h"

#include <array>
#include <vector>

namespace brixo {

class RackMirror {
public:
    const Rack& tiles() const { return m_rack; }
    const RackPositions& positions() const { return m_positions; }
    // Put on the board and waiting for the server to take it off the rack:
    // shown neither in the rack nor offered again.
    bool awaitingServer(RackSlot slot) const { return slot.valid() && m_awaiting[slot.index()]; }
    void setAwaitingServer(RackSlot slot, bool awaiting);
    // The tile a slot offers to be picked up or completed with; no tile for
    // an empty slot or one awaiting the server.
    Tile offered(RackSlot slot) const { return awaitingServer(slot) ? Tile() : m_rack.at(slot); }

    // A tile arrives in a slot: at the first free place, as any new tile
    // does, even when the slot was shown already. False for a slot or tile
    // that is none.
    bool receive(RackSlot slot, Tile tile);
    // The server took the slot's tile off the rack; `laid`: it was laid in
    // this seat's turn.
    void release(RackSlot slot, bool laid);
    // A tile laid this turn that comes back to its slot (a take-back, the
    // turn undone): true, and it is no longer counted as laid.
    bool comesBack(RackSlot slot, Tile tile);
    void forgetLaid() { m_laid.clear(); }
    // The points of the tiles laid from the rack this turn: those the
    // server took off and those still awaiting it.
    int pointsLaid() const;

    // The player rearranges by hand: two tiles change places. False when
    // either is not shown.
    bool exchange(RackSlot a, RackSlot b);
    void sort(bool byNumber);
    // The tiles shown in the order rackarrange gives; tiles waiting for the
    // server to take them off go to the end.
    void arrange(bool byNumber);
    // Every tile gone.
    void clear();

    // The rack slots of the tiles the seat drew last, from the draw until
    // the end of its next turn or of the round; a slot leaves when its tile
    // leaves the rack.
    const std::vector<RackSlot>& justDrawn() const { return m_justDrawn; }
    void drawn(RackSlot slot);
    // The seat's own turn ended: the draws of earlier turns are no longer new.
    void ownTurnOver();
    void forgetDraws();

private:
    Rack m_rack;
    RackPositions m_positions;
    std::array<bool, RackSlot::kCount> m_awaiting{};
    // The tiles this seat laid from its rack this turn that the server took
    // off the rack, with their slots.
    std::vector<RackItem> m_laid;
    std::vector<RackSlot> m_justDrawn;
    std::vector<RackSlot> m_drawnThisTurn; // of m_justDrawn, the draws of the seat's turn now running
};

} // namespace brixo
