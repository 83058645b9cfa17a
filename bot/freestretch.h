// Where the computer player puts a new set: a stretch of empty cells in one
// row, found by drawing columns and rows at random from the server's
// generator. Each search makes at most 100 draws and stops at the first
// free stretch; a stretch first found on the 100th draw is not used, so a
// search that fails has always made exactly 100 draws. Row 0 and column 0,
// which the tables do not show, are never chosen.
#pragma once

#include "bot/botmoves.h"
#include "model/boardgrid.h"
#include "model/randomsource.h"

#include <optional>

namespace brixo {

inline constexpr int kStretchDraws = 100;

// For a new group: column x from 1 to 17, row y from 1 to 12, with the six
// cells x..x+5 empty. Answers (x, y); the group is laid from x + 1.
std::optional<BoardCell> freestretch(const BoardGrid& grid, RandomSource& random);

// For a new run: column x from 1 to 18, row y from 1 to 12, with the six
// cells x..x+5 empty (column 23 always is). Answers (x, y); the run is laid
// at x + 2..x + 4.
std::optional<BoardCell> runstretch(const BoardGrid& grid, RandomSource& random);

// For moving a board run with its new tile: the width w is 5, 6 or 7; x
// from w + 1 to 22, row y from 1 to 12, with the w + 1 cells x - w..x
// empty. Answers (x, y); the moved run ends at x - 1.
std::optional<BoardCell> relocationstretch(const BoardGrid& grid, RandomSource& random, int width);

} // namespace brixo
