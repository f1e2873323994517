#pragma once

#include "lessons/wordproblems/word_problem_frame.h"

// ぶんしょうもんだい：かっこ — stories whose expression needs parentheses.
class TForm10 final : public WordProblemScreen {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);
};
