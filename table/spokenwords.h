// The words a screen reader speaks for the table: a tile, a board cell, a
// seat, the clock, the pool, and the announcements of what happens in the
// game. Plain text in the player's language, read from the table's mirror;
// the window hands them to the platform's accessibility interface.
#pragma once

#include "model/places.h"

#include <string>
#include <vector>

namespace brixo {
class TableMirror;
struct RoundLine;
}

namespace brixo::spokenwords {

// "Red 7"; "wild tile"; empty for no tile.
std::string tile(Tile tile);
// "board, column 4, row 2, Green 5", or "... row 2, empty". Columns and
// rows are counted as the board shows them, from 1 at its top left.
std::string cell(BoardCell cell, Tile tile);
// "Klot, 14 tiles, 87 points, playing", with the seat's state: playing,
// its turn, waiting for the next round, watching while the computer plays,
// a computer player (in the place of a person who left, when `leftBy`
// names one), or an empty seat waiting for a player.
std::string seat(const TableMirror& mirror, Seat seat, const std::string& leftBy = {});
// "0:45 left of Klot's turn"; stopped, or no turn running.
std::string clock(const TableMirror& mirror);
// "14 tiles left to draw".
std::string pool(int tiles);

// ---- announcements ----
// "Your turn." or "Klot's turn."
std::string turnStart(const TableMirror& mirror);
// "Klot laid 3 tiles worth 24 points." (tiles unknown: 0, then only the points).
std::string laid(const TableMirror& mirror, Seat seat, int tiles, int points);
// "Klot drew a tile.", "You drew 3 tiles."
std::string drew(const TableMirror& mirror, Seat seat, int tiles);
// "Klot took back the moves of this turn."
std::string tookBack(const TableMirror& mirror, Seat seat);
// The question the table asks when a finish leaves the board not valid.
std::string penaltyQuestion();
// "Clock stopped." or "Clock running again."
std::string paused(bool paused);
// "Round over. Klot is out of tiles. Klot: 0 tiles left, +36 points. You: ..."
std::string roundResult(const TableMirror& mirror);

} // namespace brixo::spokenwords
