// The yardstick: a bare Qt window of the menu's size with 14 push buttons.
// With "menu-look" the buttons carry the menu's own captions in the rounded
// gothic the program uses, so the fonts a Japanese window must load are in
// both figures and the comparison is of the program's own work alone.
#include "bench/first_paint.h"
#include "controls/look.h"

#include <QApplication>
#include <QPushButton>
#include <QStringList>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const bool menuLook = argc > 1 && qstrcmp(argv[1], "menu-look") == 0;
    const QStringList captions{QStringLiteral("10000まで"),
                               QStringLiteral("２～４けたのあん算"),
                               QStringLiteral("２けたのひっ算"),
                               QStringLiteral("ドリル"),
                               QStringLiteral("２～４けたのあん算"),
                               QStringLiteral("２けたのひっ算"),
                               QStringLiteral("ドリル"),
                               QStringLiteral("たし算とひき算"),
                               QStringLiteral("かっこ"),
                               QStringLiteral("ｍｍ、ｃｍ、ｍ"),
                               QStringLiteral("かけ算と九九"),
                               QStringLiteral("ドリル"),
                               QStringLiteral("おわる"),
                               QStringLiteral("ヘルプ")};
    if (menuLook) {
        look::installFontSubstitutions();
        look::applyApplicationLook();
        QApplication::setFont(look::rounded(19));
    }
    QWidget window;
    window.setFixedSize(955, 716);
    for (int i = 0; i < 14; ++i) {
        auto* button =
            new QPushButton(menuLook ? captions.at(i) : QStringLiteral("Button %1").arg(i), &window);
        button->setGeometry(78 + (i / 7) * 352, 120 + (i % 7) * 40, 215, 30);
    }
    new FirstPaintReporter(&window);
    window.show();
    return QApplication::exec();
}
