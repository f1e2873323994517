#include "lessons/addsub/column_addition_problems.h"

#include "core/random_source.h"

namespace {

QString n(int value) {
    return QString::number(value);
}

QString terms(const ColumnNumbers& numbers) {
    QStringList parts;
    for (int number : numbers)
        parts << n(number);
    return parts.join(QStringLiteral(" + "));
}

int onesSum(const ColumnNumbers& numbers) {
    int s = 0;
    for (int number : numbers)
        s += number % 10;
    return s;
}

const QString stepOneText =
    QStringLiteral("【ステップ１】\r\r　もんだいを タテに ならべて、\r　下に 線を ひく。");
const QString stepTwoNoCarryText =
    QStringLiteral("【ステップ２】\r\r　一のくらい どうしを たして\r　線の下に かく。");

QString stepTwoCarryText(const ColumnNumbers& numbers, int s) {
    if (numbers.size() == 3)
        return QStringLiteral("【ステップ２】\r\r　一のくらい どうしを たした\r　") + n(s) +
               QStringLiteral(" の ") + n(s % 10) + QStringLiteral(" を 線の下に かき、") + u'\r' +
               QStringLiteral("　") + n(s / 10 * 10) + QStringLiteral(" は くり上げて、") +
               QStringLiteral("十のくらい") + u'\r' + QStringLiteral("　の上に 小さく かいておく。");
    // Two ones digits carry at most one ten.
    return QStringLiteral("【ステップ２】\r\r　一のくらい どうしを たした\r　") + n(s) +
           QStringLiteral(" の ") + n(s % 10) + QStringLiteral(" を 線の下にかき、") + u'\r' +
           QStringLiteral("　10 は くり上げて、十の") + u'\r' +
           QStringLiteral("　くらいの上に 小さく かいて") + u'\r' + QStringLiteral("　おく。");
}

QString stepThreeText(const ColumnNumbers& numbers, int s) {
    if (numbers.size() == 3) {
        if (s < 10)
            return QStringLiteral("【ステップ３】\r\r　十のくらい どうしを たして \r　線の下に かく。");
        return QStringLiteral("【ステップ３】\r\r　十のくらい どうしと、くり上がりの\r　") + n(s / 10) +
               QStringLiteral(" を たして、") + QStringLiteral("線の下に かく。");
    }
    const int a = numbers.value(0);
    const int b = numbers.value(1);
    if (s < 10) {
        if (b < 10)
            return QStringLiteral("【ステップ３】\r\r　十のくらいの ") + n(a / 10) +
                   QStringLiteral("　を そのまま") + u'\r' + QStringLiteral("　線の下に かく。");
        return QStringLiteral("【ステップ３】\r\r　十のくらい どうしを  たして \r　線の下に かく。");
    }
    if (b < 10)
        return QStringLiteral("【ステップ３】\r\r　十のくらいの ") + n(a / 10) +
               QStringLiteral("　に くり上がりの ") + u'\r' + QStringLiteral("　1 を たして 線の下に かく。");
    return QStringLiteral(
        "【ステップ３】\r\r　十のくらい どうしと くり上がりの  \r　1 を たして 線の下に かく。");
}

} // namespace

std::optional<ColumnNumbers> drawColumnAddition(int menuItem, RandomSource& random) {
    random.reseed();
    const int k = random.R(9);
    if (menuItem == 1) {
        const int a = random.R(80) + 10;
        const int b = k >= 3 ? random.R(80) + 10 : random.R(8) + 1;
        return ColumnNumbers{a, b};
    }
    if (menuItem == 2) {
        // Keep the tens column below 18 so the sum stays below 200. When the
        // first two tens already reach 17 no third number can do that, so
        // those two are drawn again as well, within the same limit of draws.
        int first = random.R(89) + 10;
        int second = random.R(89) + 10;
        int third = 0;
        for (int draw = 0; draw < thirdNumberDraws; ++draw) {
            third = random.R(89) + 10;
            if (first / 10 + second / 10 + third / 10 < 18)
                break;
            if (first / 10 + second / 10 >= 17) {
                first = random.R(89) + 10;
                second = random.R(89) + 10;
            }
        }
        return ColumnNumbers{first, second, third};
    }
    return std::nullopt;
}

int columnSum(const ColumnNumbers& numbers) {
    int sum = 0;
    for (int number : numbers)
        sum += number;
    return sum;
}

QString openColumnProblem(const ColumnNumbers& numbers) {
    return terms(numbers) + QStringLiteral(" = ?");
}

QString completedColumnProblem(const ColumnNumbers& numbers) {
    return terms(numbers) + QStringLiteral(" = ") + n(columnSum(numbers));
}

ColumnStep columnAdditionStep(const ColumnNumbers& numbers, int step) {
    const int s = onesSum(numbers);
    ColumnStep shown;
    switch (step) {
    case 1:
        shown.explanation = stepOneText;
        // Three numbers leave the carry of the last round standing.
        if (numbers.size() != 3)
            shown.carryMark = QString();
        break;
    case 2:
        if (s < 10) {
            shown.explanation = stepTwoNoCarryText;
            shown.sumRow = n(s);
        } else {
            shown.explanation = stepTwoCarryText(numbers, s);
            shown.sumRow = n(s % 10);
            shown.carryMark = n(s / 10);
        }
        break;
    default:
        shown.explanation = stepThreeText(numbers, s);
        shown.sumRow = n(columnSum(numbers));
        shown.complete = true;
        break;
    }
    return shown;
}

const QStringList& columnAdditionHint() {
    static const QStringList lines = {
        QString(),
        QStringLiteral("　【ひっ算のしかた】"),
        QStringLiteral("　　"),
        QStringLiteral("　　たされる数と たす数を、たてに くらいを そろえて かき、"),
        QStringLiteral("　　その下に 線を ひいて、こたえを 線の下に かくよ。"),
        QString(),
        QStringLiteral("　　"),
        QStringLiteral("　　まず、一の くらい どうしを たした数を 線の下に かく。"),
        QStringLiteral("　　その数が ２けたになる時は、一のくらいの数だけを線の"),
        QStringLiteral("　　下にかき、十のくらいの数は くりあげて 一つ上のくらいの"),
        QStringLiteral("　　上に小さく かいておくといいよ。"),
        QString(),
        QStringLiteral("　　くり上げた数は、一つ上のくらい どうしを たす時に、"),
        QStringLiteral("　　 いっしょに たせば いいよ。"),
        QString(),
        QString(),
        QStringLiteral("　【たし算の ひっ算の たしかめかた】"),
        QString(),
        QStringLiteral("　　たし算では、たされる数と たす数を いれかえても"),
        QStringLiteral("　　こたえは 同じだよ。"),
        QString(),
        QStringLiteral("　　そこで、つぎのような たし算の こたえは、"),
        QStringLiteral("　　　　　　　　３７　"),
        QStringLiteral("　　　　　　＋　４８　"),
        QStringLiteral(" 　 　　 　   －－－－－"),
        QStringLiteral("　　　　　　　　８５"),
        QString(),
        QStringLiteral("  　つぎの たし算で たしかめることが できるよ。"),
        QStringLiteral("　　　　　　　　４８　"),
        QStringLiteral("　　　　　　＋　３７"),
        QStringLiteral("　　　　　　－－－－－"),
        QStringLiteral("　　　　　　　　８５"),
        QStringLiteral("　"),
        QStringLiteral("　"),
        QStringLiteral("　　"),
    };
    return lines;
}
