#include "lessons/addsub/column_subtraction_problems.h"

#include "core/random_source.h"

namespace {

QString n(int value) {
    return QString::number(value);
}

SubtractionProblem drawTwoDigitsFrom(int k, RandomSource& random) {
    SubtractionProblem p;
    if (k <= 3) {
        // A one-digit B: A is always the larger, so the pair is drawn once.
        p.a = random.R(88) + 11;
        p.b = random.R(8) + 1;
        return p;
    }
    return drawSubtractionPair(
        twoDigitColumnPairDraws, [&] { return random.R(88) + 11; }, [&] { return random.R(88) + 1; });
}

SubtractionProblem drawThreeDigitsFrom(int k, RandomSource& random) {
    // The last two digits of A stay below B, so the tens and ones of A never
    // suffice and the hundred is borrowed. A small k keeps A's tens at 0.
    SubtractionProblem p;
    for (int draw = 0; draw < hundredsBorrowDraws; ++draw) {
        const int lastTwo = k <= 2 ? random.R(9) : random.R(79);
        p.b = random.R(98) + 1;
        // Past the limit the last draw stands whole, so A is never left over
        // from an earlier problem.
        p.a = lastTwo + 100;
        if (lastTwo < p.b)
            break;
    }
    return p;
}

const QString stepOneText =
    QStringLiteral("【ステップ１】\r\r　もんだいを タテに ならべて、\r　下に線を ひく。");

// "２けたから", step 3: the tens of A as left by step 2, minus the tens of B.
QString twoDigitFinalText(const SubtractionProblem& p, bool borrowed) {
    const int tens = borrowed ? p.a / 10 - 1 : p.a / 10;
    const int bTens = p.b / 10;
    const QString keepTens = QStringLiteral("【ステップ３】\r\r　十のくらいの ") + n(tens) +
                             QStringLiteral(" を そのまま") + u'\r' +
                             QStringLiteral("　線の下に かく。おわり。");
    const QString tensDifference = QStringLiteral("【ステップ３】\r\r　十のくらい どうしで ひいた ") +
                                   n(tens - bTens) + QStringLiteral(" を ") + u'\r' +
                                   QStringLiteral("　線の下に かく。おわり。");
    if (p.b < 10) {
        if (borrowed && tens == 0)
            return QStringLiteral("【ステップ３】\r\r　十のくらいが 0 なので\r　なにも かかない。おわり。");
        return keepTens;
    }
    if (tens != bTens)
        return tensDifference;
    // The two ways of saying that the tens cancel differ by a comma and a space.
    return borrowed
               ? QStringLiteral(
                     "【ステップ３】\r\r　十のくらい どうしで ひくと 0 なので\r　なにも かかない。 おわり。")
               : QStringLiteral("【ステップ３】\r\r　十のくらい どうしで ひくと 0 なので、\r　なにも "
                                "かかない。おわり。");
}

ColumnSubtractionStep twoDigitStep(const SubtractionProblem& p, int step) {
    const int a1 = p.a % 10;
    const int b1 = p.b % 10;
    const bool borrowed = b1 > a1;
    ColumnSubtractionStep shown;
    switch (step) {
    case 1:
        shown.explanation = stepOneText;
        shown.nextCaption = QStringLiteral("ステップ２");
        break;
    case 2:
        shown.nextCaption = QStringLiteral("ステップ３");
        if (!borrowed) {
            shown.explanation =
                QStringLiteral("【ステップ２】\r\r　一のくらい どうしで ひいた 数を\r　線の下にかく。");
            shown.differenceRow = n(a1 - b1);
        } else {
            const int reducedTens = p.a / 10 - 1;
            shown.explanation =
                QStringLiteral(
                    "【ステップ２】\r\r　一のくらい どうしでは ひけないので\r　十のくらいから 1 を "
                    "くり下げ、\r　") +
                n(a1 + 10) + QStringLiteral(" から ") + n(b1) +
                QStringLiteral(" を ひいた 数を 線の下に かき、") + u'\r' +
                QStringLiteral("　くり下げた あとの ") + n(reducedTens) + QStringLiteral(" を 上に 小さく ") +
                u'\r' + QStringLiteral("　かいておく。");
            shown.differenceRow = n(a1 + 10 - b1);
            shown.tensMark = n(reducedTens);
            shown.strikesTens = true;
        }
        break;
    default:
        shown.explanation = twoDigitFinalText(p, borrowed);
        shown.nextCaption = QStringLiteral("ステップ１");
        shown.differenceRow = n(p.difference());
        shown.complete = true;
        break;
    }
    return shown;
}

ColumnSubtractionStep threeDigitStep(const SubtractionProblem& p, int step) {
    const int a1 = p.a % 10;
    const int b1 = p.b % 10;
    const int aTens = p.a % 100 / 10;
    ColumnSubtractionStep shown;
    switch (step) {
    case 1:
        shown.explanation = stepOneText;
        shown.nextCaption = QStringLiteral("ステップ２");
        break;
    case 2:
        shown.nextCaption = QStringLiteral("ステップ３");
        if (b1 <= a1) {
            shown.explanation =
                QStringLiteral("【ステップ２】\r\r　一のくらい どうしを ひいた 数を\r　線の下に かく。");
            shown.differenceRow = n(a1 - b1);
        } else if (aTens != 0) {
            shown.explanation =
                QStringLiteral(
                    "【ステップ２】\r\r　一のくらい どうしでは ひけないので、\r　十のくらいから 1 を "
                    "くり下げ、\r　") +
                n(a1 + 10) + QStringLiteral(" から ") + n(b1) +
                QStringLiteral(" を ひいた 数を線の下にかき、") + u'\r' +
                QStringLiteral("　くり下げた あとの ") + n(aTens - 1) + QStringLiteral(" を") +
                QStringLiteral("　上に 小さく ") + u'\r' + QStringLiteral("　かいておく。");
            shown.differenceRow = n(a1 + 10 - b1);
            shown.tensMark = n(aTens - 1);
            shown.strikesTens = true;
        } else {
            // No ten to borrow: the hundred comes down to the tens first.
            shown.explanation =
                QStringLiteral(
                    "【ステップ２】\r\r　一のくらい どうしでは ひけないので、\r　十のくらいから 1 を "
                    "くりさげたいが、\r　十のくらいは 0 なので、百のくらい\r　から 十のくらいに 1 を "
                    "くり下げ、\r　その 1 を 一のくらいにくりさげ、\r　") +
                n(a1 + 10) + QStringLiteral(" から ") + n(b1) +
                QStringLiteral(" を ひいた 数を線の下に かき、") + u'\r' +
                QStringLiteral("　くり下げた あとの 9 を 上に 小さく ") + u'\r' +
                QStringLiteral("　かいておく。");
            shown.differenceRow = n(a1 + 10 - b1);
            shown.tensMark = QStringLiteral("9");
            shown.hundredsMark = QStringLiteral("0");
            shown.strikesTens = true;
            shown.strikesHundreds = true;
        }
        break;
    default:
        shown.explanation = QStringLiteral(
            "【ステップ３】\r\r　百と十のくらい どうしで ひいた 数を\r　線の下に かく。おわり。");
        shown.nextCaption = QStringLiteral("ステップ１");
        shown.differenceRow = n(p.difference());
        shown.complete = true;
        break;
    }
    return shown;
}

} // namespace

std::optional<SubtractionProblem> drawColumnSubtraction(int menuItem, RandomSource& random) {
    random.reseed();
    const int k = random.R(9);
    if (menuItem == 1)
        return drawTwoDigitsFrom(k, random);
    if (menuItem == 2)
        return drawThreeDigitsFrom(k, random);
    return std::nullopt;
}

ColumnSubtractionStep columnSubtractionStep(int menuItem, const SubtractionProblem& problem, int step) {
    return menuItem == 1 ? twoDigitStep(problem, step) : threeDigitStep(problem, step);
}

ColumnAnswerEntry::Outcome ColumnAnswerEntry::pick(int digit) {
    ++picks;
    if (picks == 1) {
        written = digit;
        return Outcome::OnesWritten;
    }
    if (picks == 2) {
        written = digit * 10 + written;
        return Outcome::Judged;
    }
    return Outcome::Ignored;
}

const QStringList& columnSubtractionHint() {
    static const QStringList lines = {
        QString(),
        QStringLiteral("　【ひっ算の しかた】"),
        QString(),
        QStringLiteral("　　ひかれる数と ひく数を くらいを たてに そろえて かき、"),
        QStringLiteral("　　おなじくらいの 数どうしの ひき算を、はじめに 一のくらい、"),
        QStringLiteral("　　つぎに 十のくらいの じゅんばんで していけば いいよ。"),
        QString(),
        QStringLiteral("　　おなじくらいの 数どうしの ひき算で、ひかれる数の ほうが "),
        QStringLiteral("　　小さい時は、一つ上の くらいから 10 を かり（くり下げ）、"),
        QStringLiteral("　　その 10 を あわせた数から ひき算を し、わすれないように、"),
        QStringLiteral("　　一つ上の くらいの 数から １ を ひいた数を 上に 小さく "),
        QStringLiteral("　　かいておくといいよ。"),
        QString(),
        QStringLiteral("　　一つ上の くらいの ひき算の 時は、この くり下げた 数から "),
        QStringLiteral("　　ひくことに なるよ。"),
        QString(),
        QString(),
        QStringLiteral("　【ひき算の ひっ算の たしかめかた】"),
        QString(),
        QStringLiteral("　　ひき算では、ひく数と  こたえを たすと"),
        QStringLiteral("　　ひかれる数 になるよ。"),
        QString(),
        QStringLiteral("　　そこで、つぎのような ひき算の こたえは、"),
        QStringLiteral("　　　　　　　　５７　"),
        QStringLiteral("　　　　　　－　３８　"),
        QStringLiteral(" 　 　　 　   －－－－－"),
        QStringLiteral("　　　　　　　　１９"),
        QString(),
        QStringLiteral("  　つぎの たし算で たしかめることが できるよ。"),
        QStringLiteral("　　　　　　　　３８　"),
        QStringLiteral("　　　　　　＋　１９"),
        QStringLiteral("　　　　　　－－－－－"),
        QStringLiteral("　　　　　　　　５７"),
        QStringLiteral("　"),
        QStringLiteral("　"),
        QStringLiteral("　　"),
    };
    return lines;
}
