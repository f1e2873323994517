#include "lessons/numbers/number_problems.h"

#include "core/random_source.h"

#include <QStringList>

namespace {

int valueOf(const NumberProblem& p) {
    return p.thousands * 1000 + p.hundreds * 100 + p.tens * 10 + p.ones;
}

} // namespace

NumberProblem makeCollectionProblem(RandomSource& random) {
    random.reseed();
    NumberProblem p;
    p.pattern = random.R(9);
    if (p.pattern <= 4) {
        // Hundreds, tens and ones: 100 to 988.
        p.hundreds = random.R(9) + 1;
        p.tens = random.R(9);
        p.ones = random.R(9);
    } else if (p.pattern <= 7) {
        p.thousands = random.R(9) + 1;
        p.hundreds = random.R(9);
        p.tens = random.R(9);
        p.ones = random.R(9);
    } else {
        // Whole hundreds only, up to 89 of them.
        p.hundreds = random.R(89) + 1;
    }
    p.answer = valueOf(p);
    p.question = collectionQuestion(p.thousands, p.hundreds, p.tens, p.ones);
    return p;
}

NumberProblem makeGroupingProblem(RandomSource& random) {
    random.reseed();
    NumberProblem p;
    const int a = random.R(9);
    p.thousands = random.R(9) + 1;
    // Above 4 the number is whole thousands, so asking for thousands (a >= 7)
    // always divides exactly.
    p.hundreds = a <= 4 ? random.R(8) + 1 : 0;
    const int n = valueOf(p);
    int unit = 1000;
    if (a <= 1)
        unit = 10;
    else if (a <= 6)
        unit = 100;
    p.answer = n / unit;
    p.question = QStringLiteral("%1 は、%2 を いくつ あつめた数？").arg(n).arg(unit);
    return p;
}

NumberProblem makeKanjiProblem(RandomSource& random) {
    random.reseed();
    NumberProblem p;
    p.thousands = random.R(8) + 1;
    p.hundreds = random.R(9);
    p.tens = random.R(9);
    p.ones = random.R(9);
    p.answer = valueOf(p);
    p.question = kanjiNumeral(p.answer) + QStringLiteral(" を 数字で かくと？");
    return p;
}

QString collectionQuestion(int thousands, int hundreds, int tens, int ones) {
    QString q;
    if (thousands > 0)
        q += QStringLiteral("1000 の あつまりを %1 コ\r").arg(thousands);
    if (hundreds > 0)
        q += QStringLiteral("100 の あつまりを %1 コ\r").arg(hundreds);
    if (tens > 0)
        q += QStringLiteral("10 の あつまりを %1 コ\r").arg(tens);
    if (ones > 0)
        q += QStringLiteral("1 を %1 コ\r").arg(ones);
    return q + QStringLiteral("あわせた数は？");
}

QString placeSumAnswer(int thousands, int hundreds, int tens, int ones, int answer) {
    QStringList terms;
    if (thousands > 0)
        terms << QString::number(thousands * 1000);
    if (hundreds > 0)
        terms << QString::number(hundreds * 100);
    if (tens > 0)
        terms << QString::number(tens * 10);
    if (ones > 0)
        terms << QString::number(ones);
    return QStringLiteral("こたえ：") + terms.join(QStringLiteral(" + ")) + QStringLiteral(" = ") +
           QString::number(answer);
}

QString plainAnswer(int answer) {
    return QStringLiteral("こたえ： ") + QString::number(answer);
}

QString kanjiNumeral(int number) {
    static const QString digits = QStringLiteral("一二三四五六七八九");
    static const QString places[] = {QStringLiteral("千"), QStringLiteral("百"), QStringLiteral("十")};
    QString numeral;
    int divisor = 1000;
    for (const QString& place : places) {
        const int d = number / divisor % 10;
        // One thousand is 千, not 一千; one hundred 百; ten 十.
        if (d >= 2)
            numeral += digits.at(d - 1);
        if (d >= 1)
            numeral += place;
        divisor /= 10;
    }
    if (const int d = number % 10; d >= 1)
        numeral += digits.at(d - 1);
    return numeral;
}

const QStringList& kanjiHint() {
    static const QStringList lines = {
        QString(),
        QStringLiteral("\u3000数字を かん字で かくと"),
        QStringLiteral(
            "\u3000\u3000\u3000１\u3000\u3000２\u3000\u3000３\u3000\u3000４\u3000\u3000５\u3000\u3000６"
            "\u3000\u3000７\u3000\u3000８\u3000\u3000９"),
        QStringLiteral(
            "\u3000\u3000\u3000一\u3000\u3000二\u3000\u3000三\u3000\u3000四\u3000\u3000五\u3000\u3000六"
            "\u3000\u3000七\u3000\u3000八\u3000\u3000九"),
        QStringLiteral("\u3000\u3000\u3000"),
        QStringLiteral("\u3000\u3000\u3000１０\u3000\u3000１００\u3000\u3000１０００\u3000\u3000１００００"),
        QStringLiteral(
            "\u3000\u3000\u3000 十\u3000\u3000\u3000百\u3000\u3000\u3000\u3000千\u3000\u3000\u3000\u3000"
            "\u3000一万"),
        QStringLiteral("\u3000\u3000"),
        QStringLiteral("\u300020 は 二十、300 は 三百、4000 は 四千 のように かき、"),
        QStringLiteral("\u30004653\u3000は 四千六百五十三 とかくよ。\u3000"),
        QStringLiteral("\u3000\u3000\u3000"),
        QStringLiteral("\u3000上の数字の"),
        QStringLiteral("\u3000\u3000\u30004 のところは、1000 の数を かくので   「千のくらい」"),
        QStringLiteral("\u3000\u3000\u30006 のところは、100 の数を かくので   「百のくらい」"),
        QStringLiteral("\u3000\u3000\u30005 のところは、10 の数を かくので   「十のくらい」"),
        QStringLiteral("\u3000\u3000\u30003 のところは、1 の数を かくので   「一のくらい」"),
        QStringLiteral("\u3000というよ。"),
        QStringLiteral("\u3000\u3000\u3000"),
    };
    return lines;
}
