#pragma once

#include <QHash>
#include <QPointer>
#include <QString>

class QWidget;

// What a screen reader is told after each step of the child's: the texts the
// step put up, in reading order, a line each. Qt 6.4 has no announcement of
// its own; Orca speaks the description of the control the focus comes to,
// and a new description of the control the focus is on. So the news becomes
// the description of the control the focus stays on or goes to, set before
// the focus moves there.
class SpokenNews {
public:
    // What each label, hint text and button of a screen shows now.
    using Seen = QHash<const QWidget*, QString>;
    static Seen seen(const QWidget* screen);

    // The texts that are new or changed since `before`, in reading order.
    static QString since(const QWidget* screen, const Seen& before);

    // `target` holds the news as its description, and says it if it has the
    // focus already; the control told before is left with none.
    void tell(QWidget* target, const QString& news);

private:
    QPointer<QWidget> told_;
};
