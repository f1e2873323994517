#pragma once

#include "lessons/wordproblems/word_problem_frame.h"

// ぶんしょう もんだい：たし算とひき算 — addition and subtraction stories.
class TForm9 final : public WordProblemScreen {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);
};
