#include "server/roomsummary.h"

#include "server/serverform.h"

namespace brixo {

RoomSummary roomSummaryOf(const TServer& server)
{
    const SlotTable& slots = server.slotTable();
    RoomSummary summary;
    for (const Slot slot : Slot::all()) {
        const TPlayerRecord& record = slots[slot];
        if (!record.connected || !record.loggedin) continue;
        ++(Seat(slot.number()).valid() ? summary.seated : summary.spectators);
    }
    summary.running = server.state().gamerunning;
    summary.full = !server.freeSlot().valid();
    return summary;
}

} // namespace brixo
