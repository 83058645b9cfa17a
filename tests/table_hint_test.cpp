// The hint a table gives its player: the best play for its board and rack,
// told in the chat, with the rack tiles to lay.
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
    EXPECT_EQ(hint.text, "Lay Red 10, Red Jack, Red Queen for 33 points.");
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
    EXPECT_EQ(tablehint(f.t).text, "Lay Green 7, Orange 7, Black 7 for 21 points.");
    f.feed(msg::startround({33, 0, 0, 0}));
    f.feed(msg::yourtiles(1, {{1, green(7)}, {2, orange(7)}, {3, black(7)}}));
    EXPECT_EQ(tablehint(f.t).text, "No play found: draw a tile.");

    EXPECT_TRUE(f.t.mayHint());
    f.feed(msg::justwatching(1, "1"));
    EXPECT_FALSE(f.t.mayHint());
    EXPECT_TRUE(tablehint(f.t).rackSlots.empty());
}
