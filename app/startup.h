#pragma once

// Creates the data module, the menu screen and the twelve lesson screens, in
// that order, without entering the event loop. Needs a QApplication.
void startUp();
// Shows the menu screen and runs the event loop until the program is asked to end.
int runProgram();
// Destroys every screen and the data module, lesson screens first.
void shutDown();
