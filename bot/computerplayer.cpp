#include "bot/computerplayer.h"

#include "bot/botturn.h"
#include "bot/groupsearch.h"
#include "bot/runsearch.h"
#include "model/setrules.h"
#include "net/catalogue.h"

namespace brixo {

// Every pass that answers true has laid at least one rack tile (a move the
// server refused does not count), so the repetitions end with the rack.
void computerplay(BotTable& table, Seat seat)
{
    if (!seat.valid()) return;
    BotTurn turn(seat);

    bool laid = false;
    while (computermatches(table, turn)) laid = true;
    while (computerruns(table, turn)) laid = true;

    // A board the bot itself left invalid (a refused move half-way through a
    // set) would hold the game until the turn clock ran out; drawing takes
    // the moves back at once instead.
    if (laid && boardok(table.grid()))
        table.finish(msg::argumentText(msg::finish(seat.number())));
    else
        table.drawcard(msg::argumentText(msg::drawcard(seat.number())));
}

} // namespace brixo
