#pragma once

#include "lessons/addsub/column_addition_problems.h"
#include "ui/lesson_screen.h"

#include <memory>

class ColumnBoard;

// たしざん：ひっ算 — column addition with carrying, one column at a time.
class TForm4 final : public LessonScreen {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);
    ~TForm4() override;

    bool MakeProblem() override;
    void ShowWorkedAnswer() override;

protected:
    void onMenuChosen(int menuItem) override;
    void onModeSwitched(int mode) override;
    void PrepareTestEntry() override;
    AnswerTaken takeAnswer(int entered) override;
    QString completedProblem() const override;

private:
    // The numbers of the current problem, top row first.
    ColumnNumbers numbers() const;
    // The rows, the plus sign and the line, with nothing under the line yet.
    void drawColumn();

    std::unique_ptr<ColumnBoard> board_;
    // The digit the first ◆ wrote under the line.
    int onesWritten_ = 0;
};
