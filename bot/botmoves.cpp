#include "bot/botmoves.h"

#include "net/catalogue.h"

namespace brixo {

bool laytile(BotTable& table, BotTurn& turn, int slot, BoardPoint at)
{
    if (!Rack::validSlot(slot)) return false;
    const Rack& rack = table.rack(turn.seat);
    const int tile = rack.at(slot);
    turn.use(slot);
    if (tile == kNoTile) return false;
    table.placemytile(msg::argumentText(msg::placemytile({turn.seat, slot, at.col, at.row})));
    return rack.at(slot) == kNoTile && table.grid().at(at.col, at.row) == tile;
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
