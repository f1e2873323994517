#pragma once

#include <QMargins>
#include <QSize>

class QWidget;

// The largest window the program shows: the word-problem screen.
inline constexpr QSize largestWindow{955, 738};
// The most a window manager is expected to put around a window: a title bar
// and thin borders. A window's own frame is known only once it is shown.
inline constexpr QMargins frameAllowance{4, 40, 4, 4};

// The factor by which the whole program shrinks so that its largest window,
// frame included, fits a work area of this size; 1 where it fits as it is.
qreal scaleToFit(const QSize& workArea);

// Puts a window, title bar and borders included, in the middle of the free
// area of its screen (the desktop less panels and docks), or at its top-left
// corner where the window is larger. Called each time a window is shown, so it
// does not depend on a window manager placing it.
void centreOnScreen(QWidget* window);
