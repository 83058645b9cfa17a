// Who is in a room, as the lobby lists it and decides whether one more
// table fits.
#pragma once

namespace brixo {

class TServer;

struct RoomSummary {
    int seated = 0;      // people logged in at the four seats
    int spectators = 0;  // people logged in at the other slots
    bool running = false;
    // No slot is left for one more table: the server would answer it
    // "CMD_full".
    bool full = false;
};

RoomSummary roomSummaryOf(const TServer& server);

} // namespace brixo
