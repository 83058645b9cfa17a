// Where the keyboard stands on the table: on a tile of the rack, on a cell
// of the board, or elsewhere (the seats, the buttons, the chat). The arrows
// move it: Left and Right over the rack's tiles in the order they are
// shown, all four over the board's cells, stopping at the edges. Up from
// the rack goes to the board's bottom row, to the column over the tile as
// near as can be, and Down from that row goes back to the rack's tile
// nearest under the cell. The rack changes under the focus as tiles are
// laid and drawn: it stays on its tile while that is shown, else it goes to
// the tile that now lies nearest its place.
#pragma once

#include "model/places.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace brixo {

class KeyFocus {
public:
    enum class Area { Elsewhere, Rack, Board };
    enum class Arrow { Left, Right, Up, Down };

    // The cells the table shows and presses reach.
    static constexpr int kFirstColumn = 1;
    static constexpr int kLastColumn = 22;
    static constexpr int kFirstRow = 1;
    static constexpr int kLastRow = 12;

    // A tile of the rack as shown, with the board column that lies nearest
    // above its middle.
    struct RackTile {
        RackSlot slot;
        int column = kFirstColumn;
        bool operator==(const RackTile&) const = default;
    };

    // The rack's tiles in the order shown.
    void setRack(std::vector<RackTile> shown);

    // The keyboard comes to the rack (its tile, or the first), to the board
    // (the cell it last stood on), or goes elsewhere.
    void enterRack();
    void enterBoard();
    void enterBoard(BoardCell cell);
    void leave() { m_area = Area::Elsewhere; }

    // Moves by an arrow; false when the arrow means nothing where the focus
    // is (elsewhere, or Down on the rack). At an edge it stays and answers
    // true: the arrow was still meant for the table.
    bool move(Arrow arrow);

    Area area() const { return m_area; }
    // The focused rack tile: none unless the focus is on a tile of the rack.
    RackSlot rackTile() const;
    // The focused cell: only while the focus is on the board.
    std::optional<BoardCell> cell() const;

private:
    std::size_t nearestTile(int column) const;

    Area m_area = Area::Elsewhere;
    std::vector<RackTile> m_rack;
    std::size_t m_index = 0;  // of the focused tile in m_rack, when there is one
    RackSlot m_slot;          // the tile the rack focus is on, kept across changes
    BoardCell m_cell{kFirstColumn, kLastRow};
};

} // namespace brixo
