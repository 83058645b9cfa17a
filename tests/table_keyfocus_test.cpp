// The keyboard's focus on the table: the arrows over the rack and the
// board, the way between them, the edges, and a rack that changes under it.
#include "table/keyfocus.h"

#include <gtest/gtest.h>

using brixo::BoardCell;
using brixo::KeyFocus;
using brixo::RackSlot;
using Arrow = KeyFocus::Arrow;

namespace {

// Tiles in shown order: rack slot, and the board column above each.
std::vector<KeyFocus::RackTile> rackOf(std::initializer_list<std::pair<int, int>> tiles)
{
    std::vector<KeyFocus::RackTile> rack;
    for (const auto& [slot, column] : tiles) rack.push_back({RackSlot(slot), column});
    return rack;
}

} // namespace

TEST(KeyFocus, ArrowsWalkTheRackAndTheBoardAndStopAtTheirEdges)
{
    KeyFocus focus;
    focus.setRack(rackOf({{7, 1}, {3, 3}, {12, 5}}));
    EXPECT_FALSE(focus.move(Arrow::Left)) << "no arrow is the table's while the focus is elsewhere";
    focus.enterRack();
    EXPECT_EQ(focus.rackTile(), RackSlot(7));
    EXPECT_FALSE(focus.cell());
    focus.move(Arrow::Left);
    EXPECT_EQ(focus.rackTile(), RackSlot(7)) << "clamped at the left end";
    focus.move(Arrow::Right);
    focus.move(Arrow::Right);
    focus.move(Arrow::Right);
    EXPECT_EQ(focus.rackTile(), RackSlot(12)) << "in the order shown, clamped at the right end";
    EXPECT_FALSE(focus.move(Arrow::Down));

    // Up: the bottom row, over the tile; the board clamps on every side.
    focus.move(Arrow::Up);
    EXPECT_EQ(focus.cell(), (BoardCell{5, KeyFocus::kLastRow}));
    EXPECT_FALSE(focus.rackTile().valid());
    for (int i = 0; i < 30; ++i) focus.move(Arrow::Up), focus.move(Arrow::Right);
    EXPECT_EQ(focus.cell(), (BoardCell{KeyFocus::kLastColumn, KeyFocus::kFirstRow}));
    for (int i = 0; i < 30; ++i) focus.move(Arrow::Left);
    EXPECT_EQ(focus.cell(), (BoardCell{KeyFocus::kFirstColumn, KeyFocus::kFirstRow}));

    // Down from the bottom row: the tile nearest under the column.
    for (int i = 0; i < 11; ++i) focus.move(Arrow::Down), focus.move(Arrow::Right);
    EXPECT_EQ(focus.cell(), (BoardCell{12, KeyFocus::kLastRow}));
    focus.move(Arrow::Right);
    focus.move(Arrow::Down);
    EXPECT_EQ(focus.area(), KeyFocus::Area::Rack);
    EXPECT_EQ(focus.rackTile(), RackSlot(12));
    focus.move(Arrow::Left);
    focus.move(Arrow::Up);
    focus.move(Arrow::Down);
    EXPECT_EQ(focus.rackTile(), RackSlot(3)) << "up and down again come back to the same tile";

    // The board keeps its cell while the focus is away.
    focus.move(Arrow::Up);
    focus.move(Arrow::Up);
    focus.leave();
    EXPECT_FALSE(focus.cell());
    focus.enterBoard();
    EXPECT_EQ(focus.cell(), (BoardCell{3, KeyFocus::kLastRow - 1}));
}

TEST(KeyFocus, FollowsItsTileAsTheRackChangesElseTheNearest)
{
    KeyFocus focus;
    focus.setRack(rackOf({{7, 1}, {3, 3}, {12, 5}, {9, 7}}));
    focus.enterRack();
    focus.move(Arrow::Right);
    EXPECT_EQ(focus.rackTile(), RackSlot(3));

    // Sorted: the same tile, at its new place.
    focus.setRack(rackOf({{9, 1}, {12, 3}, {3, 5}, {7, 7}}));
    EXPECT_EQ(focus.rackTile(), RackSlot(3));
    focus.move(Arrow::Right);
    EXPECT_EQ(focus.rackTile(), RackSlot(7));
    // Laid: the tile that slid into its place. The last one laid: the new last.
    focus.move(Arrow::Left);
    focus.setRack(rackOf({{9, 1}, {12, 3}, {7, 5}}));
    EXPECT_EQ(focus.rackTile(), RackSlot(7));
    focus.setRack(rackOf({{9, 1}, {12, 3}}));
    EXPECT_EQ(focus.rackTile(), RackSlot(12));
    // Empty, then dealt again.
    focus.setRack({});
    EXPECT_FALSE(focus.rackTile().valid());
    EXPECT_TRUE(focus.move(Arrow::Right));
    focus.setRack(rackOf({{4, 1}, {5, 3}}));
    EXPECT_EQ(focus.rackTile(), RackSlot(4));
}
