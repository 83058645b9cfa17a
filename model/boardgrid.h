// The shared board: columns 0..22 by rows 0..12 of tile codes, stored
// column-major. Sets lie along rows. A 24th column (23) is stored and
// always empty, so a row scan can read one cell past the last column.
// The server's board and turn snapshot and each table's mirror are all
// BoardGrids; reads outside the grid answer 0 and writes outside it, or of
// codes that are not 0..53, are refused.
#pragma once

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
    static constexpr int kColumns = 23;       // 0..22 hold tiles
    static constexpr int kStoredColumns = 24; // plus the always-empty column 23
    static constexpr int kRows = 13;          // 0..12

    static constexpr bool inside(int col, int row)
    {
        return col >= 0 && col < kColumns && row >= 0 && row < kRows;
    }

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

    bool isEmpty(int col, int row) const { return at(col, row) == kNoTile; }
    void clear() { m_cells.fill(kNoTile); }
    bool hasAnyTile() const;
    int tileCount() const;

    bool operator==(const BoardGrid&) const = default;

private:
    static constexpr int index(int col, int row) { return col * kRows + row; }
    std::array<int, kStoredColumns * kRows> m_cells{};
};

} // namespace brixo
