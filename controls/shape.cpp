#include "controls/shape.h"

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
    p.setPen(pen_);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
