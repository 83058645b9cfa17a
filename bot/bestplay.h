// The best play a seat can make: which rack tiles to lay and how the whole
// board, rearranged at will, then splits into valid sets.
//
// Every board tile must stay on the board; any subset of the rack may join
// them. Among the plays whose tiles split into runs and groups that the
// game's own set check accepts, the best lays the greatest value from the
// rack (a wild tile 30, any other its face number), then the most tiles,
// then the fewest wild tiles. Since every tile is worth something, a play
// that empties the rack always wins when one exists. Before a seat's first
// lay-down of the round, a play worth less than 30 is no play.
//
// The search is exact: a dynamic programme over the numbers 1 to 13 whose
// state is, per colour, how many runs are open and how long each is (1, 2,
// or 3 and more; a run opened by a wild tile is told apart, since the set
// check refuses two leading wild tiles), with the wild tiles spent so far.
// Groups are settled per number. Only a run's length class matters for what
// may follow it, so two plays that reach the same state can be compared
// there and the worse dropped. The odd corners of the set check are part
// of the transitions: no wild tile stands before a 1, a wild tile may open
// a run only before a real tile, and after a King a run goes on only with
// two wild tiles, or with one when the King's place is itself wild.
//
// A narrow pass, which keeps the most promising states of each step, first
// finds a good play. When it had to drop states, a second pass looks for a
// better one and keeps only the states that could still beat it (the rack
// tiles to come are the bound), so it is usually small. When neither pass
// had to drop anything, the play is proven best. When the second pass had
// to drop states too, a third, wider pass looks for a better play still,
// on the same terms. A position large enough to fill a step past even that
// limit gets the best play found within it, and says so.
#pragma once

#include <vector>

namespace brixo {

struct PlayLimits {
    // States kept per step of the search. Beyond it only the most promising
    // states go on, and the answer is the best play found among them.
    int statesPerStep = 4000;
    // States kept per step of the third pass, made only when the second
    // met its limit. Not above statesPerStep: no third pass.
    int widerStatesPerStep = 20000;
};

struct Play {
    // False: nothing worth laying (or the board itself does not split into
    // valid sets); the seat draws.
    bool found = false;
    // Every set of the board after the play, each in an order the set
    // check accepts. Empty when nothing was found.
    std::vector<std::vector<int>> sets;
    // The rack tiles laid, by code.
    std::vector<int> laid;
    int value = 0;  // of the laid tiles
    // The second pass met its limit (statesPerStep), so the third ran.
    bool limited = false;
    // The third pass ran (it is not made when its limit is no wider).
    bool widened = false;
    // The last pass made met its limit too: this is the best play found
    // within it.
    bool stillLimited = false;
};

// `board` and `rack` are tile codes (1..53), in any order. Codes outside
// 1..53 are ignored; a board holding more than two of a code, or more than
// two wild tiles, has no valid split and gives no play; rack tiles beyond
// two of a code are never laid.
Play bestplay(const std::vector<int>& board, const std::vector<int>& rack, bool laidDown,
              const PlayLimits& limits = {});

// The tiles, in this order, form one set the game's set check accepts.
bool validset(const std::vector<int>& tiles);

} // namespace brixo
