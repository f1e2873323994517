#pragma once

#include <QHash>
#include <QPointer>
#include <QString>

class QWidget;

// What a screen reader is told after each step of the child's: the texts the
// step put up, in reading order, a line each. Qt 6.4 has no announcement of
// its own. Orca speaks the description of the control the focus comes to, so
// the news becomes the description of the control the focus goes to, set
// before the focus moves there. Where the focus stays, Orca says nothing of a
// new description or name (Qt sends the object, not the text, with the
// change); it does say a notification that comes into sight, so the news is
// also shown as one, out of the child's sight.
class SpokenNews {
public:
    // The notification belongs to the screen.
    explicit SpokenNews(QWidget* screen);

    // What each label, hint text and button of a screen shows now.
    using Seen = QHash<const QWidget*, QString>;
    static Seen seen(const QWidget* screen);

    // The texts that are new or changed since `before`, in reading order.
    static QString since(const QWidget* screen, const Seen& before);

    // `target` holds the news as its description; where it has the focus
    // already and the news is worth `saying`, the notification says it. The
    // control told before is left with no description.
    void tell(QWidget* target, const QString& news, bool saying = true);

private:
    QWidget* notice_;
    QPointer<QWidget> told_;
};
