#pragma once

#include <QLabel>

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
