#pragma once

#include <QColor>

class QPainter;
class QRect;
class QWidget;

// The ring that shows a child on the keyboard which control the keys go to.
namespace focus_ring {

// Pixels wide, on every side.
constexpr int width = 2;

// How far two colours stand apart in lightness, from 1:1 (the same) to 21:1
// (black on white), as contrast is measured for readers with low vision.
double contrast(const QColor& a, const QColor& b);

// A ring colour that stands out at least 3:1 both from the control's face
// and from the window around it: black where it does, else the first of a
// few strong colours that does.
QColor colourFor(const QColor& face, const QColor& window);

// The ring of `control` along the inside of `outside`, drawn on `face` and
// standing out from the window the control sits in.
void paint(QPainter& painter, const QRect& outside, const QColor& face, const QWidget& control);

} // namespace focus_ring
