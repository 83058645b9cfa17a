// The words the table shows for seats, options and turns. Kept apart from
// the window so the rules can be checked without widgets.
#pragma once

#include <QString>

namespace seattext {

inline const QString kWaiting = QStringLiteral("<Waiting>");

// The name shown for a seat nobody holds that the computer plays: seat 2
// "Klot", seat 3 "Klock", seat 4 "Kling"; seat 1 has none (empty).
QString computerName(int seat);

// What a seat's name label shows once its player left: seat 2 is always
// played by the computer, seats 3 and 4 only in a team game.
QString afterDisconnect(int seat, bool teamGame);

// "Time Per Turn: 1:05" from 65 seconds.
QString timePerTurn(int seconds);
// "Time: 0:59" for the running clock.
QString clockText(int seconds);
// "Tile's Left: N", 0 when the pool is spent (-1 on the wire).
QString tilesLeft(int tiles);
// "You have won the game!" for the name "You", else name + " has Won the Game!".
QString winnerText(const QString& name);
// The status line at a round's end.
QString roundOver(int winner, int mySeat, const QString& winnerName);

} // namespace seattext
