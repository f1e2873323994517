#pragma once

#include "lessons/wordproblems/addsub_word_problem_texts.h"
#include "lessons/wordproblems/word_problem_frame.h"

// ぶんしょう もんだい：たし算とひき算 — stories of oranges received, eaten and
// compared, each drawn as a line diagram in three steps.
class TForm9 final : public WordProblemScreen {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);

    bool MakeProblem() override;
    void ShowWorkedAnswer() override;

protected:
    // Each kind asks for its own number: s, a or b.
    int expectedAnswer() const override;
    QString completedProblem() const override;

private:
    AddSubWordProblem problem() const;
    std::optional<AddSubQuestion> question() const;
};
