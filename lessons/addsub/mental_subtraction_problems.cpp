#include "lessons/addsub/mental_subtraction_problems.h"

#include "core/random_source.h"

namespace {

QString n(int value) {
    return QString::number(value);
}

SubtractionProblem drawTwoDigits(int k, RandomSource& random) {
    const auto roundTen = [&] { return (random.R(8) + 1) * 10; };
    const auto twoDigit = [&] { return random.R(89) + 10; };
    const auto oneDigit = [&] { return random.R(8) + 1; };
    if (k >= 7)
        return drawSubtractionPair(twoDigitSubtractionDraws, roundTen, roundTen);
    if (k >= 4)
        return drawSubtractionPair(twoDigitSubtractionDraws, twoDigit, roundTen);
    // A is at least 10 and B at most 8, so the first pair always stands.
    return drawSubtractionPair(twoDigitSubtractionDraws, twoDigit, oneDigit);
}

SubtractionProblem drawThreeDigits(int k, RandomSource& random) {
    if (k == 8)
        return drawSubtractionPair(
            roundHundredsSubtractionDraws, [&] { return (random.R(7) + 2) * 100; },
            [&] { return (random.R(7) + 1) * 100; });
    // Hundreds 2 … 8 and round tens in A, a round ten in B: A is always larger.
    // Two statements, so that the hundreds are drawn before the tens.
    SubtractionProblem p;
    p.a = (random.R(7) + 2) * 100;
    p.a += (random.R(8) + 1) * 10;
    p.b = (random.R(8) + 1) * 10;
    return p;
}

SubtractionProblem drawFourDigits(int k, RandomSource& random) {
    SubtractionProblem p;
    if (k <= 3) {
        p.a = (random.R(6) + 1) * 1000 + 3000;
        for (int draw = 0; draw < roundThousandsSubtrahendDraws; ++draw) {
            p.b = (random.R(6) + 1) * 1000;
            if (p.a > p.b)
                break;
        }
        return p;
    }
    p.a = (random.R(8) + 1) * 1000; // the thousands before the hundreds
    p.a += (random.R(8) + 1) * 100;
    // B takes away one part of A, so the other part is what remains.
    p.b = k <= 6 ? p.a % 1000 : p.a / 1000 * 1000;
    return p;
}

// Two digits: B is a one-digit number or a round ten.
QString twoDigitExplanation(int a, int b) {
    const int a1 = a % 10;
    const int a10 = a / 10;
    const int b1 = b % 10;
    const int b10 = b / 10;
    if (b < 10) {
        if (b1 == a1)
            return QStringLiteral("一のくらい どうしで ひくと 0 なので、\r十のくらいの ") + n(a10 * 10) +
                   QStringLiteral(" だけが のこる。");
        if (b1 < a1)
            return QStringLiteral("一のくらい どうしで ひいた") + n(a1 - b1) + QStringLiteral(" に、") +
                   u'\r' + QStringLiteral("十のくらいの ") + n(a10 * 10) + QStringLiteral(" を たす。");
        // The ones cannot be taken away: one ten of A joins its ones.
        const int rest = (a10 - 1) * 10;
        return QStringLiteral("一のくらい どうしでは ひけないので\r") + n(a) + QStringLiteral(" を ") +
               n(rest) + QStringLiteral(" と ") + n(a1 + 10) + QStringLiteral(" に わけ、") + u'\r' +
               n(a1 + 10) + QStringLiteral(" から ") + n(b1) + QStringLiteral(" を") +
               QStringLiteral("ひいた ") + n(a1 + 10 - b1) + QStringLiteral(" に、") + u'\r' + n(rest) +
               QStringLiteral(" をたす。");
    }
    // A round-ten B has no ones, so only A's ones are told.
    if (a1 == 0)
        return QStringLiteral("十のくらい どうしで ひく。 ");
    if (a10 == b10)
        return QStringLiteral("十のくらい どうしで ひくと 0 なので、\r 一のくらいの ") + n(a1) +
               QStringLiteral(" だけがのこる。");
    return QStringLiteral("十のくらい どうしで ひいた ") + n((a10 - b10) * 10) + QStringLiteral(" に、") +
           u'\r' + QStringLiteral("一のくらいの ") + n(a1) + QStringLiteral(" を たす。");
}

// Three digits: round hundreds, or hundreds and tens minus a round ten.
QString threeDigitExplanation(int a, int b) {
    const int r = a % 100;
    const int q = b % 100;
    const int h = a / 100;
    if (r == 0 && q == 0)
        return QStringLiteral("百のくらい どうしで ひく。");
    if (q == r)
        return QStringLiteral("十のくらい どうしで ひくと 0 なので、\r百のくらいの ") + n(h * 100) +
               QStringLiteral(" だけが のこる。");
    if (q < r)
        return QStringLiteral("十のくらい どうしで ひいた ") + n(r - q) + QStringLiteral(" に、") + u'\r' +
               QStringLiteral("百のくらいの ") + n(h * 100) + QStringLiteral(" を たす。");
    // The tens cannot be taken away: one hundred of A is split off, and B,
    // which is below 100 here, is taken from it.
    return QStringLiteral("十のくらい どうしでは ひけないので\r") + n(a) + QStringLiteral(" を ") +
           n(a - 100) + QStringLiteral(" と 100 に わけ、") + u'\r' + QStringLiteral("100 から ") + n(b) +
           QStringLiteral(" を ひいた ") + n(100 - b) + QStringLiteral(" に、") + u'\r' + n(a - 100) +
           QStringLiteral("を たす。");
}

// Four digits: round thousands, or A minus one of its two parts.
QString fourDigitExplanation(int a, int b) {
    if (a % 1000 == 0 && b % 1000 == 0)
        return QStringLiteral("千のくらい どうしで ひく。");
    if (b >= 1000)
        return QStringLiteral("千のくらい どうしで ひくと 0 なので、\r百のくらい だけが のこる。");
    return QStringLiteral("百のくらい どうしで ひくと 0 なので、\r千のくらい だけが のこる。");
}

} // namespace

QString openSubtraction(int a, int b) {
    return n(a) + QStringLiteral(" - ") + n(b) + QStringLiteral(" = ?");
}

QString completedSubtraction(int a, int b) {
    return n(a) + QStringLiteral(" - ") + n(b) + QStringLiteral(" = ") + n(a - b);
}

std::optional<SubtractionProblem> drawMentalSubtraction(int menuItem, RandomSource& random) {
    random.reseed();
    const int k = random.R(9);
    switch (menuItem) {
    case 1:
        return drawTwoDigits(k, random);
    case 2:
        return drawThreeDigits(k, random);
    case 3:
        return drawFourDigits(k, random);
    default:
        return std::nullopt;
    }
}

std::optional<QString> mentalSubtractionExplanation(int menuItem, int a, int b) {
    switch (menuItem) {
    case 1:
        return twoDigitExplanation(a, b);
    case 2:
        return threeDigitExplanation(a, b);
    case 3:
        return fourDigitExplanation(a, b);
    default:
        return std::nullopt;
    }
}
