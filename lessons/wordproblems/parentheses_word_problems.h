#pragma once

#include "lessons/wordproblems/parentheses_word_problem_texts.h"
#include "lessons/wordproblems/word_problem_frame.h"

// ぶんしょうもんだい：かっこ — two-step stories whose one expression needs
// parentheses; the increase and the total are answered one after the other.
class TForm10 final : public WordProblemScreen {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);

    bool MakeProblem() override;
    void ShowWorkedAnswer() override;
    void CuteButton5Click() override;

    // The two answers of the current test problem: enteredIncrease and enteredTotal.
    const ParenthesesEntries& entries() const { return entries_; }

protected:
    void clearOwnWork() override;
    QString completedProblem() const override;
    // The first ◆ keeps the increase; every later one judges both answers.
    AnswerTaken takeAnswer(int entered) override;

private:
    ParenthesesWordProblem problem() const;

    ParenthesesEntries entries_;
    // The button reads "ステップ" as laid out until it is first pressed.
    bool stepPressed_ = false;
};
