#include "controls/focus_ring.h"

#include "controls/edges.h"

#include <QPainter>
#include <QRect>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace focus_ring {

namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

constexpr double enough = 3.0;

} // namespace

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor colourFor(const QColor& face, const QColor& window) {
    // Black suits every light face; a dark face (navy) needs a colour between
    // it and the light window.
    const QColor candidates[] = {Qt::black, QColor(0xFF, 0x00, 0x00), QColor(0xE0, 0x40, 0x00),
                                 QColor(0x00, 0x80, 0xFF)};
    for (const QColor& ring : candidates)
        if (contrast(ring, face) >= enough && contrast(ring, window) >= enough)
            return ring;
    return contrast(Qt::black, face) >= contrast(Qt::white, face) ? QColor(Qt::black) : QColor(Qt::white);
}

void paint(QPainter& painter, const QRect& outside, const QColor& face, const QWidget& control) {
    const QWidget& around = control.parentWidget() ? *control.parentWidget() : control;
    const QColor ring = colourFor(face, around.palette().color(QPalette::Window));
    paintEdges(painter, outside, width, ring, ring);
}

} // namespace focus_ring
