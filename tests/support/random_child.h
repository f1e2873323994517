#pragma once

#include <QString>
#include <memory>

// A seven-year-old at the mouse and keyboard of the whole program, made
// reproducible: the program runs as `main` runs it, on the real tables of a
// fresh kyozai copy, with a seeded random source, a clock and timers that move
// only when the child lets time pass, a media device that opens the cue files
// as the real one does but plays into nothing, and message boxes answered at
// once. The child presses whatever is visible and enabled on the screen in
// front — buttons, list entries, double clicks, keys, the close box, the help
// menu, now and then the right answer — and every screen's promises are
// checked after every event (see screen_promises.h), with these besides: no
// error report and no Qt warning, no message box but the ones the screen in
// front legitimately shows, the rows of dorill as the judged answers of the
// last run, and every end of the program through the quit question with
// status 0. A はい in the quit question ends the program; the child starts it
// again on the same tables and goes on.
class RandomChild {
public:
    RandomChild(unsigned seed, int events, bool trace = false);
    ~RandomChild();
    RandomChild(const RandomChild&) = delete;
    RandomChild& operator=(const RandomChild&) = delete;

    // Fires the events, then quits through おわる and はい. Returns the first
    // broken promise with the seed, the event number and the last events
    // before it; empty when every promise held.
    QString run();

    // What the run went through: starts of the program, lesson screens
    // opened, drill answers logged, marks on lesson screens, time-outs.
    QString summary() const;

private:
    struct Run;
    std::unique_ptr<Run> d_;
};
