#pragma once

#include <QList>

class QKeyEvent;
class QWidget;

// How the keyboard moves between the controls of a screen: Tab in reading
// order, the arrow keys to the nearest control that way.
namespace keyboard {

// A control the child can reach now: shown on its screen and enabled.
bool reachable(const QWidget* control);

// Top to bottom, then left to right, as a page is read.
QList<QWidget*> inReadingOrder(QList<QWidget*> controls);

// Tab goes through `order`, then through the screen's other widgets that take
// the focus by Tab (a hint text, a table), in the order they had.
void setTabChain(QWidget* screen, const QList<QWidget*>& order);

// The reachable control of `controls` nearest to `from` in the direction of an
// arrow key; nullptr where none lies that way.
QWidget* neighbour(const QWidget* from, int arrowKey, const QList<QWidget*>& controls);

// An arrow key without modifiers, pressed on a screen whose focused control
// left it unused, moves the focus from that control to its neighbour among
// `controls` and is taken; any other key is left alone. Tells whether it took it.
bool moveFocusByArrow(QKeyEvent* event, const QWidget* screen, const QList<QWidget*>& controls);

} // namespace keyboard
