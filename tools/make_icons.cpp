// Writes the program's icon, the one its windows carry, at the sizes desktops
// look for, into an icon theme tree:
//
//   make_icons <folder>     writes <folder>/<n>x<n>/apps/poruna.png
#include "app/application_info.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char* argv[]) {
    // A build machine need not have a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons <icon theme folder>\n");
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    const QIcon icon = applicationIcon();
    for (const QSize& size : icon.availableSizes()) {
        const QString folder = QStringLiteral("%1x%2/apps").arg(size.width()).arg(size.height());
        const QString file = theme.filePath(folder + QStringLiteral("/poruna.png"));
        if (!theme.mkpath(folder) || !icon.pixmap(size).toImage().save(file, "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
