// The shared board: columns 0..22 by rows 0..12 of tile codes, stored
// column-major. Sets lie along rows. A 24th column (23) is stored and
// always empty, so a row scan can read one cell past the last column.
// The server's board and turn snapshot and each table's mirror are all
// BoardGrids; reads outside the grid answer 0 and writes outside it, or of
// codes that are not 0..53, are refused.
#pragma once

#include "model/places.h"
#include "model/tile.h"

#include <array>

namespace brixo {

struct Cell {
    int col = 0;
    int row = 0;
    int tile = 0;
    bool operator==(const Cell&) const = default;
};

class BoardGrid {
public:
    static constexpr int kColumns = kBoardColumns;     // 0..22 hold tiles
    static constexpr int kStoredColumns = kColumns + 1; // plus the always-empty column 23
    static constexpr int kRows = kBoardRows;           // 0..12
    // The cells the tables and the computer lay sets in: the first column
    // and row are left free.
    static constexpr int kFirstLayColumn = 1;
    static constexpr int kLastLayColumn = kColumns - 1;
    static constexpr int kFirstLayRow = 1;
    static constexpr int kLastLayRow = kRows - 1;

    static constexpr bool inside(int col, int row) { return BoardCell{col, row}.inside(); }

    int at(int col, int row) const
    {
        if (col < 0 || col >= kStoredColumns || row < 0 || row >= kRows) return kNoTile;
        return m_cells[index(col, row)];
    }

    // False (and nothing changes) outside columns 0..22, rows 0..12, or for
    // a code outside 0..53.
    bool set(int col, int row, int code)
    {
        if (!inside(col, row) || code < kNoTile || code > kHighestTile) return false;
        m_cells[index(col, row)] = code;
        return true;
    }

    Tile at(BoardCell cell) const { return Tile(at(cell.col, cell.row)); }
    bool set(BoardCell cell, Tile tile) { return set(cell.col, cell.row, tile.code()); }

    bool isEmpty(int col, int row) const { return at(col, row) == kNoTile; }
    bool isEmpty(BoardCell cell) const { return at(cell.col, cell.row) == kNoTile; }
    void clear() { m_cells.fill(kNoTile); }
    bool hasAnyTile() const;
    int tileCount() const;

    bool operator==(const BoardGrid&) const = default;

private:
    static constexpr std::size_t index(int col, int row) { return BoardCell{col, row}.index(); }
    std::array<int, kStoredColumns * kRows> m_cells{};
};

} // namespace brixo
