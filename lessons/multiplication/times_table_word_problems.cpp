#include "lessons/multiplication/times_table_word_problems.h"

#include "core/random_source.h"

namespace {

QString n(int value) {
    return QString::number(value);
}

const QString howItGoes = QStringLiteral("けいさんは つぎのようになるよ。");

BoardNumbers drawTwoStep(int kind, RandomSource& random) {
    BoardNumbers p;
    switch (kind) {
    case 1:
        p.a = random.R(6) + 3;
        p.b = random.R(6) + 3;
        p.c = (random.R(6) + 3) * 10;
        p.answer = p.a * p.b + p.c;
        break;
    case 2:
        p.a = random.R(6) + 3;
        p.b = random.R(6) + 3;
        p.c = random.R(6) + 3;
        p.answer = p.a * p.b + p.c;
        break;
    case 3:
        p.a = (random.R(6) + 3) * 10;
        p.b = random.R(6) + 3;
        p.c = random.R(6) + 3;
        p.answer = p.a - p.b * p.c;
        break;
    default:
        // Draws 0 … 4 seat 4, draws 5 … 8 seat 5.
        p.a = random.R(9) / 5 + 4;
        p.b = random.R(7) + 2;
        p.c = random.R(9) / 5 + 4;
        p.d = random.R(7) + 2;
        p.answer = p.a * p.b + p.c * p.d;
        break;
    }
    return p;
}

// The split lines use p for the second part: b's other half for even b, the larger part for odd b.
int secondPart(int kind, int b) {
    const int h = b / 2;
    return kind == 1 ? h : b - h;
}

QString splitLines(int kind, const BoardNumbers& s) {
    const int h = s.b / 2;
    const int p = secondPart(kind, s.b);
    const QChar cr = u'\r';
    return QStringLiteral("\u3000\u3000") + n(s.a) + QStringLiteral(" * ") + n(s.b) + QStringLiteral(" = ") +
           n(s.a) + QStringLiteral(" * (") + n(h) + QStringLiteral(" + ") + n(p) + QStringLiteral(") ") + cr +
           QStringLiteral("\u3000\u3000\u3000\u3000  \u3000= ") + n(s.a) + QStringLiteral(" * ") + n(h) +
           QStringLiteral(" + ") + n(s.a) + QStringLiteral(" * ") + n(p) + cr +
           QStringLiteral("\u3000\u3000\u3000 \u3000    = ") + n(s.answer);
}

} // namespace

int twoStepDrawLimit(int kind) {
    return kind <= 2 ? 100 : 1000;
}

bool twoStepAccepted(int kind, const BoardNumbers& p) {
    switch (kind) {
    case 1:
        return p.a * p.b + p.c < 100;
    case 2:
        return p.a != p.c;
    case 3:
        return p.a - p.b * p.c > 0 && p.a - p.b * p.c < 10;
    case 4:
        return p.a != p.c && p.b != p.c;
    default:
        return false;
    }
}

int twoStepNumbersDrawn(int kind) {
    return kind == 4 ? 4 : 3;
}

std::optional<BoardNumbers> makeTwoStepProblem(int kind, RandomSource& random) {
    random.reseed();
    if (kind < 1 || kind > twoStepKinds)
        return std::nullopt;
    BoardNumbers p;
    for (int draw = 0; draw < twoStepDrawLimit(kind); ++draw) {
        p = drawTwoStep(kind, random);
        if (twoStepAccepted(kind, p))
            break;
    }
    return p;
}

std::optional<QString> twoStepProblemText(int kind, const BoardNumbers& p) {
    const QChar cr = u'\r';
    switch (kind) {
    case 1:
        return QStringLiteral("１まい ") + n(p.a) + QStringLiteral(" 円の かみを ") + n(p.b) +
               QStringLiteral(" まいと ") + n(p.c) + QStringLiteral(" 円の ") + cr +
               QStringLiteral("えんぴつを かうと、ぜんぶで いくら？");
    case 2:
        return QStringLiteral("高さ ") + n(p.a) + QStringLiteral(" cmの つみ木を ") + n(p.b) +
               QStringLiteral(" コと、") + QStringLiteral("高さ ") + cr + n(p.c) +
               QStringLiteral(" cmの つみ木を つむと、ぜんぶで ") + cr + QStringLiteral("高さは なん cm？");
    case 3:
        // The children (c) are named before the oranges each gets (b).
        return QStringLiteral("ミカンを ") + n(p.a) + QStringLiteral(" コ かって、 ") + n(p.c) +
               QStringLiteral(" 人の こどもに ") + cr + n(p.b) +
               QStringLiteral(" コずつ くばると、なんコ のこる？");
    case 4:
        return n(p.a) + QStringLiteral(" 人のりの 車が  ") + n(p.b) + QStringLiteral(" だいと  ") + n(p.c) +
               QStringLiteral(" のりの 車が  ") + cr + n(p.d) + QStringLiteral(" だい あるよ。") + cr +
               QStringLiteral("ぜんぶで なん人 のれる？");
    default:
        return std::nullopt;
    }
}

std::optional<QString> twoStepEquation(int kind, const BoardNumbers& p) {
    switch (kind) {
    case 1:
    case 2:
        return QStringLiteral("\u3000") + n(p.a) + QStringLiteral(" * ") + n(p.b) + QStringLiteral(" + ") +
               n(p.c) + QStringLiteral(" = ") + n(p.answer);
    case 3:
        return QStringLiteral("\u3000") + n(p.a) + QStringLiteral(" - ") + n(p.b) + QStringLiteral(" * ") +
               n(p.c) + QStringLiteral(" = ") + n(p.answer);
    case 4:
        return QStringLiteral("\u3000") + n(p.a) + QStringLiteral(" * ") + n(p.b) + QStringLiteral(" + ") +
               n(p.c) + QStringLiteral(" * ") + n(p.d) + QStringLiteral(" = ") + n(p.answer);
    default:
        return std::nullopt;
    }
}

std::optional<QString> twoStepExplanation(int kind, const BoardNumbers& p) {
    const QChar cr = u'\r';
    QString what;
    QString unit;
    switch (kind) {
    case 1:
        what = QStringLiteral(
            "かみの ねだんを かけ算で もとめて、 \rこれに えんぴつの ねだんを たせば \rいいよ。");
        unit = QStringLiteral(" 円");
        break;
    case 2:
        what = n(p.a) + QStringLiteral(" cm の つみきの高さを かけ算で") + cr +
               QStringLiteral("もとめて、これに ") + n(p.c) + QStringLiteral(" cm の ") +
               QStringLiteral("つみきの ") + cr + QStringLiteral("高さを たせば いいよ。");
        unit = QStringLiteral(" cm");
        break;
    case 3:
        what = QStringLiteral("こどもに くばる ミカンの数を かけ算で  \rもとめて、これを かった "
                              "ミカンの数から \rひけば いいよ。");
        unit = QStringLiteral(" コ");
        break;
    case 4:
        what = n(p.a) + QStringLiteral(" のりの車と ") + n(p.c) +
               QStringLiteral(" のりの車に のれる人の数を ") + cr +
               QStringLiteral("それぞれ かけ算で もとめて たせば いいよ。");
        unit = QStringLiteral(" 人");
        break;
    default:
        return std::nullopt;
    }
    return what + cr + cr + howItGoes + cr + cr + *twoStepEquation(kind, p) + cr + cr +
           QStringLiteral("こたえ： ") + n(p.answer) + unit;
}

std::optional<BoardNumbers> makeSplitProblem(int kind, RandomSource& random) {
    random.reseed();
    if (kind < 1 || kind > splitKinds)
        return std::nullopt;
    BoardNumbers p;
    for (int pair = 0; pair < splitPairDraws; ++pair) {
        p.a = random.R(7) + 2;
        p.b = kind == 1 ? (random.R(3) + 6) * 2 : (random.R(3) + 6) * 2 - 1;
        p.answer = p.a * p.b;
        if (p.answer < 100)
            break;
    }
    return p;
}

QString splitProblemText(const BoardNumbers& p) {
    return n(p.a) + QStringLiteral(" x ") + n(p.b) + QStringLiteral(" の こたえは？");
}

std::optional<QString> splitExplanation(int kind, const BoardNumbers& p) {
    const QChar cr = u'\r';
    const int h = p.b / 2;
    QString how;
    switch (kind) {
    case 1:
        how = QStringLiteral("九九 がつかえるように ") + n(p.b) + QStringLiteral(" を 半分ずつの ") + cr +
              n(h) + QStringLiteral(" と ") + n(h);
        break;
    case 2:
        how = QStringLiteral("九九 がつかえるように ") + n(p.b) + QStringLiteral(" を ") +
              QStringLiteral("たとえば、") + cr + n(h) + QStringLiteral(" と ") + n(p.b - h);
        break;
    default:
        return std::nullopt;
    }
    return how + QStringLiteral(" に ") + QStringLiteral("わけ、つぎのように もとめる。") + cr + cr +
           splitLines(kind, p);
}

std::optional<QString> splitEquation(int kind, const BoardNumbers& p) {
    if (kind < 1 || kind > splitKinds)
        return std::nullopt;
    return splitLines(kind, p);
}
