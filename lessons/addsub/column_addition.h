#pragma once

#include "ui/lesson_screen.h"

// たしざん：ひっ算 — column addition with carrying, one column at a time.
class TForm4 final : public LessonScreen {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    void ClearWork() override;
};
