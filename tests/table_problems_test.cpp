// The board's sets that are not valid, and the words that say why.
#include "model/setrules.h"
#include "table/boardproblems.h"
#include "tests/tilecodes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace brixo;
using namespace brixo::test;

namespace {

struct ProblemCase {
    std::vector<int> tiles;
    std::string reason; // empty: a valid set
};

} // namespace

TEST(BoardProblems, EachRefusedSetIsExplainedAndOnlyThose)
{
    const std::vector<ProblemCase> cases = {
        {{green(5), green(6), green(7)}, ""},
        {{red(9), black(9), orange(9)}, ""},
        {{red(3), W, red(5)}, ""},
        {{W, red(12), red(13)}, ""},
        {{W, W, red(4)}, ""},                           // a group: the wilds count as 4s
        {{red(11), red(12), W, W}, ""},                 // the rules look only at the tile before the last
        {{red(13), W, W}, ""},
        {{green(13), red(13), W}, ""},                  // Kings group together
        {{green(5), orange(5), W, black(5)}, ""},       // a group of four with a wild tile
        {{green(5), orange(5), red(5), black(5), W}, ""},    // groups have no length limit:
        {{green(5), orange(5), red(5), black(5), W, W}, ""}, // five and six tiles are valid
        {{red(5)}, "only one tile"},
        {{red(5), red(6)}, "only two tiles"},
        {{W, W}, "only two tiles"},
        {{red(3), red(3), red(4)}, "two Red 3s"},
        {{green(5), green(5), red(5)}, "two Green 5s"},
        {{black(13), orange(13), black(13)}, "two Black Kings"},
        {{black(12), black(13), W}, "wild tile after a King"},
        {{W, red(1), red(2)}, "wild tile before a 1"},
        {{W, W, red(4), red(5)}, "two wild tiles at the start"},
        {{red(5), red(4), red(6)}, "numbers out of order"},
        {{red(3), red(5), red(6)}, "a gap between Red 3 and Red 5"},
        {{red(3), W, W, red(5)}, "too many wild tiles between Red 3 and Red 5"},
        {{green(12), green(13), orange(1)}, "mixed colours in a run"},
        {{red(5), black(6), red(7)}, "mixed colours in a run"},
        {{red(5), black(5), green(6)}, "mixed numbers in a group"},
        {{red(5), red(5), black(6)}, "neither a run nor a group"},
    };
    for (const ProblemCase& c : cases) {
        BoardGrid grid;
        int col = 3;
        for (int code : c.tiles) grid.set(col++, 5, code);
        const std::vector<BoardProblem> problems = boardproblems(grid);
        const std::string shown = ::testing::PrintToString(c.tiles);
        // The words follow the rules' own verdict.
        EXPECT_EQ(problems.empty(), boardok(grid)) << shown;
        if (c.reason.empty()) {
            EXPECT_TRUE(problems.empty()) << shown << ": " << (problems.empty() ? "" : problems[0].reason);
        } else {
            EXPECT_EQ(problems, (std::vector<BoardProblem>{{5, 3, col - 1, c.reason}})) << shown;
        }
    }
}

TEST(BoardProblems, SetsAreTheRowsStretchesOfTilesFoundTopToBottomLeftToRight)
{
    BoardGrid grid;
    for (int col = 0; col < 3; ++col) grid.set(col, 0, red(col + 1));     // valid, from column 0
    grid.set(4, 0, red(9));                                               // a lone tile
    grid.set(22, 0, black(1));                                            // and one in the last column
    for (int col = 10; col < 13; ++col) grid.set(col, 7, green(col - 9)); // 1 2 3 ...
    grid.set(13, 7, black(4));                                            // ... joined by a Black 4
    grid.set(20, 12, W);
    grid.set(21, 12, W);
    EXPECT_EQ(boardproblems(grid), (std::vector<BoardProblem>{{0, 4, 4, "only one tile"},
                                                              {0, 22, 22, "only one tile"},
                                                              {7, 10, 13, "mixed colours in a run"},
                                                              {12, 20, 21, "only two tiles"}}));
    EXPECT_TRUE(boardproblems(BoardGrid{}).empty());
}
