#include "lessons/wordproblems/parentheses_word_problems.h"

TForm10::TForm10(QWidget* parent)
    : WordProblemScreen(parent, {QStringLiteral("Form10"), QStringLiteral("A"), 716,
                                 QStringLiteral("ぶんしょうもんだい：かっこ"), QRect(56, 22, 385, 41),
                                 QStringLiteral("ステップ"), QPoint(752, 538), QPoint(8, 592),
                                 QPoint(80, 376), QPoint(80, 144), 4}) {}
