#include "table/tablehint.h"

#include "bot/expertplayer.h"
#include "table/tablemirror.h"

namespace brixo {

TableHint tablehint(const TableMirror& mirror)
{
    TableHint hint;
    BoardGrid board = mirror.board();
    const Hand& hand = mirror.hand();
    if (hand.holdsBoardTile()) board.set(hand.cell, hand.tile);
    Rack rack;
    for (const RackSlot slot : RackSlot::all()) rack.set(slot, mirror.offeredTile(slot));

    const ExpertDecision decision = expertdecision(board, rack, mirror.laidDown());
    std::vector<Tile> tiles;
    if (decision.play.found) {
        // In the order they would be laid: along the rows of the board.
        for (const BoardMove& move : decision.layout.moves) {
            if (move.kind != BoardMove::Kind::Place) continue;
            const RackSlot slot(move.slot);
            hint.rackSlots.push_back(slot);
            tiles.push_back(rack.at(slot));
        }
        hint.value = decision.play.value;
    }
    hint.text = hinttext(tiles, hint.value);
    return hint;
}

std::string hinttext(const std::vector<Tile>& tiles, int value)
{
    if (tiles.empty()) return "No play found: draw a tile.";
    std::string text = "Lay ";
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        if (i > 0) text += ", ";
        text += gettilename(tiles[i]);
    }
    return text + " for " + std::to_string(value) + (value == 1 ? " point." : " points.");
}

} // namespace brixo
