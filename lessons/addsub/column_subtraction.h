#pragma once

#include "ui/lesson_screen.h"

class CaptionedList;

// ひき算：ひっ算 — column subtraction with borrowing.
class TForm7 final : public LessonScreen {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);

    void ShowDigitSelectors() override;

private:
    CaptionedList* answerList_ = nullptr;
};
