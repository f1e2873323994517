#include "app/startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    startUp(LessonScreens::AfterFirstPaint);
    const int result = runProgram();
    shutDown();
    return result;
}
