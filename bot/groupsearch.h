// The computer player's search for groups (one number in different
// colours): three of its own, one of its own added to a group of three on
// the board, or two of its own with a tile borrowed from a board group of
// four or more. Greedy: it takes the first possibility it meets.
//
// Numbers are compared as code mod 13 (a King is 0, the wild tile 1).
// A "board stretch" for a number is the first tile of a row, from column
// 0, holding that number, with the tiles right after it that hold it too;
// only that first stretch of each row is looked at.
#pragma once

#include "bot/botmoves.h"
#include "bot/botturn.h"
#include "bot/bottable.h"

#include <optional>

namespace brixo {

// One pass over the rack, slots 1 to 60. True if any group move was made.
bool computermatches(BotTable& table, BotTurn& turn);

// Three (of four) colours of the slot's number from the rack, on a new place.
bool computermatch1(BotTable& table, BotTurn& turn, RackSlot slot);
// The slot's tile added to a board group of three that lacks its colour.
bool computermatch2(BotTable& table, BotTurn& turn, RackSlot slot);
// The slot's tile, a rack partner of its number, and a borrowed board tile.
bool computermatch3(BotTable& table, BotTurn& turn, RackSlot slot);
// Holds the place of a fourth strategy; never makes a move.
bool computermatch4(BotTable& table, BotTurn& turn, RackSlot slot);

// The first board stretch of `value` (rows 0 to 12) of at least three tiles
// none of which has the turn's colour: its first cell, or (0, 0) for none
// (column 0 and row 0 never take part in play).
BoardCell computertwoonboard(const BotTable& table, const BotTurn& turn, int value);

// Where a borrowed board tile went, and the cell of its old group that the
// move left free (where it can go back to keep that group whole).
struct BorrowedTile {
    BoardCell at;
    BoardCell gap;
};

// Takes a tile of `value` from a board group of four or more: the first of
// the first long enough stretch whose colour is neither the turn's colour
// nor `partnerColour`. Moves it to a free stretch and closes its old group
// up. Nothing when that tile is its stretch's leftmost or no place is free.
std::optional<BorrowedTile> computeroneonboard(BotTable& table, const BotTurn& turn, int value, int partnerColour);

} // namespace brixo
