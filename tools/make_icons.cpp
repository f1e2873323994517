// Draws the program's icon, the child picture of the screens on a rounded
// tile, at the sizes desktops look for, into an icon theme tree:
//
//   make_icons <folder>     writes <folder>/<n>x<n>/apps/poruna.png
//
// The tile keeps the picture's own background colour; only its corners are
// cut away, so the icon reads as one shape on any panel.
#include "ui/child_picture.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

constexpr int iconSizes[] = {16, 32, 48, 64, 128, 256};

QImage icon(const QImage& picture, int size) {
    // Area-averaged when shrinking, so the 16 px icon keeps the red top and the face.
    const QImage scaled = picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage result(size, size, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter p(&result);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tile;
    const qreal radius = size * 0.16;
    tile.addRoundedRect(QRectF(0, 0, size, size), radius, radius);
    p.fillPath(tile, QBrush(scaled));
    return result;
}

} // namespace

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
    // Drawn once at the largest size and shrunk for the smaller ones.
    constexpr int largest = 256;
    QImage picture(largest, largest, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&picture);
        p.scale(largest / 64.0, largest / 64.0);
        paintChildPicture(p);
    }
    for (int size : iconSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = theme.filePath(folder + QStringLiteral("/poruna.png"));
        if (!theme.mkpath(folder) || !icon(picture, size).save(file, "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
