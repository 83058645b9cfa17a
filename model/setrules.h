// Whether the board holds only valid sets: every maximal stretch of tiles in
// a row must be a run (one colour, consecutive) or a group (one number,
// distinct colours), at least three long. The server judges its board with
// these at the end of a turn; each table runs the very same functions on
// its mirror to show whether the board is complete, and to say which sets
// are not valid.
#pragma once

#include "model/boardgrid.h"

#include <optional>

namespace brixo {

// A set as the rules see it: a maximal stretch of tiles in a row, from
// column start to column end.
struct RowSet {
    int row = 0;
    int start = 0;
    int end = 0;
    int size() const { return end - start + 1; }
    bool operator==(const RowSet&) const = default;
};

// All 13 rows pass checkrow. An empty board is valid.
bool boardok(const BoardGrid& grid);

// Every set in the row is a run or a group.
bool checkrow(const BoardGrid& grid, int row);

// The first set of the row that starts at column `from` or later.
std::optional<RowSet> nextSet(const BoardGrid& grid, int row, int from);

// The set has at least three tiles and is a run or a group.
bool setok(const BoardGrid& grid, const RowSet& set);

// Columns start..end of the row form a run.
bool checkforsuit(const BoardGrid& grid, int row, int start, int end);

// Columns start..end of the row form a group.
bool checkfornumber(const BoardGrid& grid, int row, int start, int end);

} // namespace brixo
