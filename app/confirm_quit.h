#pragma once

// Asks "おわっても いいの？"; unless the answer is いいえ the program ends.
void ConfirmQuit();

// Ends the program: closes an open lesson screen and leaves the event loop.
void requestTermination();
// Whether the program has been asked to end (start-up clears it).
bool terminationRequested();
void clearTerminationRequest();
