// The words the table shows for seats, options, turns and results. Plain
// text; the window only puts them on screen.
#pragma once

#include "model/places.h"

#include <string>

namespace brixo::seatwords {

inline const std::string kWaiting = "<Waiting>";
// How the table names its own player in the lines it writes; the texts
// below that take a name say "You ..." in their own words for it.
inline const std::string kYou = "You";

// The name shown for a seat the computer plays with nobody there: seat 2
// "Klot", seat 3 "Klock", seat 4 "Kling"; seat 1 has none (empty).
std::string computerName(Seat seat);

// "Play To Score: 500".
std::string playTo(int score);
// "Time Per Turn: 1:05" from 65 seconds, as the game's start announces it.
std::string timePerTurn(int seconds);
std::string timePenalty(bool on);
// "Team Game" or "Good Luck".
std::string teamLine(bool team);
// "Time: 0:59" for the running clock.
std::string clockText(int seconds);
// "Tile's Left: N", 0 when the pool is spent (-1 on the wire).
std::string tilesLeft(int tiles);
// "You have won the game!" for the name "You", else name + " has Won the Game!".
std::string winnerText(const std::string& name);
// "Klot drew a tile.", "You drew 3 tiles (penalty).": one tile is a draw,
// more can only be a penalty.
std::string drew(const std::string& who, int tiles);
// "+22 points", "-15 points", "1 point".
std::string pointsWord(int points);
// "Klot: 3 tiles left, -15 points." for a seat at a round's end.
std::string roundLine(const std::string& who, int tiles, int points);
// "22 of 30": the points laid toward the first lay-down.
std::string layDownProgress(int points);
// The status line at a round's end.
std::string roundOver(Seat winner, Seat mySeat, const std::string& winnerName);

} // namespace brixo::seatwords
