// The table's plain rules: rack places and the words shown for seats,
// options and turns.
#include "table/rackpositions.h"
#include "table/seattext.h"

#include <gtest/gtest.h>

TEST(RackPlaces, NewTilesTakeTheFirstFreePlaceAndLeaversCloseTheGap)
{
    RackPositions rack;
    EXPECT_EQ(rack.place(7), 1);
    EXPECT_EQ(rack.place(3), 2);
    EXPECT_EQ(rack.place(12), 3);
    EXPECT_EQ(rack.place(1), 4);

    EXPECT_TRUE(rack.movecards(3));
    EXPECT_EQ(rack.slotAt(1), 7);
    EXPECT_EQ(rack.slotAt(2), 12);
    EXPECT_EQ(rack.slotAt(3), 1);
    EXPECT_TRUE(rack.isFree(4));
    EXPECT_EQ(rack.count(), 3);

    // The next tile fills the place at the end of the block.
    EXPECT_EQ(rack.place(40), 4);
    EXPECT_EQ(rack.positionOf(40), 4);
}

TEST(RackPlaces, UnknownSlotsAndPlacesOutsideTheRackChangeNothing)
{
    RackPositions rack;
    rack.place(5);
    EXPECT_FALSE(rack.movecards(9));
    EXPECT_FALSE(rack.movecards(RackPositions::kFree));
    EXPECT_EQ(rack.positionOf(RackPositions::kFree), 0);
    EXPECT_EQ(rack.slotAt(0), RackPositions::kFree);
    EXPECT_EQ(rack.slotAt(61), RackPositions::kFree);
    rack.exchange(1, 61);
    EXPECT_EQ(rack.slotAt(1), 5);
    EXPECT_EQ(rack.count(), 1);
}

TEST(RackPlaces, SixtyPlacesAtMostAndTheLastOneLeavesCleanly)
{
    RackPositions rack;
    for (int slot = 1; slot <= 60; ++slot) ASSERT_EQ(rack.place(slot), slot);
    EXPECT_EQ(rack.place(61), 0);
    EXPECT_TRUE(rack.movecards(60));
    EXPECT_TRUE(rack.isFree(60));
    EXPECT_TRUE(rack.movecards(1));
    EXPECT_EQ(rack.slotAt(1), 2);
    EXPECT_EQ(rack.slotAt(58), 59);
    EXPECT_TRUE(rack.isFree(59));
    rack.exchange(1, 58);
    EXPECT_EQ(rack.slotAt(1), 59);
    EXPECT_EQ(rack.slotAt(58), 2);
    rack.clearallcards();
    EXPECT_EQ(rack.count(), 0);
}

TEST(SeatWords, TurnTimesAndTheClockShowMinutesAndTwoDigitSeconds)
{
    EXPECT_EQ(seattext::timePerTurn(65), "Time Per Turn: 1:05");
    EXPECT_EQ(seattext::timePerTurn(120), "Time Per Turn: 2:00");
    EXPECT_EQ(seattext::timePerTurn(20), "Time Per Turn: 0:20");
    EXPECT_EQ(seattext::timePerTurn(69), "Time Per Turn: 1:09");
    EXPECT_EQ(seattext::clockText(59), "Time: 0:59");
    EXPECT_EQ(seattext::clockText(65), "Time: 1:05");
}

TEST(SeatWords, TilesLeftNeverShowsBelowZero)
{
    EXPECT_EQ(seattext::tilesLeft(-1), "Tile's Left: 0");
    EXPECT_EQ(seattext::tilesLeft(0), "Tile's Left: 0");
    EXPECT_EQ(seattext::tilesLeft(78), "Tile's Left: 78");
}

TEST(SeatWords, ComputerNamesAndWhatAnEmptiedSeatShows)
{
    EXPECT_EQ(seattext::computerName(1), "");
    EXPECT_EQ(seattext::computerName(2), "Klot");
    EXPECT_EQ(seattext::computerName(3), "Klock");
    EXPECT_EQ(seattext::computerName(4), "Kling");
    EXPECT_EQ(seattext::afterDisconnect(2, false), "Klot");
    EXPECT_EQ(seattext::afterDisconnect(3, false), "<Waiting>");
    EXPECT_EQ(seattext::afterDisconnect(3, true), "Klock");
    EXPECT_EQ(seattext::afterDisconnect(4, true), "Kling");
    EXPECT_EQ(seattext::afterDisconnect(1, true), "<Waiting>");
}

TEST(SeatWords, WinnerAndRoundEnd)
{
    EXPECT_EQ(seattext::winnerText("You"), "You have won the game!");
    EXPECT_EQ(seattext::winnerText("Klot"), "Klot has Won the Game!");
    EXPECT_EQ(seattext::winnerText("The Green Team"), "The Green Team has Won the Game!");
    EXPECT_EQ(seattext::roundOver(0, 1, ""), "The Round Ended in a Draw.");
    EXPECT_EQ(seattext::roundOver(2, 2, "Ann"), " You are out of tiles! The Round is Over.");
    EXPECT_EQ(seattext::roundOver(2, 1, "Klot"), "Klot is out of tiles! The Round is Over.");
}
