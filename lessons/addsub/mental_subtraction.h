#pragma once

#include "ui/lesson_screen.h"

// ひき算：あん算 — subtracting in the head, place by place.
class TForm6 final : public LessonScreen {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    bool MakeProblem() override;
    void ShowWorkedAnswer() override;

protected:
    QString completedProblem() const override;
};
