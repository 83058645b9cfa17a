// What a screen reader is told of the table: the words for tiles, cells,
// seats and the clock, and the announcements as a game goes on, read from
// the mirror as the server's messages change it.
#include "table/spokenwords.h"
#include "table/tablenarrator.h"
#include "tests/tablemirrorfeed.h"
#include "tests/tilecodes.h"

#include <gtest/gtest.h>

using namespace brixo;
using namespace brixo::test;

namespace {

// A table at seat 1 ("Ann") that follows every message with a narrator.
struct NarratedTable {
    MirrorFeed table;
    TableNarrator narrator;
    std::vector<std::string> heard;

    NarratedTable()
    {
        table.login(1, "Ann", true);
        feed(msg::existingplayers(3, "Bo"));
        feed(msg::startgame({"Ann", 300, 60, "f", "f", 14}));
    }
    void feed(std::string frame)
    {
        if (!frame.empty() && frame.back() == '\xFF') frame.pop_back();
        hear(table.t.receive(frame));
    }
    void hear(const TableUpdate& update, bool press = false)
    {
        for (std::string& words : narrator.follow(table.t, update, press)) heard.push_back(std::move(words));
    }
    std::vector<std::string> take() { return std::exchange(heard, {}); }
};

} // namespace

TEST(SpokenWords, TilesCellsSeatsAndTheClockSayWhatTheTableShows)
{
    EXPECT_EQ(spokenwords::tile(Tile(red(7))), "Red 7");
    EXPECT_EQ(spokenwords::tile(Tile(black(13))), "Black 13");
    EXPECT_EQ(spokenwords::tile(Tile(green(1))), "Green 1");
    EXPECT_EQ(spokenwords::tile(Tile(W)), "wild tile");
    EXPECT_EQ(spokenwords::tile(Tile()), "");
    EXPECT_EQ(spokenwords::cell({4, 2}, Tile(green(5))), "board, column 4, row 2, Green 5");
    EXPECT_EQ(spokenwords::cell({22, 12}, Tile()), "board, column 22, row 12, empty");
    EXPECT_EQ(spokenwords::pool(1), "1 tile left to draw");
    EXPECT_EQ(spokenwords::pool(-1), "no tiles left to draw");

    NarratedTable t;
    MirrorFeed& f = t.table;
    EXPECT_EQ(spokenwords::clock(f.t), "no turn running");
    t.feed(msg::nextplayer({2, 70, {{1, 12, 14}, {2, 87, 1}, {3, 0, 9}}}));
    EXPECT_EQ(spokenwords::seat(f.t, Seat(1)), "Ann (you), 14 tiles, 12 points, playing");
    EXPECT_EQ(spokenwords::seat(f.t, Seat(2)), "Klot, 1 tile, 87 points, computer player, playing its turn");
    EXPECT_EQ(spokenwords::seat(f.t, Seat(3)), "Bo, 9 tiles, 0 points, playing");
    EXPECT_EQ(spokenwords::seat(f.t, Seat(4)), "seat 4, waiting for a player");
    EXPECT_EQ(spokenwords::clock(f.t), "1:00 left of Klot's turn");
    f.take(f.t.clockTick());
    EXPECT_EQ(spokenwords::clock(f.t), "0:59 left of Klot's turn");

    t.feed(msg::nextplayer({1, 69, {{1, 12, 14}, {2, 87, 2}, {3, 0, 9}}}));
    t.feed(msg::gamepause(1));
    EXPECT_EQ(spokenwords::seat(f.t, Seat(1)), "Ann (you), 14 tiles, 12 points, your turn");
    EXPECT_EQ(spokenwords::clock(f.t), "clock stopped, 1:00 left of your turn");
    t.feed(msg::justwatching(3, "1"));
    EXPECT_EQ(spokenwords::seat(f.t, Seat(3)), "Bo, 9 tiles, 0 points, watching while the computer plays");
    // Bo leaves; in a team game the computer takes seat 3, and its words say for whom.
    t.feed(msg::startgame({"Ann", 300, 60, "f", "t", 14}));
    t.feed(msg::playerdisconnected(3, "Bo"));
    EXPECT_EQ(spokenwords::seat(f.t, Seat(3), t.narrator.leftBy(Seat(3))),
              "Klock, 0 points, computer player for Bo, who left");
}

TEST(TableNarrator, TellsTurnsMovesRefusalsAndTheRoundAsTheyHappen)
{
    NarratedTable t;
    MirrorFeed& f = t.table;
    t.take();
    f.feed(msg::yourtiles(1, {{1, red(7)}, {2, red(8)}, {3, green(2)}}));
    t.hear({});

    t.feed(msg::nextplayer({1, 70, {{1, 0, 3}, {2, 0, 14}, {3, 0, 14}}}));
    EXPECT_EQ(t.take(), std::vector<std::string>{"Your turn."});

    // A refused press is told each time, even in the same words.
    t.feed(msg::placehistile({3, green(9), 5, 3}));
    t.hear(f.t.pressRackTile(RackSlot(1), Press::Left, placerules::Completion::None));
    t.hear(f.t.pressBoard(Press::Left, {6, 3}), true);
    ASSERT_FALSE(f.t.refusal().empty());
    EXPECT_EQ(t.take(), std::vector<std::string>{f.t.refusal()});
    t.hear(f.t.pressBoard(Press::Left, {6, 3}), true);
    EXPECT_EQ(t.take(), std::vector<std::string>{f.t.refusal()});
    t.hear(f.t.clockTick());
    EXPECT_TRUE(t.take().empty());
    t.hear(f.t.putBack());

    // The server refuses a finish.
    t.feed(msg::incomplete(1));
    EXPECT_EQ(t.take(), std::vector<std::string>{"Board is incomplete."});
    t.feed(msg::undothemNotice(1, {}));
    EXPECT_EQ(t.take(), std::vector<std::string>{"You took back the moves of this turn."});

    // Drawing shows in the seat's count when the turn passes.
    t.feed(msg::nextplayer({3, 69, {{1, 0, 4}, {2, 0, 14}, {3, 0, 14}}}));
    EXPECT_EQ(t.take(), (std::vector<std::string>{"You drew a tile.", "Bo's turn."}));

    // Bo lays three tiles, one of them moved from elsewhere does not count.
    t.feed(msg::placehistile({3, black(9), 6, 3}));
    t.feed(msg::placehistile({3, orange(9), 7, 3}));
    t.feed(msg::movedtiles({3, 27, 27, {{5, 3, green(9)}, {6, 3, black(9)}, {7, 3, orange(9)}}}));
    EXPECT_TRUE(t.take().empty());
    t.feed(msg::nextplayer({2, 69, {{1, 0, 4}, {2, 0, 14}, {3, 27, 12}}}));
    EXPECT_EQ(t.take(), (std::vector<std::string>{"Bo laid 2 tiles worth 27 points.", "Klot's turn."}));

    // Klot goes out; the round's result and the game's winner are told once.
    t.feed(msg::movedtiles({2, 40, 40, {{1, 1, red(10)}}}));
    t.feed(msg::endround({2, {{1, -4, -4, 4}, {2, 44, 44, 0}, {3, 27, 0, 12}}}));
    const std::vector<std::string> round = t.take();
    ASSERT_EQ(round.size(), 2u);
    EXPECT_EQ(round[0], "Klot laid 14 tiles worth 40 points.");
    EXPECT_EQ(round[1], "Round over. Klot is out of tiles. You: 4 tiles left, -4 points. Klot: 0 tiles left, "
                        "44 points. Bo: 12 tiles left, 0 points.");
    t.feed(msg::winner("Klot"));
    EXPECT_EQ(t.take(), std::vector<std::string>{f.t.winnerText()});
    t.hear({});
    EXPECT_TRUE(t.take().empty());
}
