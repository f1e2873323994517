#pragma once

#include <QColor>
#include <QListView>
#include <QStringList>
#include <optional>

class QStringListModel;

// An always-open list under a one-line caption field (the menus, the digit
// selectors and ◆). Picking an entry shows it in the field and emits changed();
// with no entry picked the field shows the caption.
//
// Qt's list view lays out, paints, hit-tests and scrolls the entries and moves
// the keyboard cursor; the field above them is this list's own. What Qt calls
// the selection is the picked entry: only a pick changes it.
class CaptionedList final : public QListView {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)
    Q_PROPERTY(QString text READ text)

public:
    explicit CaptionedList(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    // What the caption field shows now: the picked entry, else the caption.
    QString text() const;

    void setItems(const QStringList& items);
    QStringList items() const;
    // The picked entry, -1 when none is.
    int itemIndex() const;
    // Shows an entry as picked without running the change handler, as code
    // setting the index does; -1 is resetSelection().
    void setItemIndex(int index);

    // Picks an entry as the child would, running the change handler.
    void pick(int index);
    // No entry picked, caption restored; runs no handler.
    void resetSelection();
    // How often the list has been emptied for a new answer: a screen sees
    // from it that a step asks the child for one.
    int timesEmptied() const { return timesEmptied_; }

    void setTextColor(const QColor& color);

    // Whether the keyboard cursor stands on the first entry as soon as the
    // list takes the focus from the keyboard, so that Return picks it. A list
    // whose entries are an answer's digits says no: Return there picks only
    // an entry the child moved to, never one the focus happened to land on.
    void setCursorOnFocus(bool on) { cursorOnFocus_ = on; }
    // Whether Return or space on the entry already picked picks it again and
    // runs the change handler (◆ judges again); a list where that starts the
    // work over says no.
    void setPickedAgainByKey(bool on) { pickedAgainByKey_ = on; }

    // A typed digit picks the entry of that digit; other text moves the cursor
    // as in any Qt list.
    void keyboardSearch(const QString& search) override;

signals:
    void changed(int index);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class CaptionedListEntries;

    int fieldHeight() const;
    int rowHeight() const;
    void paintBoxes();
    bool forwardToEntries(QMouseEvent* event);
    void applyLook();
    void showPicked(int index);
    void valueChanged();
    int entryForTyped(const QString& typed) const;
    static std::optional<CursorAction> cursorMoveFor(int key);

    QStringListModel* model_;
    QString caption_;
    QColor textColor_{Qt::black};
    int pressedRow_ = -1; // the entry under the last left press
    int timesEmptied_ = 0;
    bool forwarding_ = false; // a mouse event is on its way to the entries
    bool cursorOnFocus_ = true;
    bool pickedAgainByKey_ = true;
};
