#include "lessons/multiplication/multiplication_expressions.h"

#include "core/random_source.h"
#include "lessons/multiplication/multiplication_menu_items.h"

namespace {

QString n(int value) {
    return QString::number(value);
}

} // namespace

ExpressionPair drawExpressionPair(RandomSource& random) {
    random.reseed();
    ExpressionPair p;
    for (int pair = 0; pair < expressionPairDraws; ++pair) {
        p.a = random.R(6) + 3;
        p.b = random.R(5) + 4;
        if (p.a != p.b)
            break;
    }
    return p;
}

int expressionAnswer(int a, int b) {
    // The multiplicand goes to the left selector, the multiplier to the right one.
    return multiplicationScreen::enteredValue(a, b);
}

std::optional<QString> expressionProblemText(int kind, int a, int b) {
    const QChar cr = u'\r';
    switch (kind) {
    case 1:
        return QStringLiteral("イチゴが ") + n(a) + QStringLiteral(" コずつ はいっている  ") + cr +
               QStringLiteral("はこが ") + n(b) + QStringLiteral(" つ あるよ。") + cr +
               QStringLiteral("ぜんぶで イチゴが いくつ あるかを ") + cr +
               QStringLiteral("もとめる しきは？");
    case 2:
        return n(a) + QStringLiteral(" ｃｍの あつさの 本を ") + n(b) + QStringLiteral(" さつ ") + cr +
               QStringLiteral("かさねると、なんｃｍの あつさに ") + cr +
               QStringLiteral("なるかを もとめる しきは？");
    case 3:
        // The cars are named first, but the seats of one car are the size of a group.
        return QStringLiteral("車が ") + n(b) + QStringLiteral(" だい あって、") + QStringLiteral("どれも ") +
               n(a) + QStringLiteral(" 人のりだよ。") + cr +
               QStringLiteral("ぜんぶで なん人 のれるかを もとめる ") + cr + QStringLiteral("しきは？");
    case 4:
        return n(b) + QStringLiteral(" 人の こどもに ミカンを ") + n(a) + QStringLiteral(" コずつ ") + cr +
               QStringLiteral("くばると、なんコの ミカンが いるかを ") + cr +
               QStringLiteral("もとめる しきは？");
    case 5:
        return QStringLiteral("はこの なかに、リンゴが たてに ") + n(a) + QStringLiteral(" コずつ ") + cr +
               n(b) + QStringLiteral(" れつに ") + QStringLiteral("ならんでいるよ。") + cr +
               QStringLiteral("ぜんぶで リンゴが いくつ あるかを ") + cr +
               QStringLiteral("もとめる しきは？");
    case 6:
        return QStringLiteral("１まい ") + n(a) + QStringLiteral(" 円の かみを ") + n(b) +
               QStringLiteral(" まい かうと、") + cr + QStringLiteral("いくらに なるかを もとめる しきは？");
    default:
        return std::nullopt;
    }
}

std::optional<QString> expressionGroupText(int kind, int a) {
    switch (kind) {
    case 1:
    case 4:
    case 5:
        return n(a) + QStringLiteral(" コ");
    case 2:
        return n(a) + QStringLiteral(" ｃｍ");
    case 3:
        return n(a) + QStringLiteral(" 人");
    case 6:
        return n(a) + QStringLiteral(" 円");
    default:
        return std::nullopt;
    }
}

QString expressionExplanation(const QString& groupText, int a, int b) {
    const QChar cr = u'\r';
    return groupText + QStringLiteral(" を ") + n(b) + QStringLiteral(" かい たすのは") +
           QStringLiteral(" めんどうなので、") + cr + n(a) + QStringLiteral(" を ") + n(b) +
           QStringLiteral(" ばいすると かんがえ、") + QStringLiteral("つぎのような ") + cr +
           QStringLiteral("かけ算の しきを つかうと かんたんだよ。") + cr + cr + QStringLiteral("    ") +
           n(a) + QStringLiteral(" x ") + n(b) + QStringLiteral(" =") + cr + cr + n(a) +
           QStringLiteral(" x ") + n(b) + QStringLiteral(" の こたえは、") +
           QStringLiteral("「九九」で おぼえてね。");
}

QString expressionEquation(int a, int b) {
    return QStringLiteral("こたえ：") + n(a) + QStringLiteral(" x ") + n(b) + QStringLiteral(" = ");
}
