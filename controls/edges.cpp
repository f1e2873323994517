#include "controls/edges.h"

#include <QColor>
#include <QPainter>
#include <QRect>

void paintEdges(QPainter& p, const QRect& outside, int width, const QColor& topLeft,
                const QColor& bottomRight) {
    for (int i = 0; i < width; ++i) {
        const QRect r = outside.adjusted(i, i, -i, -i);
        if (r.width() <= 0 || r.height() <= 0)
            return;
        p.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    }
}
