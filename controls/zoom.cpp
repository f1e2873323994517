#include "controls/zoom.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace zoom {

namespace {
qreal current = 1;
} // namespace

qreal factor() {
    return current;
}

void setFactor(qreal factor) {
    current = factor > 0 && factor < 1 ? factor : 1;
}

int length(int designed) {
    return current == 1 ? designed : int(std::lround(designed * current));
}

int fontPixels(int designed) {
    return current == 1 ? designed : std::max(1, int(designed * current));
}

int designed(int shown) {
    return current == 1 ? shown : int(std::lround(shown / current));
}

QPoint point(QPoint designed) {
    return {length(designed.x()), length(designed.y())};
}

QSize size(QSize designed) {
    return {length(designed.width()), length(designed.height())};
}

QRect box(const QRect& designed) {
    const QPoint topLeft = point(designed.topLeft());
    const QPoint end = point(designed.topLeft() + QPoint(designed.width(), designed.height()));
    return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

void moveTop(QWidget* widget, int designedTop) {
    widget->move(widget->x(), length(designedTop));
}

} // namespace zoom
