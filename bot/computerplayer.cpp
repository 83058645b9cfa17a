#include "bot/computerplayer.h"

#include <string>

namespace brixo {

// Without its searches the computer finds nothing to lay, and a turn that
// lays nothing ends with a draw.
void computerplay(BotTable& table, int seat)
{
    TPlayerRecord& record = table.seatRecord(seat);
    record.botused.fill(false);
    table.drawcard(std::to_string(seat) + '+');
}

} // namespace brixo
