#include "controls/shape.h"

#include "controls/edges.h"

#include <QPainter>

Shape::Shape(QWidget* parent) : QWidget(parent) {}

void Shape::setBrushColor(const QColor& color) {
    brush_ = color;
    update();
}

void Shape::setPenColor(const QColor& color) {
    pen_ = color;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), brush_);
    paintEdges(p, rect(), 1, pen_, pen_);
}
