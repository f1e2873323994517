#pragma once

#include "ui/lesson_screen.h"

// たし算：あん算 — adding two numbers in the head, place by place.
class TForm3 final : public LessonScreen {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    bool MakeProblem() override;
    void ShowWorkedAnswer() override;

protected:
    QString completedProblem() const override;
};
