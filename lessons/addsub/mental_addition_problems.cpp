#include "lessons/addsub/mental_addition_problems.h"

#include "core/random_source.h"

namespace {

QString n(int value) {
    return QString::number(value);
}

// A two-digit number plus a one-digit number, a round ten, or two round tens.
std::optional<QString> twoDigitExplanation(int a, int b) {
    const int a1 = a % 10;
    const int a10 = a / 10;
    const int b1 = b % 10;
    const int b10 = b / 10;
    if (b < 10) {
        if (a1 + b1 > 10)
            return n(b) + QStringLiteral(" を ") + n(10 - a1) + QStringLiteral(" と ") + n(a1 + b1 - 10) +
                   QStringLiteral(" に わけ、") + u'\r' + n(a) + QStringLiteral(" と ") + n(10 - a1) +
                   QStringLiteral(" を たした ") + n((a10 + 1) * 10) + QStringLiteral(" に、") + u'\r' +
                   n(a1 + b1 - 10) + QStringLiteral(" を たす。") + u'\r' + u'\r' +
                   QStringLiteral("または、一のくらい どうしを ") + u'\r' + QStringLiteral("たした ") +
                   n(a1 + b1) + QStringLiteral(" に、") + QStringLiteral("十のくらいの ") + u'\r' +
                   n(a10 * 10) + QStringLiteral(" を たす。");
        if (a1 == 0)
            return QStringLiteral("そのまま たすだけ。");
        // A ones sum of exactly ten is told without splitting B.
        return QStringLiteral("一のくらい どうしを たした ") + n(a1 + b1) + QStringLiteral(" に、") + u'\r' +
               QStringLiteral("十のくらいの ") + n(a10 * 10) + QStringLiteral(" を ") +
               QStringLiteral("たす。");
    }
    if (a1 == 0 && b1 == 0)
        return QStringLiteral("十のくらい どうしを たすだけ。");
    // B of ten or more is always a round ten, so only A has ones to add.
    return QStringLiteral("十のくらい どうしを たした ") + n((a10 + b10) * 10) + QStringLiteral(" に、") +
           u'\r' + QStringLiteral("一のくらいの ") + n(a1) + QStringLiteral(" を たす。");
}

} // namespace

std::optional<MentalAdditionProblem> drawMentalAddition(int menuItem, RandomSource& random) {
    random.reseed();
    const int k = random.R(9);
    MentalAdditionProblem p;
    switch (menuItem) {
    case 1:
        p.a = k >= 6 ? (random.R(8) + 1) * 10 : random.R(80) + 10;
        p.b = k >= 4 ? (random.R(8) + 1) * 10 : random.R(8) + 1;
        return p;
    case 2:
        p.a = (random.R(7) + 1) * 100;
        p.b = k >= 5 ? (random.R(8) + 1) * 10 : (random.R(7) + 1) * 100;
        return p;
    case 3:
        p.a = (random.R(7) + 1) * 1000;
        p.b = k >= 5 ? (random.R(8) + 1) * 100 : (random.R(7) + 1) * 1000;
        return p;
    default:
        return std::nullopt;
    }
}

QString openAddition(int a, int b) {
    return n(a) + QStringLiteral(" + ") + n(b) + QStringLiteral(" = ?");
}

QString completedAddition(int a, int b) {
    return n(a) + QStringLiteral(" + ") + n(b) + QStringLiteral(" = ") + n(a + b);
}

std::optional<QString> mentalAdditionExplanation(int menuItem, int a, int b) {
    switch (menuItem) {
    case 1:
        return twoDigitExplanation(a, b);
    case 2:
        return b >= 100 ? QStringLiteral("百のくらい どうしを たす。")
                        : QStringLiteral("そのまま たすだけ。");
    case 3:
        return b >= 1000 ? QStringLiteral("千のくらい どうしを たす。")
                         : QStringLiteral("そのまま たすだけ。");
    default:
        return std::nullopt;
    }
}

const QStringList& mentalAdditionHint() {
    static const QStringList lines = {
        QString(),
        QStringLiteral("　たし算の しかたは、まず、おなじくらい "),
        QStringLiteral("　どうしをたし、つぎに、それらを あわせ"),
        QStringLiteral("　ればいいよ。"),
        QString(),
        QStringLiteral("　これを あん算で できれば あん算でやり、"),
        QStringLiteral("　できなければ ひっ算で すればいいよ。"),
    };
    return lines;
}
