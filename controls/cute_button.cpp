#include "controls/cute_button.h"

#include <QMouseEvent>
#include <QPainter>

TCuteButton::TCuteButton(QWidget* parent) : QWidget(parent), color_(palette().color(QPalette::Button)) {
    resize(75, 25);
    setFocusPolicy(Qt::StrongFocus);
}

void TCuteButton::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TCuteButton::setColor(const QColor& color) {
    color_ = color;
    update();
}

void TCuteButton::setFontColor(const QColor& color) {
    fontColor_ = color;
    update();
}

void TCuteButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), color_);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    QRect text = rect().adjusted(2, 2, -2, -2);
    if (pressed_)
        text.translate(2, 2);
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
    if (isEnabled()) {
        p.setPen(fontColor_);
        p.drawText(text, flags, caption_);
    } else {
        p.setPen(palette().color(QPalette::Light));
        p.drawText(text.translated(1, 1), flags, caption_);
        p.setPen(palette().color(QPalette::Dark));
        p.drawText(text, flags, caption_);
    }
}

void TCuteButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = true;
    update();
}

void TCuteButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    update();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void TCuteButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}
