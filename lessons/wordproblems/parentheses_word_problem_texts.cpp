#include "lessons/wordproblems/parentheses_word_problem_texts.h"

#include "core/random_source.h"

namespace {

QString n(int value) {
    return QString::number(value);
}

constexpr QChar CR = u'\r';

constexpr int letterA = 11;
constexpr int letterB = 12;
constexpr int letterC = 13;

ShownLine line(int image) {
    return {image, std::nullopt};
}

DiagramStep firstStep(const ParenthesesWordProblem& p) {
    return {QStringLiteral("【ステップ１】\r\r　 はじめの ") + n(p.a) + QStringLiteral(" コぶんの せんを ") +
                CR + QStringLiteral("　 てきとうな 長さで かく。"),
            {line(2)},
            {{7, n(p.a)}},
            {}};
}

DiagramStep secondStep(const ParenthesesWordProblem& p) {
    return {QStringLiteral("【ステップ２】\r\r　 ") + n(p.b) +
                QStringLiteral(" コ もらうと ふえるので、そのぶんの せんを") + CR +
                QStringLiteral("　 てきとうな 長さで つけたす。"),
            {line(3)},
            {{8, n(p.b)}},
            {}};
}

DiagramStep thirdStep(int kind, const ParenthesesWordProblem& p) {
    if (kind == 1)
        return {QStringLiteral("【ステップ３】\r\r　 ") + n(p.c) +
                    QStringLiteral(" コ もらうと ふえるので、そのぶんの せんを") + CR +
                    QStringLiteral("　 てきとうな 長さで つけたす。"),
                {line(4)},
                {{9, n(p.c)}},
                {}};
    return {QStringLiteral("【ステップ３】\r\r　 ") + n(p.c) +
                QStringLiteral(" コ たべると へるので、そのぶんの せんを") + CR +
                QStringLiteral("　 てきとうな 長さで もどして かく。"),
            {line(5)},
            {{10, n(p.c)}},
            {}};
}

// The increase, the total and the one expression with parentheses. The two
// kinds differ in more than the sign (the colons, where a line ends in a
// space or a CR), so each is written out whole.
DiagramStep fourthStep(int kind, const ParenthesesWordProblem& p) {
    const QString a = n(p.a);
    const QString b = n(p.b);
    const QString c = n(p.c);
    const QString answerGap = QStringLiteral("     こたえ：");
    if (kind == 1) {
        const QString increase = n(p.b + p.c);
        const QString total = n(p.a + p.b + p.c);
        return {QStringLiteral("【ステップ４】\r\r　 ふえた数（Ａ～Ｂ）:　") + b + QStringLiteral(" + ") + c +
                    QStringLiteral(" = ") + increase + answerGap + increase + QStringLiteral(" コ") + CR +
                    CR + QStringLiteral("　 ぜんぶの数:　") + a + QStringLiteral(" + ") + increase +
                    QStringLiteral(" = ") + total + answerGap + total + QStringLiteral(" コ\r") + CR +
                    QStringLiteral("　 かっこ(　) を つかって １つの しきに") + CR +
                    QStringLiteral("　 まとめれば：　") + a + QStringLiteral(" + (") + b +
                    QStringLiteral(" + ") + c + QStringLiteral(") = ") + total,
                {},
                {},
                {letterA, letterB}};
    }
    const QString increase = n(p.b - p.c);
    const QString total = n(p.a + p.b - p.c);
    return {QStringLiteral("【ステップ４】\r\r　 ふえた数（Ａ～Ｃ）：　") + b + QStringLiteral(" - ") + c +
                QStringLiteral(" = ") + increase + answerGap + increase + QStringLiteral(" コ\r") + CR +
                QStringLiteral("　 ぜんぶの数：　") + a + QStringLiteral(" + ") + increase +
                QStringLiteral(" = ") + total + answerGap + total + QStringLiteral(" コ\r") + CR +
                QStringLiteral("　 かっこ(　) を つかって １つの しきに ") + CR +
                QStringLiteral("　 まとめれば：　") + a + QStringLiteral(" + (") + b + QStringLiteral(" - ") +
                c + QStringLiteral(") = ") + total,
            {},
            {},
            {letterA, letterC}};
}

bool isKind(int kind) {
    return kind >= 1 && kind <= parenthesesKinds;
}

} // namespace

ParenthesesWordProblem drawParenthesesWordProblem(RandomSource& random) {
    random.reseed();
    ParenthesesWordProblem p;
    p.a = random.R(19) + 11;
    for (int pair = 0; pair < parenthesesPairDraws; ++pair) {
        p.b = random.R(4) + 5;
        p.c = random.R(5) + 2;
        if (p.b > p.c)
            break;
    }
    return p;
}

std::optional<ParenthesesQuestion> parenthesesQuestion(int kind, const ParenthesesWordProblem& p) {
    const QString opening =
        QStringLiteral("ミカンが ") + n(p.a) + QStringLiteral(" コ あったところへ、") + CR;
    const QString questions =
        QStringLiteral("ふえた数は なんコ？") + CR + QStringLiteral("ぜんぶで なんコ に なった？");
    if (kind == 1)
        return ParenthesesQuestion{opening + n(p.b) + QStringLiteral(" コ もらい、また ") + n(p.c) +
                                       QStringLiteral(" コ もらったよ。") + CR + questions,
                                   p.b + p.c, p.a + p.b + p.c};
    if (kind == 2)
        return ParenthesesQuestion{opening + n(p.b) + QStringLiteral(" コ もらい、") + n(p.c) +
                                       QStringLiteral(" コ たべたよ。") + CR + questions,
                                   p.b - p.c, p.a + p.b - p.c};
    return std::nullopt;
}

std::optional<DiagramStep> parenthesesDiagramStep(int kind, int step, const ParenthesesWordProblem& problem) {
    switch (step) {
    case 1:
        return firstStep(problem);
    case 2:
        return secondStep(problem);
    case 3:
        return isKind(kind) ? std::optional(thirdStep(kind, problem)) : std::nullopt;
    case 4:
        return isKind(kind) ? std::optional(fourthStep(kind, problem)) : std::nullopt;
    default:
        return std::nullopt;
    }
}

ParenthesesSubmission ParenthesesEntries::submit(int submission, int entered, int increase, int total) {
    if (submission == 1) {
        enteredIncrease = entered;
        return ParenthesesSubmission::IncreaseKept;
    }
    enteredTotal = entered;
    return enteredIncrease == increase && enteredTotal == total ? ParenthesesSubmission::Right
                                                                : ParenthesesSubmission::Wrong;
}

QString parenthesesAnswersText(int increase, int total) {
    return QStringLiteral("ふえた数　：") + n(increase) + QStringLiteral(" コ") + CR +
           QStringLiteral("ぜんぶの数：") + n(total) + QStringLiteral(" コ");
}

QString parenthesesIncreasePrompt() {
    return QStringLiteral("さきに ふえた数を えらんでから ◆を おしてね！");
}

QString parenthesesTotalPrompt() {
    return QStringLiteral("つぎに ぜんぶの数を えらんでから ◆を おしてね！");
}

QStringList parenthesesHintLines() {
    return wordProblemHintOpening() +
           QStringList{
               QString(),
               QStringLiteral("　「かっこ（　）」 の ある しき では、（　） のなかを "),
               QStringLiteral("　さきに　けいさんする きまり になっているよ。"),
               QString(),
           };
}
