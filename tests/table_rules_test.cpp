// The table's plain rules: the cell of a press, the order check, putting a
// tile into a set, the choice of completing tiles, the rack places, their
// sort and arrangement, the turn clock and the words shown for seats and
// turns.
#include "table/placerules.h"
#include "table/rackarrange.h"
#include "table/racklayout.h"
#include "table/racksort.h"
#include "table/setinsertion.h"
#include "table/seatwords.h"
#include "table/turnclock.h"
#include "table/windowplace.h"
#include "tests/tilecodes.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <vector>

using namespace brixo;
using namespace brixo::test;
using placerules::Completion;

namespace {

// A rack of places 1..n holding slots 1..n with the given tiles.
struct TestRack {
    RackPositions places;
    std::map<int, int> tiles; // slot -> tile; 0 or missing: nothing to take

    explicit TestRack(const std::vector<int>& codes)
    {
        for (std::size_t i = 0; i < codes.size(); ++i) {
            const int slot = static_cast<int>(i) + 1;
            places.place(RackSlot(slot));
            tiles[slot] = codes[i];
        }
    }
    Tile tileOf(RackSlot slot) const
    {
        const auto it = tiles.find(slot.number());
        return Tile(it == tiles.end() ? 0 : it->second);
    }
    // The slots' numbers, when two complete the tile.
    std::optional<std::array<int, 2>> complete(int placed, Completion how) const
    {
        const auto slots =
            placerules::completionChoices(places, [this](RackSlot s) { return tileOf(s); }, Tile(placed), how);
        if (!slots) return std::nullopt;
        return std::array<int, 2>{(*slots)[0].number(), (*slots)[1].number()};
    }
    std::vector<int> order() const
    {
        std::vector<int> codes;
        for (int p = 1; p <= RackPositions::kPositions && !places.isFree(p); ++p)
            codes.push_back(tileOf(places.slotAt(p)).code());
        return codes;
    }
    bool sort(bool byNumber)
    {
        return racksort::sortthem(places, byNumber, [this](RackSlot s) { return tileOf(s); });
    }
};

} // namespace

TEST(PressCell, AHitAreaLiesFivePixelsLeftOfAndAboveItsPicture)
{
    // Cell 1 is drawn over pixels 0..19 but is hit over 0..14; pixel 15
    // already belongs to cell 2. Rows: 0..24 row 1, 25 row 2.
    EXPECT_EQ(placerules::cellOfPress(0, 0), (BoardCell{1, 1}));
    EXPECT_EQ(placerules::cellOfPress(14, 24), (BoardCell{1, 1}));
    EXPECT_EQ(placerules::cellOfPress(15, 24), (BoardCell{2, 1}));
    EXPECT_EQ(placerules::cellOfPress(14, 25), (BoardCell{1, 2}));
    EXPECT_EQ(placerules::cellOfPress(34, 54), (BoardCell{2, 2}));

    // The last 6 pixels of the 441 x 361 board are column 23 and row 13.
    EXPECT_EQ(placerules::cellOfPress(434, 354), (BoardCell{22, 12}));
    EXPECT_EQ(placerules::cellOfPress(435, 10), (BoardCell{23, 1}));
    EXPECT_EQ(placerules::cellOfPress(10, 355), (BoardCell{1, 13}));
}

TEST(OrderCheck, ATileGoesOnlyWhereItsNeighboursAllowItsNumber)
{
    BoardGrid grid;
    grid.set(3, 1, red(3));
    grid.set(5, 1, red(7));
    EXPECT_TRUE(placerules::fitsOrder(grid, {4, 1}, Tile(green(5)))); // between a 3 and a 7

    grid.set(3, 2, red(6));
    EXPECT_FALSE(placerules::fitsOrder(grid, {4, 2}, Tile(green(5)))); // right of a 6
    EXPECT_TRUE(placerules::fitsOrder(grid, {4, 2}, Tile(green(6))));  // equal numbers: a group
    grid.set(8, 2, red(4));
    EXPECT_FALSE(placerules::fitsOrder(grid, {7, 2}, Tile(green(5)))); // left of a 4
    EXPECT_TRUE(placerules::fitsOrder(grid, {7, 2}, Tile(green(4))));

    // A King counts 13: only a King or a wild tile may lie right of it.
    grid.set(10, 3, black(13));
    EXPECT_FALSE(placerules::fitsOrder(grid, {11, 3}, Tile(black(12))));
    EXPECT_TRUE(placerules::fitsOrder(grid, {11, 3}, Tile(red(13))));
    EXPECT_TRUE(placerules::fitsOrder(grid, {9, 3}, Tile(black(12))));
    EXPECT_TRUE(placerules::fitsOrder(grid, {9, 3}, Tile(green(1))));

    // Wild tiles: anything beside one, and one anywhere.
    grid.set(14, 4, W);
    grid.set(16, 4, W);
    EXPECT_TRUE(placerules::fitsOrder(grid, {15, 4}, Tile(green(13))));
    EXPECT_TRUE(placerules::fitsOrder(grid, {15, 4}, Tile(green(1))));
    EXPECT_TRUE(placerules::fitsOrder(grid, {4, 2}, Tile(W))); // right of the 6, left of nothing lower
    grid.set(5, 2, red(1));
    EXPECT_TRUE(placerules::fitsOrder(grid, {4, 2}, Tile(W)));

    // Column 22 has no right neighbour to ask (column 23 is always empty).
    grid.set(21, 5, green(2));
    EXPECT_TRUE(placerules::fitsOrder(grid, {22, 5}, Tile(green(3))));
    EXPECT_FALSE(placerules::fitsOrder(grid, {22, 5}, Tile(green(1))));

    // Why not, in words: the taken cell first, then the neighbour in the way.
    using placerules::whyNotHere;
    EXPECT_EQ(whyNotHere(grid, {3, 2}, Tile(green(7))), "That cell is taken.");
    EXPECT_EQ(whyNotHere(grid, {11, 3}, Tile(black(12))), "A Queen cannot go after a King.");
    EXPECT_EQ(whyNotHere(grid, {7, 2}, Tile(green(8))), "An 8 cannot go before a 4.");
    EXPECT_EQ(whyNotHere(grid, {22, 5}, Tile(green(1))), "A 1 cannot go after a 2.");
    EXPECT_EQ(whyNotHere(grid, {9, 3}, Tile(black(12))), "");
}

// ---- putting a tile into a set ---------------------------------------------------

namespace {

using setinsertion::Side;

// A board with tiles along row 2, by column.
BoardGrid rowOf(const std::map<int, int>& tiles)
{
    BoardGrid grid;
    for (const auto& [col, code] : tiles) grid.set(col, 2, code);
    return grid;
}

// Carries out an insertion as the server would: every move must find its
// tile on its cell and a free cell to go to, and the tile put in must find
// its cell free. `server`: the board as the server holds it (a lifted tile
// still on its cell). Answers row 2 afterwards, or nothing when a step
// would have been refused.
std::optional<std::map<int, int>> carryOut(BoardGrid server, const setinsertion::Insertion& plan, Tile tile,
                                           bool fromRack)
{
    for (const PendingMove& m : plan.moves) {
        if (server.at(m.from) != m.tile || !server.isEmpty(m.to)) return std::nullopt;
        server.set(m.to, m.tile);
        server.set(m.from, Tile());
    }
    if (fromRack) {
        if (!server.isEmpty(plan.cell)) return std::nullopt;
        server.set(plan.cell, tile);
    } else if (server.at(plan.cell) != tile) {
        return std::nullopt;
    }
    std::map<int, int> row;
    for (int col = 0; col < BoardGrid::kColumns; ++col)
        if (const int code = server.at(col, 2)) row[col] = code;
    return row;
}

using CellRow = std::map<int, int>;

} // namespace

TEST(SetInsertion, ATileGoesInWhereDroppedAndTheSideWithFewerTilesMovesAlong)
{
    using setinsertion::insertIntoSet;
    // Red 3, 5, 6: the Red 4 dropped before the 5 goes between the 3 and the
    // 5; the 3 alone moves left.
    const BoardGrid run = rowOf({{3, red(3)}, {4, red(5)}, {5, red(6)}});
    auto plan = insertIntoSet(run, {4, 2}, Side::Before, Tile(red(4)));
    ASSERT_TRUE(plan.ok()) << plan.refusal;
    EXPECT_EQ(plan.moves.size(), 1u);
    EXPECT_EQ(carryOut(run, plan, Tile(red(4)), true), (CellRow{{2, red(3)}, {3, red(4)}, {4, red(5)}, {5, red(6)}}));
    // The same after the 3: the same place.
    EXPECT_EQ(carryOut(run, insertIntoSet(run, {3, 2}, Side::After, Tile(red(4))), Tile(red(4)), true),
              (CellRow{{2, red(3)}, {3, red(4)}, {4, red(5)}, {5, red(6)}}));

    // With another set two cells to the left, moving left would join them:
    // the 5 and 6 move right instead.
    BoardGrid blocked = run;
    blocked.set(1, 2, black(9));
    plan = insertIntoSet(blocked, {4, 2}, Side::Before, Tile(red(4)));
    EXPECT_EQ(plan.moves.size(), 2u);
    EXPECT_EQ(carryOut(blocked, plan, Tile(red(4)), true),
              (CellRow{{1, black(9)}, {3, red(3)}, {4, red(4)}, {5, red(5)}, {6, red(6)}}));

    // A group against the board's right edge opens towards the left; a
    // Wild tile fits anywhere.
    const BoardGrid group = rowOf({{21, green(7)}, {22, black(7)}});
    EXPECT_EQ(carryOut(group, insertIntoSet(group, {22, 2}, Side::Before, Tile(orange(7))), Tile(orange(7)), true),
              (CellRow{{20, green(7)}, {21, orange(7)}, {22, black(7)}}));
    EXPECT_TRUE(insertIntoSet(group, {21, 2}, Side::After, Tile(W)).ok());

    // At a set's end with the next cell free it is a plain put-down there.
    plan = insertIntoSet(run, {5, 2}, Side::After, Tile(red(7)));
    EXPECT_TRUE(plan.moves.empty());
    EXPECT_EQ(plan.cell, (BoardCell{6, 2}));
}

TEST(SetInsertion, NoRoomOrANumberOutOfOrderIsRefusedWithTheReason)
{
    using setinsertion::insertIntoSet;
    // Red 1 2 4 from the first column, another set two cells after it.
    const BoardGrid tight = rowOf({{1, red(1)}, {2, red(2)}, {3, red(4)}, {5, black(9)}, {6, black(10)}});
    auto plan = insertIntoSet(tight, {3, 2}, Side::Before, Tile(red(3)));
    EXPECT_EQ(plan.refusal, "There is no room beside that set to make space in it.");
    EXPECT_TRUE(plan.moves.empty());
    // A run across the whole row has no room either.
    BoardGrid full;
    for (int col = 1; col <= 22; ++col) full.set(col, 2, col <= 13 ? red(col) : black(col - 9));
    EXPECT_FALSE(insertIntoSet(full, {8, 2}, Side::After, Tile(W)).ok());

    const BoardGrid run = rowOf({{3, red(3)}, {4, red(4)}, {5, red(5)}});
    plan = insertIntoSet(run, {4, 2}, Side::After, Tile(red(9)));
    EXPECT_EQ(plan.refusal, "A 9 cannot go before a 5.");
    EXPECT_TRUE(plan.moves.empty());
    EXPECT_FALSE(insertIntoSet(run, {7, 2}, Side::After, Tile(red(6))).ok()); // no set there
}

TEST(SetInsertion, ABoardTileMovesWithinItsOwnSetByWayOfASpareCell)
{
    using setinsertion::insertIntoSet;
    // Green, Orange, Black 7 from the first column; the Black 7 is lifted
    // and dropped before the Green: its own cell is needed, so it waits on
    // the cell after the set.
    const BoardGrid server = rowOf({{1, green(7)}, {2, orange(7)}, {3, black(7)}});
    BoardGrid shown = server;
    shown.set(3, 2, 0);
    const auto plan = insertIntoSet(shown, {1, 2}, Side::Before, Tile(black(7)), BoardCell{3, 2});
    ASSERT_TRUE(plan.ok()) << plan.refusal;
    EXPECT_EQ(plan.moves.front(), PendingMove::move(Tile(black(7)), {3, 2}, {4, 2}));
    EXPECT_EQ(carryOut(server, plan, Tile(black(7)), false), (CellRow{{1, black(7)}, {2, green(7)}, {3, orange(7)}}));

    // Dropped after the tile beside its own cell, it is only put back.
    const auto back = insertIntoSet(shown, {2, 2}, Side::After, Tile(black(7)), BoardCell{3, 2});
    EXPECT_TRUE(back.ok() && back.moves.empty());
    EXPECT_EQ(back.cell, (BoardCell{3, 2}));
}

TEST(Completion, ARunTakesTheNextTwoOfItsColourFromTheLeft)
{
    // Green 5 placed; the rack holds Green 7, Green 6, another Green 6.
    TestRack rack({green(7), red(6), green(6), green(6)});
    const auto both = rack.complete(green(5), Completion::Run);
    ASSERT_TRUE(both);
    EXPECT_EQ(*both, (std::array<int, 2>{3, 1})); // the first Green 6, then the Green 7

    // One partner only: nothing more is placed.
    TestRack one({green(6), red(7), black(7)});
    EXPECT_FALSE(one.complete(green(5), Completion::Run));
    TestRack none({red(6)});
    EXPECT_FALSE(none.complete(green(5), Completion::Run));

    // A Jack still completes (Queen, King); a Queen or a King would need a
    // tile of another colour or the wild tile, which make no run.
    TestRack high({orange(12), orange(13), red(1), W});
    EXPECT_TRUE(high.complete(orange(11), Completion::Run));
    EXPECT_FALSE(high.complete(orange(12), Completion::Run));
    TestRack across({green(13), orange(1), black(13), W});
    EXPECT_FALSE(across.complete(green(12), Completion::Run));
    EXPECT_FALSE(across.complete(black(12), Completion::Run));
    EXPECT_FALSE(across.complete(black(13), Completion::Run));
}

TEST(Completion, AGroupTakesTwoOtherColoursOfItsNumber)
{
    // Red 8 with two Black 8s: the second Black 8 has the first one's code.
    TestRack twins({black(8), green(3), black(8)});
    EXPECT_FALSE(twins.complete(red(8), Completion::Group));

    // Another Red 8 is no partner; a Black 8 and a Green 8 are.
    TestRack mixed({red(8), black(8), black(8), green(8), orange(8)});
    const auto both = mixed.complete(red(8), Completion::Group);
    ASSERT_TRUE(both);
    EXPECT_EQ(*both, (std::array<int, 2>{2, 4}));

    // The wild tile counts as a 1 (53 mod 13), so it joins a group of 1s,
    // and a placed wild tile gathers 1s.
    TestRack ones({W, orange(1), red(1)});
    const auto withWild = ones.complete(green(1), Completion::Group);
    ASSERT_TRUE(withWild);
    EXPECT_EQ(*withWild, (std::array<int, 2>{1, 2}));
    EXPECT_TRUE(ones.complete(W, Completion::Group));
    EXPECT_FALSE(ones.complete(green(2), Completion::Group));

    // Kings gather Kings (13 mod 13 is 0 for every colour).
    TestRack kings({orange(13), green(13)});
    EXPECT_TRUE(kings.complete(black(13), Completion::Group));
}

TEST(Completion, TilesAlreadyPlacedAndNoModeChooseNothing)
{
    TestRack rack({green(6), green(7), green(7)});
    rack.tiles[1] = 0; // the Green 6 was placed a moment ago
    EXPECT_FALSE(rack.complete(green(5), Completion::Run));
    EXPECT_FALSE(rack.complete(green(5), Completion::None));
}

TEST(RackSort, ByNumberIsStableWithKingsAfterQueensAndWildTilesLast)
{
    EXPECT_EQ(racksort::sortKey(Tile(black(13)), true), 13);
    EXPECT_EQ(racksort::sortKey(Tile(W), true), 14);
    EXPECT_EQ(racksort::sortKey(Tile(red(12)), true), 12);
    EXPECT_EQ(racksort::sortKey(Tile(red(12)), false), red(12));

    TestRack rack({red(5), green(5), black(13), W, green(1)});
    ASSERT_TRUE(rack.sort(true));
    EXPECT_EQ(rack.order(), (std::vector<int>{green(1), red(5), green(5), black(13), W}));

    // Colours first, then numbers: each number's tiles in colour order.
    TestRack mixed({W, black(2), red(12), orange(2), green(13), red(2), green(2), black(12), W});
    ASSERT_TRUE(mixed.sort(false));
    EXPECT_EQ(mixed.order(), (std::vector<int>{green(2), green(13), orange(2), red(2), red(12), black(2), black(12),
                                               W, W}));
    ASSERT_TRUE(mixed.sort(true));
    EXPECT_EQ(mixed.order(), (std::vector<int>{green(2), orange(2), red(2), black(2), red(12), black(12), green(13),
                                               W, W}));
}

TEST(RackSort, AFullRackSortsAndAMissingTileStopsTheSortWhereItStands)
{
    std::vector<int> codes;
    for (int i = 0; i < 60; ++i) codes.push_back(53 - i % 53);
    TestRack full(codes);
    ASSERT_TRUE(full.sort(false));
    const auto sorted = full.order();
    ASSERT_EQ(sorted.size(), 60u);
    EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end()));

    TestRack broken({red(9), red(8), red(7)});
    broken.tiles[2] = 0;
    EXPECT_FALSE(broken.sort(false));
    EXPECT_EQ(broken.places.count(), 3); // nothing lost
}

// ---- arranging the rack ------------------------------------------------------------

namespace {

// The tiles in arranged order, for a rack holding `codes` in slots 1, 2, ...
std::vector<int> arranged(const std::vector<int>& codes, bool byNumber)
{
    std::vector<rackarrange::RackTile> tiles;
    for (std::size_t i = 0; i < codes.size(); ++i) tiles.push_back({RackSlot(int(i) + 1), Tile(codes[i])});
    std::vector<int> out;
    for (const RackSlot slot : rackarrange::arrange(tiles, byNumber)) out.push_back(codes.at(slot.index()));
    return out;
}

} // namespace

TEST(RackArrange, SetsComeFirstThenPairsThenTheRestAndTheWildTilesLast)
{
    // Red 4 5 6 7 with a Green and a Black 7: the run stops at the 6 so the
    // 7s make a group too (six tiles in sets, not four).
    const std::vector<int> rack{black(7), red(4), W, green(7), red(6), red(5), red(7), orange(12), green(2), green(3),
                                black(1)};
    EXPECT_EQ(arranged(rack, true), (std::vector<int>{red(4), red(5), red(6), green(7), red(7), black(7), green(2),
                                                      green(3), black(1), orange(12), W}));
    // By colour the sets stand in the order of their lowest tile's code.
    EXPECT_EQ(arranged(rack, false), (std::vector<int>{green(7), red(7), black(7), red(4), red(5), red(6), green(2),
                                                       green(3), orange(12), black(1), W}));

    // Both copies of a tile may serve: one in a run, one in a group.
    EXPECT_EQ(arranged({red(5), green(7), red(6), red(5), orange(5), red(7), green(5)}, true),
              (std::vector<int>{green(5), orange(5), red(5), red(5), red(6), red(7), green(7)}));
    // A second copy with no set is left over; a pair of one number beats
    // two of a colour with a gap.
    EXPECT_EQ(arranged({red(5), red(6), red(5), red(7), green(9)}, true),
              (std::vector<int>{red(5), red(6), red(7), red(5), green(9)}));
    EXPECT_EQ(arranged({green(5), green(7), orange(5)}, true), (std::vector<int>{green(5), orange(5), green(7)}));
}

TEST(RackArrange, TilesOfOneCodeKeepTheirOrderAndABigRackKeepsEveryTile)
{
    const std::vector<rackarrange::RackTile> twins{
        {RackSlot(4), Tile(red(9))}, {RackSlot(2), Tile(red(9))}, {RackSlot(7), Tile(red(10))}, {RackSlot(1), Tile(red(11))}};
    EXPECT_EQ(numbers(rackarrange::arrange(twins, true)), (std::vector<int>{4, 7, 1, 2}));

    std::vector<rackarrange::RackTile> big;
    for (int slot = 1; slot <= 59; ++slot) big.push_back({RackSlot(slot), Tile((slot * 7) % 53 + 1)});
    std::vector<int> slots = numbers(rackarrange::arrange(big, false));
    std::sort(slots.begin(), slots.end());
    for (int slot = 1; slot <= 59; ++slot) EXPECT_EQ(slots.at(std::size_t(slot - 1)), slot);
}

TEST(TurnClock, TheBarStartsFullForEveryTurnTimeAndEmptiesOnlyAtTheEnd)
{
    for (int seconds = 20; seconds <= 180; seconds += 20) {
        TurnClock clock;
        clock.setTimePerTurn(seconds);
        clock.restart();
        EXPECT_EQ(clock.barWidth(), TurnClock::kBarWidth) << seconds;
        int last = clock.barWidth();
        while (clock.secondsLeft() > 1) {
            clock.tick();
            EXPECT_LE(clock.barWidth(), last) << seconds;
            EXPECT_GT(clock.barWidth(), 0) << seconds << " s, " << clock.secondsLeft() << " left";
            last = clock.barWidth();
        }
        clock.tick();
        EXPECT_EQ(clock.barWidth(), 0) << seconds;
    }
    TurnClock none; // a time of 0 gives an empty bar
    none.restart();
    EXPECT_EQ(none.barWidth(), 0);

    // A time from the server past any turn is counted as the longest one,
    // and a long turn's bar is worked out without overflow.
    for (const int seconds : {std::numeric_limits<int>::max(), std::numeric_limits<int>::min(), 50'000'000}) {
        TurnClock odd;
        odd.setTimePerTurn(seconds);
        odd.restart();
        for (int tick = 0; tick < 3; ++tick) odd.tick();
        EXPECT_LE(odd.barWidth(), TurnClock::kBarWidth) << seconds;
        EXPECT_GE(odd.barWidth(), 0) << seconds;
    }
}

TEST(TurnClock, TurnsRedInTheLastTwentySecondsAndGivesUpOnASilentServer)
{
    TurnClock clock;
    clock.setTimePerTurn(60);
    clock.restart();
    std::vector<int> aloud;
    while (clock.running()) {
        if (clock.ticksAloud()) aloud.push_back(clock.secondsLeft());
        EXPECT_EQ(clock.red(), clock.secondsLeft() < 20) << clock.secondsLeft();
        clock.tick();
    }
    EXPECT_EQ(aloud, (std::vector<int>{20, 15, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_FALSE(clock.ticksAloud());
    clock.tick();
    clock.tick();
    EXPECT_FALSE(clock.serverSilent());
    clock.tick();
    EXPECT_TRUE(clock.serverSilent()); // three ticks past zero
}

TEST(RackPlaces, NewTilesTakeTheFirstFreePlaceAndLeaversCloseTheGap)
{
    RackPositions rack;
    EXPECT_EQ(rack.place(RackSlot(7)), 1);
    EXPECT_EQ(rack.place(RackSlot(3)), 2);
    EXPECT_EQ(rack.place(RackSlot(12)), 3);
    EXPECT_EQ(rack.place(RackSlot(1)), 4);

    EXPECT_TRUE(rack.closeUp(RackSlot(3)));
    EXPECT_EQ(rack.slotAt(1), RackSlot(7));
    EXPECT_EQ(rack.slotAt(2), RackSlot(12));
    EXPECT_EQ(rack.slotAt(3), RackSlot(1));
    EXPECT_TRUE(rack.isFree(4));
    EXPECT_EQ(rack.count(), 3);

    // The next tile fills the place at the end of the block.
    EXPECT_EQ(rack.place(RackSlot(40)), 4);
    EXPECT_EQ(rack.positionOf(RackSlot(40)), 4);
}

TEST(RackPlaces, UnknownSlotsAndPlacesOutsideTheRackChangeNothing)
{
    RackPositions rack;
    rack.place(RackSlot(5));
    EXPECT_FALSE(rack.closeUp(RackSlot(9)));
    EXPECT_FALSE(rack.closeUp(RackSlot()));
    EXPECT_EQ(rack.positionOf(RackSlot()), 0);
    EXPECT_TRUE(rack.isFree(0));
    EXPECT_TRUE(rack.isFree(61));
    rack.exchange(1, 61);
    EXPECT_EQ(rack.slotAt(1), RackSlot(5));
    EXPECT_EQ(rack.count(), 1);
}

TEST(RackPlaces, SixtyPlacesAtMostAndTheLastOneLeavesCleanly)
{
    RackPositions rack;
    for (const RackSlot slot : RackSlot::all()) ASSERT_EQ(rack.place(slot), slot.number());
    EXPECT_EQ(rack.place(RackSlot(61)), 0);
    EXPECT_TRUE(rack.closeUp(RackSlot(60)));
    EXPECT_TRUE(rack.isFree(60));
    EXPECT_TRUE(rack.closeUp(RackSlot(1)));
    EXPECT_EQ(rack.slotAt(1), RackSlot(2));
    EXPECT_EQ(rack.slotAt(58), RackSlot(59));
    EXPECT_TRUE(rack.isFree(59));
    rack.exchange(1, 58);
    EXPECT_EQ(rack.slotAt(1), RackSlot(59));
    EXPECT_EQ(rack.slotAt(58), RackSlot(2));
    rack.clear();
    EXPECT_EQ(rack.count(), 0);
}

TEST(RackLayout, EveryTileOfAnyRackShowsInsideTheAreaInPlaceOrder)
{
    using racklayout::Spot;
    // Up to 18 tiles: one row of whole tiles as the rack always had.
    EXPECT_EQ(racklayout::spots(18).back(), (Spot{17 * 40, 8, 40, 60, 4}));
    EXPECT_EQ(racklayout::spots(19).front().width, 30);
    EXPECT_TRUE(racklayout::spots(0).empty());
    EXPECT_EQ(racklayout::spots(61).size(), 60u);

    for (int n = 1; n <= 60; ++n) {
        const std::vector<Spot> spots = racklayout::spots(n);
        ASSERT_EQ(spots.size(), static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            const Spot& s = spots[i];
            EXPECT_TRUE(s.x >= 0 && s.x + s.width <= racklayout::kAreaWidth) << n << " tiles, place " << i + 1;
            EXPECT_TRUE(s.y - s.raise >= 0 && s.y + s.height <= racklayout::kAreaHeight) << n << ", " << i + 1;
            if (i == 0) continue;
            const Spot& before = spots[i - 1];
            if (s.y == before.y) {
                // The same row, left to right; the tile in front leaves at
                // least 12 pixels of the one behind it.
                EXPECT_GE(s.x - before.x, 12) << n << " tiles, place " << i + 1;
            } else {
                // The next row, below the whole of the last one.
                EXPECT_GE(s.y, before.y + before.height) << n << " tiles, place " << i + 1;
                EXPECT_EQ(s.x, 0);
            }
        }
    }
}

TEST(SeatWords, TurnTimesAndTheClockShowMinutesAndTwoDigitSeconds)
{
    EXPECT_EQ(seatwords::timePerTurn(65), "Time Per Turn: 1:05");
    EXPECT_EQ(seatwords::timePerTurn(120), "Time Per Turn: 2:00");
    EXPECT_EQ(seatwords::timePerTurn(20), "Time Per Turn: 0:20");
    EXPECT_EQ(seatwords::timePerTurn(69), "Time Per Turn: 1:09");
    EXPECT_EQ(seatwords::clockText(59), "Time: 0:59");
    EXPECT_EQ(seatwords::clockText(65), "Time: 1:05");
}

TEST(SeatWords, TilesLeftNeverShowsBelowZero)
{
    EXPECT_EQ(seatwords::tilesLeft(-1), "Tile's Left: 0");
    EXPECT_EQ(seatwords::tilesLeft(0), "Tile's Left: 0");
    EXPECT_EQ(seatwords::tilesLeft(78), "Tile's Left: 78");
}

TEST(SeatWords, WinnerAndRoundEnd)
{
    EXPECT_EQ(seatwords::winnerText("You"), "You have won the game!");
    EXPECT_EQ(seatwords::winnerText("Klot"), "Klot has Won the Game!");
    EXPECT_EQ(seatwords::winnerText("The Green Team"), "The Green Team has Won the Game!");
    EXPECT_EQ(seatwords::roundOver(Seat(0), Seat(1), ""), "The Round Ended in a Draw.");
    EXPECT_EQ(seatwords::roundOver(Seat(2), Seat(2), "Ann"), " You are out of tiles! The Round is Over.");
    EXPECT_EQ(seatwords::roundOver(Seat(2), Seat(1), "Klot"), "Klot is out of tiles! The Round is Over.");
}

TEST(WindowPlace, APlaceOffEveryScreenIsPulledBackOntoTheOneItMostlyCovers)
{
    const std::vector<Place> screens{{0, 0, 1920, 1050}, {1920, 0, 1280, 1000}};
    EXPECT_EQ(fitOnScreens({3, 3, 775, 580}, screens), (Place{3, 3, 775, 580}));
    EXPECT_EQ(fitOnScreens({5000, 4000, 775, 580}, screens), (Place{1145, 470, 775, 580}));
    EXPECT_EQ(fitOnScreens({-900, 100, 775, 580}, screens), (Place{0, 100, 775, 580}));
    EXPECT_EQ(fitOnScreens({2900, 10, 775, 580}, screens), (Place{2425, 10, 775, 580}));
    EXPECT_EQ(fitOnScreens({100, 100, 4000, 3000}, screens), (Place{0, 0, 1920, 1050}));
}

TEST(WindowPlace, TheFirstStartTakesFourFifthsOfTheWorkAreaInItsMiddle)
{
    EXPECT_EQ(firstPlace({0, 0, 1920, 1080}, 773, 560), (Place{192, 108, 1536, 864}));
    EXPECT_EQ(firstPlace({0, 0, 3840, 2160}, 773, 560), (Place{384, 216, 3072, 1728}));
    // Below a panel, and on a second screen: the area's own middle.
    EXPECT_EQ(firstPlace({0, 32, 1024, 736}, 773, 560), (Place{102, 105, 819, 589}));
    EXPECT_EQ(firstPlace({1920, 0, 1280, 1000}, 773, 560), (Place{2048, 100, 1024, 800}));
    // Never below the smallest table where the screen holds it, never past the screen.
    EXPECT_EQ(firstPlace({0, 0, 800, 600}, 773, 560), (Place{13, 20, 773, 560}));
    EXPECT_EQ(firstPlace({0, 0, 640, 480}, 773, 560), (Place{0, 0, 640, 480}));
}
