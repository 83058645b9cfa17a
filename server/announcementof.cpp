#include "server/announcementof.h"

#include "net/catalogue.h"
#include "server/serverform.h"

namespace brixo {

Announcement announcementOf(const TServer& server, int port)
{
    const SlotTable& slots = server.slotTable();
    Announcement game;
    game.port = port;
    const TPlayerRecord& host = slots[Seat(1)];
    game.name = host.loggedin && !host.name.empty() ? host.name : std::string(kUnhostedName);
    for (const Seat seat : Seat::all()) {
        const TPlayerRecord& record = slots[seat];
        if (record.connected && record.loggedin) ++game.seated;
        else if (!record.connected && record.keptFor.empty()) ++game.freeSeats;
    }
    game.running = server.state().gamerunning;
    game.playto = server.state().playto;
    game.version = msg::kVersion;
    return game;
}

} // namespace brixo
