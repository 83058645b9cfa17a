#include "bot/bestplay.h"
#include "model/gameoptions.h"
#include "model/randomsource.h"
#include "tests/tilecodes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

using namespace brixo;
using namespace brixo::test;

namespace {

using Tiles = std::vector<int>;

int valueOf(const Tiles& tiles)
{
    int v = 0;
    for (const int t : tiles) v += tilevalue(t);
    return v;
}

// The play holds every board tile and the laid ones, the laid ones come
// from the rack, and every set passes the set check.
::testing::AssertionResult wellFormed(const Play& play, const Tiles& board, const Tiles& rack)
{
    std::map<int, int> count;
    for (const auto& set : play.sets) {
        if (!validset(set)) return ::testing::AssertionFailure() << "a set the set check refuses";
        for (const int t : set) ++count[t];
    }
    for (const int t : board) --count[t];
    std::map<int, int> inRack;
    for (const int t : rack) ++inRack[t];
    for (const int t : play.laid) {
        --count[t];
        if (--inRack[t] < 0) return ::testing::AssertionFailure() << "laid a tile the rack does not hold: " << t;
    }
    for (const auto& [tile, n] : count)
        if (n != 0) return ::testing::AssertionFailure() << "tile " << tile << " off by " << n;
    if (play.value != valueOf(play.laid)) return ::testing::AssertionFailure() << "value does not add up";
    return ::testing::AssertionSuccess();
}

// ---- an independent search, the slow way ------------------------------------
//
// A multiset splits when its lowest tile lies in some valid set of the
// remaining tiles whose rest splits again. A set is valid when some order
// of it passes the set check: real tiles in ascending order (a group's
// order does not matter) with the wild tiles tried in every place.

bool anyOrderValid(const Tiles& set)
{
    Tiles reals;
    int wilds = 0;
    for (const int t : set) {
        if (t == W) ++wilds;
        else reals.push_back(t);
    }
    std::sort(reals.begin(), reals.end());
    if (wilds == 0) return validset(reals);
    for (std::size_t i = 0; i <= reals.size(); ++i) {
        Tiles one = reals;
        one.insert(one.begin() + std::ptrdiff_t(i), W);
        if (wilds == 1 && validset(one)) return true;
        if (wilds == 2) {
            for (std::size_t j = i; j <= one.size(); ++j) {
                Tiles two = one;
                two.insert(two.begin() + std::ptrdiff_t(j), W);
                if (validset(two)) return true;
            }
        }
    }
    return false;
}

class SlowSplit {
public:
    bool splits(Tiles tiles)
    {
        std::sort(tiles.begin(), tiles.end());
        if (tiles.empty()) return true;
        const auto known = m_memo.find(tiles);
        if (known != m_memo.end()) return known->second;
        const int first = tiles[0];
        Tiles rest(tiles.begin() + 1, tiles.end());
        // Only tiles of the first one's colour or number, or wild ones, can
        // share a set with it.
        Tiles fits, others;
        for (const int t : rest) {
            if (t == W || getsuit(t) == getsuit(first) || rulesnumber(t) == rulesnumber(first)) fits.push_back(t);
            else others.push_back(t);
        }
        bool ok = false;
        const std::size_t n = fits.size();
        for (std::size_t mask = 1; mask < (std::size_t(1) << n) && !ok; ++mask) {
            Tiles set{first}, left = others;
            for (std::size_t i = 0; i < n; ++i) (mask >> i & 1 ? set : left).push_back(fits[i]);
            if (set.size() >= 3 && anyOrderValid(set) && splits(left)) ok = true;
        }
        m_memo[tiles] = ok;
        return ok;
    }

private:
    std::map<Tiles, bool> m_memo;
};

struct Best {
    bool found = false;
    int value = 0;
    int tiles = 0;
    int wilds = 0;
};

Best slowBest(const Tiles& board, const Tiles& rack, bool laidDown)
{
    SlowSplit split;
    Best best;
    for (std::size_t mask = 1; mask < (std::size_t(1) << rack.size()); ++mask) {
        Tiles all = board, laid;
        for (std::size_t i = 0; i < rack.size(); ++i)
            if (mask >> i & 1) laid.push_back(rack[i]);
        all.insert(all.end(), laid.begin(), laid.end());
        const int value = valueOf(laid);
        const int tiles = int(laid.size());
        const int wilds = int(std::count(laid.begin(), laid.end(), W));
        if (!laidDown && value < kFirstLayDown) continue;
        const bool better = !best.found || value > best.value || (value == best.value && tiles > best.tiles) ||
                            (value == best.value && tiles == best.tiles && wilds < best.wilds);
        if (better && split.splits(all)) best = {true, value, tiles, wilds};
    }
    return best;
}

// A small random position: a few valid sets on the board and a handful of
// rack tiles, all drawn from two or three colours and six numbers, so that
// tiles meet often; the window lies at the low end, the high end or
// anywhere, to reach the set check's corners at 1 and at the King.
struct Position {
    Tiles board;
    Tiles rack;
    bool laidDown = true;
};

Position randomPosition(SeededRandom& random)
{
    std::map<int, int> left; // copies left of each code
    const int colours = 2 + random.below(2);
    const int window = random.below(3);
    const int low = window == 0 ? 1 : window == 1 ? 8 : 1 + random.below(8);
    const int firstColour = random.below(4);
    Tiles universe;
    for (int c = 0; c < colours; ++c)
        for (int n = low; n < low + 6; ++n) universe.push_back(((firstColour + c) % 4) * 13 + n);
    for (const int t : universe) left[t] = 2;
    left[W] = 2;

    Position p;
    auto take = [&](int t) {
        if (left[t] == 0) return false;
        --left[t];
        return true;
    };
    const int sets = random.below(4);
    for (int s = 0; s < sets; ++s) {
        Tiles set;
        const int start = universe[std::size_t(random.below(int(universe.size())))];
        const int length = 3 + random.below(2);
        if (random.below(2) == 0) { // a run
            for (int i = 0; i < length && rulesnumber(start + i - 1) != 0 && getsuit(start + i) == getsuit(start); ++i)
                set.push_back(start + i);
        } else { // a group
            for (int c = 0; c < length && c < 4; ++c) set.push_back((getsuit(start) - 1 + c) % 4 * 13 + facenumber(start));
        }
        if (set.size() >= 3 && random.below(4) == 0) set[std::size_t(random.below(int(set.size())))] = W;
        if (!validset(set)) continue;
        Tiles taken;
        bool all = true;
        for (const int t : set) {
            if (take(t)) taken.push_back(t);
            else all = false;
        }
        if (all) p.board.insert(p.board.end(), set.begin(), set.end());
        else
            for (const int t : taken) ++left[t];
    }
    const int rackSize = 2 + random.below(6);
    for (int i = 0; i < rackSize; ++i) {
        const int t = random.below(6) == 0 ? W : universe[std::size_t(random.below(int(universe.size())))];
        if (take(t)) p.rack.push_back(t);
    }
    p.laidDown = random.below(4) != 0;
    return p;
}

std::string describe(const Position& p)
{
    std::string s = "board";
    for (const int t : p.board) s += " " + std::to_string(t);
    s += " / rack";
    for (const int t : p.rack) s += " " + std::to_string(t);
    s += p.laidDown ? " / laid down" : " / first lay-down";
    return s;
}

} // namespace

TEST(BestPlay, MatchesASlowSearchOnRandomSmallPositions)
{
    SeededRandom random(20240611);
    int plays = 0;
    int rearranged = 0;
    for (int i = 0; i < 2500; ++i) {
        const Position p = randomPosition(random);
        const Best slow = slowBest(p.board, p.rack, p.laidDown);
        const Play play = bestplay(p.board, p.rack, p.laidDown);
        ASSERT_EQ(play.found, slow.found) << describe(p);
        ASSERT_FALSE(play.limited);
        if (!play.found) continue;
        ++plays;
        ASSERT_TRUE(wellFormed(play, p.board, p.rack)) << describe(p);
        EXPECT_EQ(play.value, slow.value) << describe(p);
        EXPECT_EQ(int(play.laid.size()), slow.tiles) << describe(p);
        EXPECT_EQ(int(std::count(play.laid.begin(), play.laid.end(), W)), slow.wilds) << describe(p);
        // Laying onto board sets, rather than beside them, is the part worth checking.
        SlowSplit split;
        rearranged += !p.board.empty() && !split.splits(play.laid);
    }
    // The positions must exercise the search, not just answer "draw".
    EXPECT_GT(plays, 800);
    EXPECT_GT(rearranged, 300);
}

namespace {

Tiles run(int from, int to)
{
    Tiles t;
    for (int code = from; code <= to; ++code) t.push_back(code);
    return t;
}

Tiles sortedTiles(Tiles t)
{
    std::sort(t.begin(), t.end());
    return t;
}

bool holdsSet(const Play& play, const Tiles& set)
{
    return std::any_of(play.sets.begin(), play.sets.end(),
                       [&](const Tiles& s) { return sortedTiles(s) == sortedTiles(set); });
}

} // namespace

// Plays that only a new split of the board allows.
TEST(BestPlay, RearrangesTheBoard)
{
    // A tile in the middle of a run: the run is split around it.
    Play play = bestplay(run(red(3), red(8)), {red(5)}, true);
    ASSERT_TRUE(play.found);
    EXPECT_EQ(play.laid, Tiles{red(5)});
    EXPECT_TRUE(wellFormed(play, run(red(3), red(8)), {red(5)}));

    // A tile taken from a group of four starts a run with two rack tiles.
    const Tiles four{green(7), orange(7), red(7), black(7)};
    play = bestplay(four, {red(8), red(9)}, true);
    ASSERT_TRUE(play.found);
    EXPECT_EQ(play.value, 17);
    EXPECT_TRUE(holdsSet(play, {red(7), red(8), red(9)}));

    // The real tile takes the wild tile's place, which joins a group.
    const Tiles withWild{red(3), W, red(5)};
    play = bestplay(withWild, {red(4), green(9), orange(9)}, true);
    ASSERT_TRUE(play.found);
    EXPECT_EQ(play.value, 22);
    EXPECT_TRUE(holdsSet(play, {green(9), orange(9), W}));
    EXPECT_TRUE(wellFormed(play, withWild, {red(4), green(9), orange(9)}));
}

// The set check's own rules about wild tiles decide what can be laid.
TEST(BestPlay, FollowsTheSetCheckOnWildTiles)
{
    // Nothing goes before a 1: 1..12 takes both wild tiles after the 12 or
    // by splitting.
    Play play = bestplay(run(red(1), red(12)), {W, W}, true);
    ASSERT_TRUE(play.found);
    EXPECT_EQ(play.laid.size(), 2u);
    EXPECT_TRUE(wellFormed(play, run(red(1), red(12)), {W, W}));

    // No wild tile before a 1 nor after a King: 1..King takes a wild tile
    // only by splitting.
    play = bestplay(run(black(1), black(13)), {W}, true);
    ASSERT_TRUE(play.found);
    EXPECT_EQ(play.sets.size(), 2u);

    // J, Q, King takes two wild tiles only after the King.
    play = bestplay(run(green(11), green(13)), {W, W}, true);
    ASSERT_TRUE(play.found);
    EXPECT_EQ(play.laid.size(), 2u);

    // A group of six holds both wild tiles; a King with two wild tiles stands.
    play = bestplay({green(5), orange(5), red(5), black(5)}, {W, W}, true);
    EXPECT_EQ(play.value, 60);
    EXPECT_TRUE(bestplay({}, {orange(13), W, W}, false).found);
    // Wild, wild and a run of two: only as two trailing wild tiles.
    play = bestplay({}, {W, W, red(4), red(5)}, true);
    ASSERT_TRUE(play.found);
    EXPECT_EQ(play.laid.size(), 4u);
}

TEST(BestPlay, FirstLayDownNeedsThirty)
{
    // Red 9, 10, Jack is worth exactly 30.
    Play play = bestplay({}, {red(9), red(10), red(11), black(1)}, false);
    ASSERT_TRUE(play.found);
    EXPECT_EQ(play.value, 30);
    EXPECT_EQ(sortedTiles(play.laid), (Tiles{red(9), red(10), red(11)}));

    // 2, 3, 4 and a group of 5s make 29: nothing before the first lay-down,
    // all of it after.
    const Tiles rack{green(2), green(3), green(4), green(5), orange(5), red(5), black(5), black(1)};
    EXPECT_FALSE(bestplay({}, rack, false).found);
    play = bestplay({}, rack, true);
    ASSERT_TRUE(play.found);
    EXPECT_EQ(play.value, 29);

    // The board counts nothing: what is laid from the rack must reach 30.
    EXPECT_FALSE(bestplay(run(red(10), red(13)), {red(9), green(2)}, false).found);
}

TEST(BestPlay, GoesOutWhenTheRackCanBeEmptied)
{
    const Tiles board = run(red(4), red(7));
    const Tiles rack{red(3), red(8), W, green(7), orange(7), black(7)};
    const Play play = bestplay(board, rack, false);
    ASSERT_TRUE(play.found);
    EXPECT_EQ(sortedTiles(play.laid), sortedTiles(rack));
    EXPECT_TRUE(wellFormed(play, board, rack));

    // A lone tile that fits nowhere stays; everything else goes.
    const Play most = bestplay(board, {red(3), red(8), green(1)}, true);
    EXPECT_EQ(sortedTiles(most.laid), (Tiles{red(3), red(8)}));
}

TEST(BestPlay, RefusesABoardThatCannotStand)
{
    EXPECT_FALSE(bestplay({red(3), red(4)}, {green(9)}, true).found);
    EXPECT_FALSE(bestplay({red(3), red(3), red(3), red(4), red(5)}, {red(6)}, true).found);
    EXPECT_FALSE(bestplay({W, W, W}, {red(6)}, true).found);
    // Codes that are no tile are passed over.
    EXPECT_TRUE(bestplay({0, 99, -4}, {red(1), red(2), red(3)}, true).found);
}

// A crowded board from a self-play game: both passes run out of room and
// find nothing, so the seat would draw, though the four rack tiles go out.
// The wider third pass finds it.
TEST(BestPlay, AWiderThirdPassFindsWhatTheLimitHid)
{
    const Tiles board{15, 36, 9,  16, 53, 10, 20, 17, 38, 11, 21, 22, 13, 23, 39, 45, 24, 52, 46, 26, 29, 33, 47,
                      8,  10, 3,  14, 34, 48, 21, 11, 42, 27, 35, 49, 34, 12, 7,  40, 36, 47, 35, 33, 53, 4,  48,
                      20, 38, 30, 19, 9,  4,  43, 45, 5,  5,  22, 32, 18, 6,  23, 31, 7,  24, 1,  8,  14, 27, 40};
    const Tiles rack{orange(4), red(2), green(2), green(1)};
    PlayLimits twoPasses;
    twoPasses.widerStatesPerStep = 0;
    const Play cut = bestplay(board, rack, true, twoPasses);
    EXPECT_TRUE(cut.limited);
    EXPECT_FALSE(cut.found);

    const Play play = bestplay(board, rack, true);
    EXPECT_TRUE(play.limited);
    EXPECT_TRUE(play.widened);
    ASSERT_TRUE(play.found);
    EXPECT_EQ(sortedTiles(play.laid), sortedTiles(rack));
    EXPECT_TRUE(wellFormed(play, board, rack));
}
