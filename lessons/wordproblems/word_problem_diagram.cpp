#include "lessons/wordproblems/word_problem_diagram.h"

QString stepCaptionAfter(int step, int steps) {
    const int next = nextInCycle(step, steps);
    return QStringLiteral("ステップ") + QChar(u'０' + next);
}

QStringList wordProblemHintOpening() {
    return {
        QString(),
        QStringLiteral("　「ぶんしょう もんだい」 では、ぶんしょう の とおりに "),
        QStringLiteral("　「ず」に  かいてみると、わかりやすく まちがえにくく "),
        QStringLiteral("　なるよ。"),
    };
}
