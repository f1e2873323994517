// The program's own start-up, up to the menu's first paint, and the moment
// the twelve lesson screens, built after that paint, are ready.
#include "app/menu_screen.h"
#include "app/screens.h"
#include "app/startup.h"
#include "bench/first_paint.h"

#include <QApplication>
#include <cstdio>
#include <ctime>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    startUp(LessonScreens::AfterFirstPaint);
    new FirstPaintReporter(Form1);
    const int result = runProgram();
    // The loop ended just after the first paint; the screens may or may not
    // have had their turn in it.
    buildLessonScreens();
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::printf("screens_ready_ns %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    shutDown();
    return result;
}
