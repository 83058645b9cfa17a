// The board's sets that the set rules refuse, each with a few plain words
// on why, for the player to find what keeps the board from being valid.
// Whether a set is valid is the rules' own answer (setok); the words only
// describe it.
#pragma once

#include "model/boardgrid.h"
#include "model/setrules.h"

#include <string>
#include <vector>

namespace brixo {

struct BoardProblem {
    int row = 0;
    int first = 0; // the set's first and last columns
    int last = 0;
    std::string reason; // "only two tiles", "two Red 5s", "wild tile after a King", ...
    bool operator==(const BoardProblem&) const = default;
};

// Every set of the board that is not valid, row by row from the top, left
// to right within a row. Empty for a valid board.
std::vector<BoardProblem> boardproblems(const BoardGrid& grid);

// Why the set is not a run or a group, in a few words.
std::string whyNotASet(const BoardGrid& grid, const RowSet& set);

} // namespace brixo
