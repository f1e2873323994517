#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// The push button of every screen: a solid face with a raised inner bevel.
class TCuteButton : public QWidget {
    Q_OBJECT
public:
    explicit TCuteButton(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    void setColor(const QColor& color);
    QColor color() const { return color_; }
    void setFontColor(const QColor& color);
    QColor fontColor() const { return fontColor_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString caption_;
    QColor color_;
    QColor fontColor_{Qt::black};
    bool pressed_ = false;
};
