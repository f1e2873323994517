#include "lessons/wordproblems/addsub_word_problems.h"

TForm9::TForm9(QWidget* parent)
    : WordProblemScreen(parent, {QStringLiteral("Form9"), QStringLiteral("ポルナ"), 738,
                                 QStringLiteral("ぶんしょう もんだい：たし算とひき算"),
                                 QRect(56, 22, 497, 41), QStringLiteral("ステップ１"), QPoint(760, 536),
                                 QPoint(8, 600), QPoint(80, 288), QPoint(80, 152), 3}) {}
