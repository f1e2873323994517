#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

// An always-open list under a one-line caption field (the menus, the digit
// selectors and ◆). Picking an entry shows it in the field and emits changed();
// with no entry picked the field shows the caption.
class CaptionedList final : public QWidget {
    Q_OBJECT
public:
    explicit CaptionedList(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    // What the caption field shows now: the picked entry, else the caption.
    QString text() const;

    void setItems(const QStringList& items);
    QStringList items() const { return items_; }
    int itemIndex() const { return index_; }

    // Picks an entry as the child would, running the change handler.
    void pick(int index);
    // No entry picked, caption restored; runs no handler.
    void resetSelection();

    void setTextColor(const QColor& color);

signals:
    void changed(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int fieldHeight() const;
    int rowHeight() const;
    int visibleRows() const;
    int rowAt(int y) const;
    void setCurrent(int row);
    int entryForDigit(int digit) const;

    QString caption_;
    QStringList items_;
    int index_ = -1;
    int current_ = -1; // keyboard cursor
    int firstVisible_ = 0;
    QColor textColor_{Qt::black};
};
