// The program's own start-up, up to the menu's first paint.
#include "app/menu_screen.h"
#include "app/screens.h"
#include "app/startup.h"
#include "bench/first_paint.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    startUp();
    new FirstPaintReporter(Form1);
    const int result = runProgram();
    shutDown();
    return result;
}
