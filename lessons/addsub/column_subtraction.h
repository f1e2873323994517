#pragma once

#include "lessons/addsub/column_subtraction_problems.h"
#include "ui/lesson_screen.h"

#include <memory>

class ColumnBoard;
class Shape;

// ひき算：ひっ算 — column subtraction with borrowing; the answer is picked digit
// by digit in one list, the ones first.
class TForm7 final : public LessonScreen {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);
    ~TForm7() override;

    bool MakeProblem() override;
    void ShowWorkedAnswer() override;

protected:
    void PrepareTestEntry() override;
    // A digit picked in the answer list: the first is the ones, the second the
    // tens, which judges; any further pick changes nothing.
    AnswerTaken takeAnswer(int digit) override;
    QString completedProblem() const override;
    void clearOwnWork() override;

private:
    SubtractionProblem problem() const;

    std::unique_ptr<ColumnBoard> board_;
    Shape* tensStrike_ = nullptr;
    Shape* hundredsStrike_ = nullptr;
    ColumnAnswerEntry entry_;
    // The menu entry the problem was drawn for: a menu choice leaves ステップ
    // as it was, and the steps go on explaining the problem on the board.
    int drawnFor_ = 0;
};
