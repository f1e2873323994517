// The yardstick: a bare Qt window of the menu's size with 14 push buttons.
#include "bench/first_paint.h"

#include <QApplication>
#include <QPushButton>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(955, 716);
    for (int i = 0; i < 14; ++i) {
        auto* button = new QPushButton(QStringLiteral("Button %1").arg(i), &window);
        button->setGeometry(78 + (i / 7) * 352, 120 + (i % 7) * 40, 215, 30);
    }
    new FirstPaintReporter(&window);
    window.show();
    return QApplication::exec();
}
