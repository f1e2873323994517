#pragma once

#include "ui/lesson_screen.h"

// The frame the two story-problem screens share: no menu, つぎへ from the
// start, and the ステップ walk through the line diagram.
class WordProblemScreen : public LessonScreen {
    Q_OBJECT
protected:
    struct Layout {
        QString objectName;
        QString windowCaption;
        int height;
        QString title;
        QRect titleFrame;
        QString answerCaption;
        QPoint verdictAt;
        QPoint pictureAt;
        QPoint stepTextAt;
        QPoint problemAt;
        int steps;
    };
    WordProblemScreen(QWidget* parent, const Layout& layout);
};
