// The hint a table gives its player: the best play for its board and rack,
// told in the chat set by set, with the rack tiles to lay.
#include "table/tablehint.h"
#include "tests/tablemirrorfeed.h"
#include "tests/tilecodes.h"

#include <gtest/gtest.h>

using namespace brixo;
using namespace brixo::test;

TEST(TableHint, TellsTheBestPlayAndItsPoints)
{
    MirrorFeed f;
    f.login(1);
    f.myTurn({{1, red(10)}, {2, green(1)}, {3, red(11)}, {4, black(5)}, {5, red(12)}});
    TableHint hint = tablehint(f.t);
    EXPECT_EQ(hint.text, "Lay Red 10, 11, 12 as a new run (33 points).");
    EXPECT_EQ(numbers(hint.rackSlots), (std::vector<int>{1, 3, 5}));

    // The board's tiles take part: a King joins the run as a wild tile goes to a group.
    f.feed(msg::loadboard(1, {{2, 4, red(7)}, {3, 4, red(8)}, {4, 4, red(9)}, {2, 6, black(3)}, {3, 6, W},
                              {4, 6, black(5)}}));
    f.feed(msg::yourtiles(1, {{6, black(4)}, {7, green(5)}, {8, orange(5)}}));
    hint = tablehint(f.t);
    EXPECT_EQ(hint.value, 33 + 5 + 4 + 5 + 5);
    EXPECT_EQ(hint.rackSlots.size(), 7u);
    // Nothing moved: the hint only tells.
    EXPECT_TRUE(f.sent.empty());
    EXPECT_EQ(f.t.board().at(3, 6), W);
}

TEST(TableHint, KnowsTheFirstLayDownAndWhoMayAsk)
{
    MirrorFeed f;
    f.login(1);
    f.myTurn({{1, green(7)}, {2, orange(7)}, {3, black(7)}});
    EXPECT_EQ(tablehint(f.t).text, "No play found: draw a tile.");
    EXPECT_TRUE(tablehint(f.t).rackSlots.empty());

    // Once this seat has laid down, 21 points will do; a new round forgets it.
    f.feed(msg::movedtiles({1, 33, 33, {{1, 1, red(10)}, {2, 1, red(11)}, {3, 1, red(12)}}}));
    EXPECT_EQ(tablehint(f.t).text, "Lay Green 7, Orange 7, Black 7 as a new group (21 points).");
    f.feed(msg::startround({33, 0, 0, 0}));
    f.feed(msg::yourtiles(1, {{1, green(7)}, {2, orange(7)}, {3, black(7)}}));
    EXPECT_EQ(tablehint(f.t).text, "No play found: draw a tile.");

    EXPECT_TRUE(f.t.mayHint());
    f.feed(msg::justwatching(1, "1"));
    EXPECT_FALSE(f.t.mayHint());
    EXPECT_TRUE(tablehint(f.t).rackSlots.empty());
}

// The tiles are named as they show (11, 12, 13), by the set they go into:
// a new set, one they join as it lies, one rearranged with board tiles.
TEST(TableHint, NamesTheTilesAsTheyShowSetBySet)
{
    const auto hintFor = [](const std::vector<RackItem>& rack, const std::vector<Cell>& board) {
        MirrorFeed f;
        f.login(1);
        f.myTurn(rack);
        f.feed(msg::movedtiles({1, 40, 40, {}})); // laid down already
        f.feed(msg::loadboard(1, board));
        return tablehint(f.t).text;
    };
    EXPECT_EQ(hintFor({{1, red(13)}, {2, green(7)}, {3, red(11)}, {4, orange(7)}, {5, red(12)}, {6, black(7)}}, {}),
              "Lay Green 7, Orange 7, Black 7 as a new group; Red 11, 12, 13 as a new run (57 points).");
    EXPECT_EQ(hintFor({{1, red(5)}, {2, W}, {3, red(7)}}, {}), "Lay Red 5, WILD, Red 7 as a new run (42 points).");
    EXPECT_EQ(hintFor({{1, green(6)}, {2, green(7)}, {3, orange(1)}},
                      {{5, 2, green(8)}, {6, 2, green(9)}, {7, 2, green(10)},
                       {5, 4, green(1)}, {6, 4, red(1)}, {7, 4, black(1)}}),
              "Lay Green 6, 7 beside the Green 8 to 10 run; Orange 1 with the 1s (14 points).");
    // The Red 7 leaves the group of four, and the Black 7 closes the gap.
    EXPECT_EQ(hintFor({{1, red(5)}, {2, red(6)}, {3, orange(2)}},
                      {{3, 2, green(7)}, {4, 2, orange(7)}, {5, 2, red(7)}, {6, 2, black(7)}}),
              "Lay Red 5, 6 into a rearranged Red 5 to 7 run (11 points; Show Me moves 2 board tiles).");
    EXPECT_EQ(hintFor({{1, green(8)}, {2, red(8)}},
                      {{3, 2, black(5)}, {4, 2, black(6)}, {5, 2, black(7)}, {6, 2, black(8)}}),
              "Lay Green 8, Red 8 into a rearranged group of 8s (16 points; Show Me moves 1 board tile).");
    // More than eight tiles, or more than three sets: one short line.
    EXPECT_EQ(hintFor({{1, green(1)}, {2, green(2)}, {3, green(3)}, {4, orange(5)}, {5, orange(6)}, {6, orange(7)},
                       {7, black(9)}, {8, red(9)}, {9, green(9)}, {10, black(11)}, {11, black(12)}, {12, black(13)}},
                      {}),
              "Lay 12 tiles for 87 points: press Show Me.");
    EXPECT_EQ(hintFor({{1, green(11)}, {2, orange(1)}, {3, red(6)}, {4, black(12)}},
                      {{2, 2, green(8)}, {3, 2, green(9)}, {4, 2, green(10)}, {2, 4, green(1)}, {3, 4, red(1)},
                       {4, 4, black(1)}, {2, 6, red(3)}, {3, 6, red(4)}, {4, 6, red(5)}, {2, 8, green(12)},
                       {3, 8, orange(12)}, {4, 8, red(12)}}),
              "Lay 4 tiles for 30 points: press Show Me.");
}
