#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

// A bar along the bottom edge of a screen with fixed-width text panels.
class StatusBar final : public QWidget {
    Q_OBJECT
public:
    struct Panel {
        int width;
        Qt::Alignment alignment;
        QString text;
    };

    explicit StatusBar(QWidget* parent = nullptr);

    // The width as designed, zoomed here.
    void addPanel(int width, Qt::Alignment alignment = Qt::AlignLeft);
    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;
    int panelCount() const { return static_cast<int>(panels_.size()); }
    void setBackground(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<Panel> panels_;
    QColor background_;
};
