#include "lessons/wordproblems/word_problem_diagram.h"

QStringList wordProblemHintOpening() {
    return {
        QString(),
        QStringLiteral("　「ぶんしょう もんだい」 では、ぶんしょう の とおりに "),
        QStringLiteral("　「ず」に  かいてみると、わかりやすく まちがえにくく "),
        QStringLiteral("　なるよ。"),
    };
}
