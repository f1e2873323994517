#pragma once

#include <QColor>
#include <QWidget>

// A filled rectangle with an outline: title frames, the column's line, bars.
class Shape final : public QWidget {
    Q_OBJECT
public:
    explicit Shape(QWidget* parent = nullptr);

    void setBrushColor(const QColor& color);
    QColor brushColor() const { return brush_; }
    void setPenColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor brush_{Qt::white};
    QColor pen_{Qt::black};
};
