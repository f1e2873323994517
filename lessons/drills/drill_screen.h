#pragma once

#include "ui/lesson_screen.h"

// The frame the three timed drills share: スタート, つぎへ, ストップ, けっか,
// the time list, the result labels and the digit selectors.
class DrillScreen : public LessonScreen {
    Q_OBJECT
public:
    void FormShow() override;

protected:
    struct Layout {
        QString objectName;
        QString title;
        QRect titleFrame;
        QPoint titleAt;
        QRect problemNumberBox;
        QRect problemBox;
        QPoint promptAt;
        QStringList menuEntries; // empty: no menu
        QRect menuBox;
        QList<DigitList> digitLists;
        int submitComboBox;
        QRect submitBox;
        QString shownPrompt;
    };
    DrillScreen(QWidget* parent, const Layout& layout);
    void clearOwnWork() override;
};
