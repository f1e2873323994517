#pragma once

// When the twelve lesson screens are built. The program itself builds them
// just after the menu's first paint, so a child sees the menu without waiting
// for screens not yet asked for; a topic chosen before then builds them at
// once. Tests and tools that reach into the screens build them at once.
enum class LessonScreens { AtOnce, AfterFirstPaint };

// Before the application object exists: where the largest window, with the
// frame a window manager puts around it, would not fit the work area of the
// screen the program opens on, scales the whole program down so that it does.
void fitProgramToScreen(int argc, char** argv);
// Creates the data module, the menu screen and the twelve lesson screens, in
// that order, without entering the event loop. Needs a QApplication.
void startUp(LessonScreens when = LessonScreens::AtOnce);
// Builds the twelve lesson screens in their fixed order, unless they are built.
void buildLessonScreens();
// Shows the menu screen and runs the event loop until the program is asked to end.
int runProgram();
// Destroys every screen and the data module, lesson screens first.
void shutDown();
// Ends the process with `status` once shutDown() has run and the application
// object is gone, without the runtime's teardown of library statics.
[[noreturn]] void endProcess(int status);
