// The table's own pictures, drawn in code at twice the pixel density: the
// felt of the board with its faint cell grid, the wooden rack, and the
// small marks beside the seats.
#pragma once

#include <QPixmap>

namespace artwork {

// The board background, 460 x 380; cell (col, row) lies at
// (col * 20 - 10, row * 30 - 20) in it. The high contrast cloth is nearly
// black, plain, with a clear grid, so tiles and free cells stand out.
QPixmap felt(bool highContrast = false);
// The same cloth without the board's grid and rim, as a small picture that
// tiles without seams: the side windows' background.
QPixmap cloth();
// The rack's wood, tiled along the rack.
QPixmap rackWood(int width, int height);
// Open eyes: the seat's owner just watches.
QPixmap eyes();
// A chair with "zz": the seat sits out this round.
QPixmap sitout();
// The arrow that points at the seat whose turn it is.
QPixmap turnArrow();
// Two team badges side by side.
QPixmap teamBadge();
// Two linked rings in a team's colour (The Green Team's or The Brown
// Team's): the seat of this player's partner.
QPixmap partnerBadge(bool greenTeam);
// The board-incomplete sign, frame 0 (quiet) or 1 (lit).
QPixmap incompleteFrame(int frame);
// The large pause sign over the covered board.
QPixmap pauseSign();
// The faces of the two sort buttons: "123" for numbers, four coloured
// tiles for suits; 21 x 21, at `density` device pixels per pixel (at least
// the 2 of the other pictures) for buttons drawn larger.
QPixmap sortByNumber(qreal density = 2.0);
QPixmap sortBySuit(qreal density = 2.0);

} // namespace artwork
