#include "bot/botmoves.h"

#include "net/catalogue.h"

namespace brixo {

bool laytile(BotTable& table, int seat, int slot, BoardPoint at)
{
    TPlayerRecord& record = table.seatRecord(seat);
    if (!Rack::validSlot(slot)) return false;
    const int tile = record.rack.at(slot);
    record.botused[slot - 1] = true;
    if (tile == kNoTile) return false;
    table.placemytile(msg::argumentText(msg::placemytile({seat, slot, at.col, at.row})));
    return record.rack.at(slot) == kNoTile && table.grid().at(at.col, at.row) == tile;
}

bool movetile(BotTable& table, int seat, BoardPoint to, BoardPoint from)
{
    const BoardGrid& grid = table.grid();
    const int tile = grid.at(from.col, from.row);
    if (tile == kNoTile) return false;
    table.swaptiles(msg::argumentText(msg::swaptilesRequest({seat, to.col, to.row, from.col, from.row})));
    return grid.at(from.col, from.row) == kNoTile && grid.at(to.col, to.row) == tile;
}

} // namespace brixo
