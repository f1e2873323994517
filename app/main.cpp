#include "app/startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    int status = 0;
    fitProgramToScreen(argc, argv);
    {
        QApplication application(argc, argv);
        startUp(LessonScreens::AfterFirstPaint);
        status = runProgram();
        shutDown();
    }
    endProcess(status);
}
