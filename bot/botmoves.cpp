#include "bot/botmoves.h"

#include "net/catalogue.h"

namespace brixo {

bool laytile(BotTable& table, BotTurn& turn, RackSlot slot, BoardCell at)
{
    if (!slot.valid()) return false;
    const Rack& rack = table.rack(turn.seat);
    const Tile tile = rack.at(slot);
    turn.use(slot);
    if (tile.none()) return false;
    table.placemytile(msg::argumentText(msg::placemytile({turn.seat.number(), slot.number(), at.col, at.row})));
    return rack.at(slot).none() && table.grid().at(at) == tile;
}

bool movetile(BotTable& table, Seat seat, BoardCell to, BoardCell from)
{
    const BoardGrid& grid = table.grid();
    const Tile tile = grid.at(from);
    if (tile.none()) return false;
    table.swaptiles(msg::argumentText(msg::swaptilesRequest({seat.number(), to.col, to.row, from.col, from.row})));
    return grid.at(from).none() && grid.at(to) == tile;
}

} // namespace brixo
