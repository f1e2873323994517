#pragma once

#include <QLabel>

class QPainter;

// Paints the child into the painter's 64 × 64 logical pixels, at whatever
// scale the painter has: a screen at 200 %, or the program's icons.
void paintChildPicture(QPainter& painter);

// The 64 × 64 drawing of a child (dark hair, red top, one hand raised) that
// stands beside the prompt on every screen. It is drawn, not shown from a
// cached bitmap, so it stays crisp at any screen scale.
class ChildPicture final : public QLabel {
    Q_OBJECT
public:
    explicit ChildPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
