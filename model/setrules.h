// Whether the board holds only valid sets: every maximal stretch of tiles in
// a row must be a run (one colour, consecutive) or a group (one number,
// distinct colours), at least three long. The server judges its board with
// these at the end of a turn; each table runs the very same functions on
// its mirror to show whether the board is complete.
#pragma once

#include "model/boardgrid.h"

namespace brixo {

// All 13 rows pass checkrow. An empty board is valid.
bool boardok(const BoardGrid& grid);

// Every set in the row is a run or a group.
bool checkrow(const BoardGrid& grid, int row);

// Columns start..end of the row form a run.
bool checkforsuit(const BoardGrid& grid, int row, int start, int end);

// Columns start..end of the row form a group.
bool checkfornumber(const BoardGrid& grid, int row, int start, int end);

} // namespace brixo
