#pragma once

#include "lessons/addsub/column_addition_problems.h"
#include "ui/lesson_screen.h"

// たしざん：ひっ算 — column addition with carrying, one column at a time.
class TForm4 final : public LessonScreen {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    void ComboBox1Change(int index) override;
    void CuteButton3Click() override;
    void SubmitPicked() override;

    void ClearWork() override;
    void MakeProblem() override;
    void ShowWorkedAnswer() override;

protected:
    void PrepareTestEntry() override;

private:
    // The numbers of the current problem, top row first.
    ColumnNumbers numbers() const;
    // The rows, the plus sign and the line, with nothing under the line yet.
    void drawColumn();
};
