#pragma once

class QWidget;

// Puts a window in the middle of the free area of its screen (the desktop less
// panels and docks), or at its top-left corner where the window is larger.
// Called each time a window is shown, so it does not depend on a window
// manager placing it.
void centreOnScreen(QWidget* window);
