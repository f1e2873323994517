#pragma once

class QColor;
class QPainter;
class QRect;

// The edges of a rectangle, `width` logical pixels wide on every side: the top
// and left edge in one colour, the bottom and right edge (with the top-right
// and bottom-left corners) in the other. They are filled rather than stroked,
// so a 1-pixel edge stays whole and even on every side at 150 % or 200 %; a
// stroked 1-pixel outline there falls half outside the rectangle and leaves
// the bottom and right edges thicker, set off by a line of the fill.
void paintEdges(QPainter& painter, const QRect& outside, int width, const QColor& topLeft,
                const QColor& bottomRight);
