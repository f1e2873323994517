#pragma once

#include "ui/lesson_screen.h"

// ひき算：あん算 — subtracting in the head.
class TForm6 final : public LessonScreen {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);
};
