#pragma once

#include "ui/lesson_screen.h"

// 数：１００００まで — place value up to 10000 and numbers in kanji.
class TForm2 final : public LessonScreen {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    void ClearWork() override;
};
