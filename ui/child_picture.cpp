#include "ui/child_picture.h"

#include "controls/look.h"
#include "controls/zoom.h"

#include <QPainter>
#include <QPainterPath>

void paintChildPicture(QPainter& p) {
    p.fillRect(QRect(0, 0, 64, 64), look::windowBackground);
    p.setRenderHint(QPainter::Antialiasing);

    const QColor skin(0xFF, 0xDB, 0xB8);
    const QColor skinLine(0xC8, 0x8C, 0x64);
    const QColor hair(0x2B, 0x1D, 0x16);
    const QColor top(0xE0, 0x20, 0x30);
    const QColor trousers(0x30, 0x50, 0xA0);

    // Raised right arm, behind the body.
    p.setPen(QPen(top, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(40, 40), QPointF(50, 24));
    p.setPen(QPen(skinLine, 1));
    p.setBrush(skin);
    p.drawEllipse(QPointF(52, 19), 4.5, 4.5);

    // Lowered left arm.
    p.setPen(QPen(top, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 40), QPointF(18, 52));
    p.setPen(QPen(skinLine, 1));
    p.drawEllipse(QPointF(17, 55), 3.5, 3.5);

    // Body and legs.
    p.setPen(Qt::NoPen);
    p.setBrush(trousers);
    p.drawRect(QRectF(25, 54, 6, 9));
    p.drawRect(QRectF(33, 54, 6, 9));
    p.setBrush(top);
    QPainterPath body;
    body.moveTo(22, 56);
    body.lineTo(24, 38);
    body.quadTo(32, 33, 40, 38);
    body.lineTo(42, 56);
    body.closeSubpath();
    p.drawPath(body);

    // Head: face, then hair over the top and sides.
    p.setPen(QPen(skinLine, 1));
    p.setBrush(skin);
    p.drawEllipse(QPointF(32, 22), 11, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(hair);
    QPainterPath fringe;
    fringe.moveTo(20.5, 24);
    fringe.quadTo(19, 8, 32, 9);
    fringe.quadTo(45, 8, 43.5, 24);
    fringe.quadTo(41, 16, 35, 16);
    fringe.quadTo(29, 19, 22, 17);
    fringe.closeSubpath();
    p.drawPath(fringe);

    // Eyes, cheeks and a smile.
    p.setBrush(hair);
    p.drawEllipse(QPointF(28, 23), 1.4, 1.8);
    p.drawEllipse(QPointF(36, 23), 1.4, 1.8);
    p.setBrush(QColor(0xFF, 0x9A, 0x9A));
    p.drawEllipse(QPointF(25, 27), 2, 1.3);
    p.drawEllipse(QPointF(39, 27), 2, 1.3);
    p.setPen(QPen(QColor(0xA0, 0x30, 0x30), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(28.5, 25, 7, 5), 200 * 16, 140 * 16);
}

ChildPicture::ChildPicture(QWidget* parent) : QLabel(parent) {
    setFixedSize(zoom::size({64, 64}));
    setAccessibleName(QStringLiteral("こどもの え"));
}

void ChildPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Drawn as lines and shapes, so the zoomed child is as sharp as the full-size one.
    if (zoom::factor() != 1)
        p.scale(zoom::factor(), zoom::factor());
    paintChildPicture(p);
}
