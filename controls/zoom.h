#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// The program's own zoom, for a screen too small for its windows where Qt
// cannot shrink them (Qt's painter draws nothing smaller than a screen
// pixel). Every size and place in the program is written as on a screen
// where the windows fit; each is zoomed where it is given to a widget, and
// the fonts where they are made, so text is drawn at its zoomed size. The
// factor is decided once, before any window exists; at 1 every function
// below returns what it is given.
namespace zoom {

qreal factor();
void setFactor(qreal factor);

int length(int designed);
QPoint point(QPoint designed);
QSize size(QSize designed);
// A length measured on the screen (a font's) as it would be at zoom 1, for
// reckoning with designed ones.
int designed(int shown);
// A font's pixel size, rounded down so that a text never outgrows the box
// zoomed round it.
int fontPixels(int designed);
// Edge by edge, so boxes that meet at zoom 1 still meet.
QRect box(const QRect& designed);

// Puts a widget, at its own left, at a designed top.
void moveTop(QWidget* widget, int designedTop);

} // namespace zoom
