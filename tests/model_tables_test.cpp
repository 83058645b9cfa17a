#include "model/gameoptions.h"
#include "model/rack.h"
#include "model/slottable.h"
#include "tests/tilecodes.h"

#include <gtest/gtest.h>

using namespace brixo;
using namespace brixo::test;

TEST(Rack, CountFollowsEveryChangeAndItemsListFullSlotsOnly)
{
    Rack rack;
    EXPECT_TRUE(rack.set(3, red(5)));
    EXPECT_TRUE(rack.set(9, W));
    EXPECT_EQ(rack.tilecount(), 2);
    EXPECT_EQ(rack.items(), (std::vector<RackItem>{{3, red(5)}, {9, W}}));
    EXPECT_TRUE(rack.set(3, black(13))); // replacing keeps the count
    EXPECT_EQ(rack.tilecount(), 2);
    EXPECT_TRUE(rack.set(9, 0));
    EXPECT_EQ(rack.tilecount(), 1);
    EXPECT_EQ(rack.items(), (std::vector<RackItem>{{3, black(13)}}));
    EXPECT_EQ(rack.value(), 13);
    EXPECT_EQ(rack.firstEmptySlot(), 1);
}

TEST(Rack, OutOfRangeSlotsAndCodesAreRefused)
{
    Rack rack;
    EXPECT_FALSE(rack.set(0, red(1)));
    EXPECT_FALSE(rack.set(61, red(1)));
    EXPECT_FALSE(rack.set(5, 54));
    EXPECT_FALSE(rack.set(5, -3));
    EXPECT_EQ(rack.tilecount(), 0);
    EXPECT_EQ(rack.at(0), 0);
    EXPECT_EQ(rack.at(61), 0);
    EXPECT_TRUE(rack.items().empty());
}

TEST(Rack, FirstEmptySlotStopsAtTheLimit)
{
    Rack rack;
    for (int slot = 1; slot <= 59; ++slot) rack.set(slot, green(1));
    EXPECT_EQ(rack.firstEmptySlot(59), 0);
    EXPECT_EQ(rack.firstEmptySlot(), 60);
    rack.set(60, green(2));
    EXPECT_EQ(rack.firstEmptySlot(), 0);
    EXPECT_EQ(rack.tilecount(), 60);
}

TEST(SlotTable, PartnersAndComputerNamesAreFixed)
{
    SlotTable table;
    EXPECT_EQ(table[1].partner, Seat(3));
    EXPECT_EQ(table[2].partner, Seat(4));
    EXPECT_EQ(table[3].partner, Seat(1));
    EXPECT_EQ(table[4].partner, Seat(2));
    EXPECT_EQ(table[1].computername, "");
    EXPECT_EQ(table[2].computername, "Klot");
    EXPECT_EQ(table[3].computername, "Klock");
    EXPECT_EQ(table[4].computername, "Kling");
    EXPECT_EQ(table[5].computername, "Klick");
    EXPECT_EQ(table[6].computername, "Krazy");
    EXPECT_EQ(table.playercount, 0);
}

TEST(SlotTable, NumbersOutsideTheTableGiveNoRecord)
{
    SlotTable table;
    EXPECT_EQ(table.record(Slot(0)), nullptr);
    EXPECT_EQ(table.record(Slot(12)), nullptr);
    EXPECT_EQ(table.record(Slot(-5)), nullptr);
    EXPECT_EQ(table.record(Slot(10)), nullptr); // room, but never a connection's slot
    EXPECT_NE(table.record(Slot(9)), nullptr);
    EXPECT_EQ(table.seat(Seat(5)), nullptr);
    EXPECT_EQ(table.seat(Seat(0)), nullptr);
    EXPECT_NE(table.seat(Seat(4)), nullptr);
    EXPECT_EQ(table.seat(Seat(4)), table.record(Slot(4)));
}

TEST(SlotTable, ComputerDrivesSeatsWithoutAPersonOrWhileWatching)
{
    TPlayerRecord r;
    EXPECT_TRUE(r.computerDriven());
    r.connected = true;
    EXPECT_TRUE(r.computerDriven()); // not logged in yet: nobody sits there
    r.loggedin = true;
    EXPECT_FALSE(r.computerDriven());
    r.watching = true;
    EXPECT_TRUE(r.computerDriven());
}

TEST(GameOptions, DefaultsAndClamping)
{
    const GameOptions defaults;
    EXPECT_EQ(defaults.playto, 500);
    EXPECT_EQ(defaults.turntime, 60);
    EXPECT_EQ(defaults.tilestostart, 14);
    EXPECT_TRUE(defaults.timepenalty);
    EXPECT_FALSE(defaults.teamgame);

    GameOptions wild{-5, 5000, 1, false, true};
    const GameOptions c = wild.clamped();
    EXPECT_EQ(c.playto, 0);
    EXPECT_EQ(c.turntime, 180);
    EXPECT_EQ(c.tilestostart, 10);
    EXPECT_EQ((GameOptions{2000, 0, 99, true, false}.clamped().turntime), 20);
}

TEST(GameOptions, ATypedValueSnapsToTheNearestStepWithinTheRange)
{
    EXPECT_EQ(kPlayToRange.snap(0), 0);
    EXPECT_EQ(kPlayToRange.snap(1500), 1500);
    EXPECT_EQ(kPlayToRange.snap(1549), 1500);
    EXPECT_EQ(kPlayToRange.snap(99999), 1500);
    EXPECT_EQ(kPlayToRange.snap(-40), 0);
    EXPECT_EQ(kPlayToRange.snap(749), 700);
    EXPECT_EQ(kPlayToRange.snap(750), 800);
    EXPECT_EQ(kTurnTimeRange.snap(19), 20);
    EXPECT_EQ(kTurnTimeRange.snap(24), 20);
    EXPECT_EQ(kTurnTimeRange.snap(25), 30);
    EXPECT_EQ(kTurnTimeRange.snap(181), 180);
    EXPECT_EQ(kTilesToStartRange.snap(9), 10);
    EXPECT_EQ(kTilesToStartRange.snap(33), 33);
    EXPECT_EQ(kTilesToStartRange.snap(49), 48);
    // A step that does not divide the range never passes its top.
    EXPECT_EQ((OptionRange{0, 25, 10, 0}.snap(24)), 25);
    EXPECT_EQ((OptionRange{0, 25, 10, 0}.snap(14)), 10);
}

TEST(GameOptions, DealCapKeepsTenTilesInThePool)
{
    EXPECT_EQ(cappedTilesToStart(48, 2), 48);
    EXPECT_EQ(cappedTilesToStart(48, 3), 32);
    EXPECT_EQ(cappedTilesToStart(48, 4), 24);
    EXPECT_EQ(cappedTilesToStart(14, 4), 14);
    EXPECT_EQ(cappedTilesToStart(25, 4), 24);
}
