// The frame that shows where the keyboard stands, on the board and the
// rack alike: a light band around a dark one, so that it shows on every
// felt and tile colour, in the high contrast look too, and grows with the
// table's size.
#pragma once

#include <QRect>

class QPainter;

namespace keyframe {

// Around: the dark band lies on the rectangle's edge, the light one just
// outside it (a board cell, whose neighbours may be drawn over). Inside:
// both bands lie within the rectangle (a rack tile, which cannot paint
// beyond itself).
enum Placing { Around, Inside };

// How far a frame placed Around reaches outside its rectangle at a factor.
int margin(double factor);
void paint(QPainter& painter, const QRect& rect, double factor, Placing placing);

} // namespace keyframe
