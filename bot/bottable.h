// What the computer player may see and do at the table. The server
// implements it: the bot reads the board and its seat's rack, and changes
// them only through the server operations a table's messages reach, with
// the same argument texts ("2+14+5+7+" for placemytile), so every table
// sees a computer's turn exactly as a person's.
#pragma once

#include "model/boardgrid.h"
#include "model/rack.h"
#include "model/randomsource.h"

#include <string_view>

namespace brixo {

class BotTable {
public:
    virtual ~BotTable() = default;

    virtual const BoardGrid& grid() const = 0;
    // The rack of seat 1..4; an empty rack for any other number.
    virtual const Rack& rack(Seat seat) const = 0;
    // The value the seat has laid from its rack this round; 0 while its
    // first lay-down is still to come.
    virtual int laiddown(Seat seat) const = 0;
    // A team game: seats 1 and 3 play against 2 and 4, and a team goes out
    // when both its racks are empty.
    virtual bool teamgame() const { return false; }
    // The server's generator, so a fixed seed replays a whole game.
    virtual RandomSource& random() = 0;

    // seat "+" rackslot "+" col "+" row "+"
    virtual void placemytile(std::string_view body) = 0;
    // seat "+" tocol "+" torow "+" fromcol "+" fromrow "+"
    virtual void swaptiles(std::string_view body) = 0;
    // seat "+"
    virtual void finish(std::string_view body) = 0;
    // seat "+"
    virtual void drawcard(std::string_view body) = 0;
};

} // namespace brixo
