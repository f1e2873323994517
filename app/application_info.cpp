#include "app/application_info.h"

#include "ui/child_picture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {
QString& helpFile() {
    static QString path;
    return path;
}

constexpr int iconSizes[] = {16, 32, 48, 64, 128, 256};

QImage tile(const QImage& picture, int size) {
    // Area-averaged when shrinking, so the 16 px icon keeps the red top and the face.
    const QImage scaled = picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage result(size, size, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter p(&result);
    p.setRenderHint(QPainter::Antialiasing);
    // Only the corners are cut away: the tile keeps the picture's own
    // background, so the icon reads as one shape on any panel.
    QPainterPath shape;
    const qreal radius = size * 0.16;
    shape.addRoundedRect(QRectF(0, 0, size, size), radius, radius);
    p.fillPath(shape, QBrush(scaled));
    return result;
}
} // namespace

QString applicationHelpFile() {
    return helpFile();
}

void setApplicationHelpFile(const QString& path) {
    helpFile() = path;
}

QIcon applicationIcon() {
    // Drawn once at the largest size and shrunk for the smaller ones.
    constexpr int largest = 256;
    QImage picture(largest, largest, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&picture);
        p.scale(largest / 64.0, largest / 64.0);
        paintChildPicture(p);
    }
    QIcon icon;
    for (int size : iconSizes)
        icon.addPixmap(QPixmap::fromImage(tile(picture, size)));
    return icon;
}

void setApplicationIdentity() {
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.poruna.Poruna"));
    QGuiApplication::setWindowIcon(applicationIcon());
}

QString takeStartProblem() {
    constexpr char variable[] = "PORUNA_START_PROBLEM";
    const QString problem = qEnvironmentVariable(variable);
    qunsetenv(variable);
    return problem;
}
