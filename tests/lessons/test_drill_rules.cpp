// The three timed drills without a window: their problems, the answer row,
// the score, the clock and where the three screens differ.
#include "core/lesson_state.h"
#include "lessons/drills/drill_problems.h"
#include "lessons/drills/drill_run.h"
#include "lessons/drills/drill_screen_rules.h"
#include "tests/support/fakes.h"
#include "tests/support/seeded_random.h"

#include <QTest>
#include <QTime>

namespace {

using Draw = std::optional<DrillProblem> (*)(int, RandomSource&);

Draw generator(const QString& drill) {
    if (drill == "addition")
        return drawAdditionDrill;
    if (drill == "subtraction")
        return drawSubtractionDrill;
    return multiplicationDrillRules().draw;
}

QString shown(const std::optional<DrillProblem>& p) {
    return p ? openDrillProblem(*p) : QStringLiteral("<none>");
}

// n copies of a draw.
QList<int> times(int n, int draw) {
    return QList<int>(n, draw);
}

} // namespace

class DrillRulesTest : public QObject {
    Q_OBJECT
private slots:
    void scriptedDraws_data();
    void scriptedDraws();
    void fallbacksWhenEveryAttemptFails_data();
    void fallbacksWhenEveryAttemptFails();
    void generatorsKeepTheirPromises_data();
    void generatorsKeepTheirPromises();
    void problemAndAnswerRowTexts_data();
    void problemAndAnswerRowTexts();
    void resultTexts_data();
    void resultTexts();
    void timeChoiceSetsTheCountdown_data();
    void timeChoiceSetsTheCountdown();
    void screensDiffer_data();
    void screensDiffer();
};

void DrillRulesTest::scriptedDraws_data() {
    QTest::addColumn<QString>("drill");
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QList<int>>("limits");
    QTest::newRow("２けた, a 0: a one-digit second number")
        << "addition" << 1 << QList<int>{0, 55, 3} << "65 + 4 = ?" << QList<int>{9, 80, 8};
    QTest::newRow("２けた, a 8: a round first number")
        << "addition" << 1 << QList<int>{8, 3, 55} << "40 + 65 = ?" << QList<int>{9, 8, 80};
    QTest::newRow("２けた・３つ: 23 after 41 and 32 passes at once")
        << "addition" << 2 << QList<int>{4, 31, 22, 13} << "41 + 32 + 23 = ?" << QList<int>{9, 89, 89, 89};
    QTest::newRow("２けた・３つ: 27 after 45 and 38 makes ones of 20, only the third is drawn again")
        << "addition" << 2 << QList<int>{0, 35, 28, 17, 13} << "45 + 38 + 23 = ?"
        << QList<int>{9, 89, 89, 89, 89};
    QTest::newRow("３けた, a 4: hundreds + hundreds")
        << "addition" << 3 << QList<int>{4, 2, 3} << "300 + 400 = ?" << QList<int>{9, 7, 7};
    QTest::newRow("３けた, a 5: hundreds + tens")
        << "addition" << 3 << QList<int>{5, 6, 7} << "700 + 80 = ?" << QList<int>{9, 7, 8};
    QTest::newRow("４けた, a 4: 7000 + 7000 needs 万")
        << "addition" << 4 << QList<int>{4, 6, 6} << "7000 + 7000 = ?" << QList<int>{9, 7, 7};
    QTest::newRow("addition, no such entry: a only")
        << "addition" << 5 << QList<int>{3} << "<none>" << QList<int>{9};
    QTest::newRow("２けたから, a 6: a smaller second number, redrawn until it is")
        << "subtraction" << 1 << QList<int>{6, 9, 29, 4} << "20 - 5 = ?" << QList<int>{9, 88, 88, 88};
    QTest::newRow("２けたから, a 7: the first number is drawn again with each borrowing one")
        << "subtraction" << 1 << QList<int>{7, 10, 48, 0, 41, 3} << "52 - 8 = ?"
        << QList<int>{9, 88, 88, 4, 88, 4};
    QTest::newRow("３けたから, a 2: 103 - 8")
        << "subtraction" << 2 << QList<int>{2, 3, 7} << "103 - 8 = ?" << QList<int>{9, 9, 98};
    QTest::newRow("３けたから, a 3: 150 - 77 after a second number too small")
        << "subtraction" << 2 << QList<int>{3, 60, 9, 50, 76} << "150 - 77 = ?"
        << QList<int>{9, 79, 98, 79, 98};
    QTest::newRow("subtraction, no such entry: a only")
        << "subtraction" << 3 << QList<int>{0} << "<none>" << QList<int>{9};
    QTest::newRow("かけ算: 8 x 8, the largest")
        << "multiplication" << 0 << QList<int>{7, 7} << "8 x 8 = ?" << QList<int>{8, 8};
}

void DrillRulesTest::scriptedDraws() {
    QFETCH(QString, drill);
    QFETCH(int, menuItem);
    QFETCH(QList<int>, draws);
    ScriptedRandom random;
    random.script(draws);
    QTEST(shown(generator(drill)(menuItem, random)), "problem");
    QTEST(random.limits, "limits");
    QCOMPARE(random.reseeds, 1);
}

void DrillRulesTest::fallbacksWhenEveryAttemptFails_data() {
    QTest::addColumn<QString>("drill");
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<int>("answer");

    QList<int> failingPairs; // 98 and 98: no third number keeps the tens below 18
    for (int round = 0; round < additionRounds; ++round)
        failingPairs << 88 << 88 << times(drillDraws, 0);
    QTest::newRow("２けた・３つ: after 1000 failing thirds all three are drawn again")
        << "addition" << 2 << (QList<int>{0} + failingPairs.mid(0, 2 + drillDraws) + QList<int>{2, 13, 24})
        << "12 + 23 + 34 = ?" << 69;
    QTest::newRow("２けた・３つ: a random source that always fails still gives a fitting problem")
        << "addition" << 2 << (QList<int>{0} + failingPairs) << "41 + 32 + 23 = ?" << 96;

    QList<int> borrow{7, 0};
    for (int draw = 0; draw < drillDraws; ++draw)
        borrow << 87 << 0; // 98 and 5: 8 is not below 5
    QList<int> hundreds{0};
    for (int draw = 0; draw < drillDraws; ++draw)
        hundreds << 8 << 0; // 8 and 1
    QTest::newRow("２けたから, a 6: 64 - 27")
        << "subtraction" << 1 << (QList<int>{6, 0} + times(drillDraws, 87)) << "64 - 27 = ?" << 37;
    QTest::newRow("２けたから, a 7: 63 - 7") << "subtraction" << 1 << borrow << "63 - 7 = ?" << 56;
    QTest::newRow("３けたから: 106 - 27") << "subtraction" << 2 << hundreds << "106 - 27 = ?" << 79;
}

void DrillRulesTest::fallbacksWhenEveryAttemptFails() {
    QFETCH(QString, drill);
    QFETCH(int, menuItem);
    QFETCH(QList<int>, draws);
    ScriptedRandom random;
    random.script(draws);
    const std::optional<DrillProblem> p = generator(drill)(menuItem, random);
    QTEST(shown(p), "problem");
    QTEST(p->correctAnswer, "answer");
    QCOMPARE(random.remaining(), 0);
}

void DrillRulesTest::generatorsKeepTheirPromises_data() {
    QTest::addColumn<QString>("drill");
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<int>("lowest");  // answer
    QTest::addColumn<int>("highest"); // answer
    QTest::newRow("２けた: 11 to 178") << "addition" << 1 << 11 << 178;
    QTest::newRow("２けた・３つ: 30 to 189, ones below 20, tens below 18") << "addition" << 2 << 30 << 189;
    QTest::newRow("３けた: 110 to 1400") << "addition" << 3 << 110 << 1400;
    QTest::newRow("４けた: 1100 to 14000") << "addition" << 4 << 1100 << 14000;
    QTest::newRow("２けたから: 1 to 97") << "subtraction" << 1 << 1 << 97;
    QTest::newRow("３けたから: 2 to 99, always borrowing from the hundreds") << "subtraction" << 2 << 2 << 99;
    QTest::newRow("かけ算: 1 to 64, no factor 9") << "multiplication" << 0 << 1 << 64;
}

void DrillRulesTest::generatorsKeepTheirPromises() {
    QFETCH(QString, drill);
    QFETCH(int, menuItem);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    SeededRandom random;
    for (int i = 0; i < 5000; ++i) {
        const DrillProblem p = *generator(drill)(menuItem, random);
        const QList<int>& n = p.numbers;
        const QByteArray text = openDrillProblem(p).toUtf8();
        QVERIFY2(p.correctAnswer >= lowest && p.correctAnswer <= highest, text);
        if (drill == "addition" && menuItem == 2) {
            QCOMPARE(n.size(), 3);
            QVERIFY2(n[0] % 10 + n[1] % 10 + n[2] % 10 < 20, text);
            QVERIFY2(n[0] / 10 + n[1] / 10 + n[2] / 10 < 18, text);
        }
        if (drill == "subtraction" && menuItem == 1 && n[1] >= 5 && n[1] <= 8 && n[0] % 10 < n[1])
            QVERIFY2(p.correctAnswer >= 3 && p.correctAnswer <= 89, text); // the borrowing kind
        if (drill == "subtraction" && menuItem == 2)
            QVERIFY2(n[0] >= 100 && n[0] <= 178 && n[1] > n[0] % 100, text);
        if (drill == "multiplication")
            QVERIFY2(n[0] >= 1 && n[0] <= 8 && n[1] >= 1 && n[1] <= 8, text);
    }
}

void DrillRulesTest::problemAndAnswerRowTexts_data() {
    QTest::addColumn<int>("op");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("entered");
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("mnd");
    QTest::addColumn<int>("kai");
    QTest::addColumn<QString>("hnt");
    const int plus = int(DrillOperator::Plus);
    QTest::newRow("right sum") << plus << QList<int>{12, 34} << 46 << "12 + 34 = ?"
                               << "\u300012 + 34" << 46 << " ○";
    QTest::newRow("three numbers, wrong") << plus << QList<int>{45, 38, 23} << 105 << "45 + 38 + 23 = ?"
                                          << "\u300045 + 38 + 23" << 106 << " ×";
    QTest::newRow("entered with 万") << plus << QList<int>{7000, 7000} << 14000 << "7000 + 7000 = ?"
                                     << "\u30007000 + 7000" << 14000 << " ○";
    QTest::newRow("difference") << int(DrillOperator::Minus) << QList<int>{64, 27} << 37 << "64 - 27 = ?"
                                << "\u300064 - 27" << 37 << " ○";
    QTest::newRow("product, nothing picked")
        << int(DrillOperator::Times) << QList<int>{8, 7} << 0 << "8 x 7 = ?"
        << "\u30008 x 7" << 56 << " ×";
}

void DrillRulesTest::problemAndAnswerRowTexts() {
    QFETCH(int, op);
    QFETCH(QList<int>, numbers);
    QFETCH(int, entered);
    QFETCH(int, kai);
    const DrillProblem p{DrillOperator(op), numbers, kai};
    QTEST(openDrillProblem(p), "open");
    const AnswerRow row = answerRow(7, p, entered);
    QCOMPARE(row.number, 7);
    QTEST(row.problem, "mnd");
    QCOMPARE(row.correctAnswer, kai);
    QCOMPARE(row.enteredAnswer, entered);
    QTEST(row.mark, "hnt");
    QCOMPARE(problemNumberText(7), QStringLiteral("もんだい：7"));
}

void DrillRulesTest::resultTexts_data() {
    QTest::addColumn<int>("problems");
    QTest::addColumn<int>("right");
    QTest::addColumn<QTime>("start");
    QTest::addColumn<QTime>("stop");
    QTest::addColumn<QStringList>("labels"); // Label5 … Label8; empty: no result
    const QString time = "じかん\u3000： %1 ふん %2 びょう";
    QTest::newRow("3 problems, 2 right, 5 minutes 4 seconds")
        << 3 << 2 << QTime(10, 0, 0) << QTime(10, 5, 4)
        << QStringList{"もんだい： 3", "○のかず： 2", "せいせき： 66 てん", time.arg(5).arg(4)};
    QTest::newRow("3 problems, 1 right, across midnight")
        << 3 << 1 << QTime(23, 59, 30) << QTime(0, 0, 40)
        << QStringList{"もんだい： 3", "○のかず： 1", "せいせき： 33 てん", time.arg(1).arg(10)};
    QTest::newRow("none right, stopped at once")
        << 7 << 0 << QTime(9, 30, 15) << QTime(9, 30, 15)
        << QStringList{"もんだい： 7", "○のかず： 0", "せいせき： 0 てん", time.arg(0).arg(0)};
    QTest::newRow("more counted than given: never above 100; the day's last second")
        << 1 << 2 << QTime(0, 0, 0) << QTime(23, 59, 59)
        << QStringList{"もんだい： 1", "○のかず： 2", "せいせき： 100 てん", time.arg(1439).arg(59)};
    QTest::newRow("no problem given: no result")
        << 0 << 0 << QTime(8, 0, 0) << QTime(8, 0, 12) << QStringList{};
}

void DrillRulesTest::resultTexts() {
    QFETCH(int, problems);
    QFETCH(int, right);
    QFETCH(QTime, start);
    QFETCH(QTime, stop);
    const auto result = drillResult(problems, right, elapsedSeconds(secondOfDay(start), secondOfDay(stop)));
    const QStringList labels =
        result ? QStringList{result->problems, result->correct, result->score, result->time} : QStringList{};
    QTEST(labels, "labels");
    QCOMPARE(drillScore(right, problems).has_value(), result.has_value());
}

void DrillRulesTest::timeChoiceSetsTheCountdown_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("limit"); // the tick that times out; 0: no countdown
    QTest::newRow("no limit") << 0 << " \u3000\u3000なし" << 0;
    QTest::newRow("5 minutes") << 1 << " \u3000５ふん" << 300;
    QTest::newRow("10 minutes") << 2 << " １０ぷん" << 600;
    QTest::newRow("15 minutes") << 3 << " １５ふん" << 900;
}

void DrillRulesTest::timeChoiceSetsTheCountdown() {
    QFETCH(int, index);
    QFETCH(int, limit);
    QTEST(timeChoices().value(index).item, "item");
    DrillTiming timing{timeLimitForChoice(index), 0, 0};
    QCOMPARE(timing.timeLimit, limit);
    // The time-out comes with the limit's tick, not one sooner.
    bool timedOut = false;
    while (limit > 0 && !timedOut)
        timedOut = countdownTick(timing);
    QCOMPARE(timing.tickCount, limit);
}

void DrillRulesTest::screensDiffer_data() {
    QTest::addColumn<QString>("drill");
    QTest::addColumn<int>("entered"); // with every digit field set
    QTest::addColumn<QString>("afterStart");
    QTest::addColumn<QString>("afterNext");
    QTest::addColumn<QString>("timeOut");
    const QString answer = "こたえを えらんでから ◆を おしてね！";
    QTest::newRow("addition: five places") << "addition" << 14567 << "こたえを えらんでから、◆を おしてね！"
                                           << "こたえは 大きい「くらい」から じゅんに えらんでね！"
                                           << "じかんに なったから ドリルを おわるよ！";
    QTest::newRow("subtraction: 十 and 一")
        << "subtraction" << 67 << answer << answer << "じかんに なったから ドリルを おわるよ！";
    QTest::newRow("multiplication: 十 and 一")
        << "multiplication" << 67 << answer << answer << "じかんになったから ドリルを おわるよ！";
}

void DrillRulesTest::screensDiffer() {
    QFETCH(QString, drill);
    QFETCH(int, entered);
    const DrillScreenRules& rules = drill == "addition"      ? additionDrillRules()
                                    : drill == "subtraction" ? subtractionDrillRules()
                                                             : multiplicationDrillRules();
    LessonState state;
    state.digitTenThousands = 10000;
    state.digitThousands = 4000;
    state.digitHundreds = 500;
    state.digitTens = 60;
    state.digitOnes = 7;
    // The screen's answer sums the places its lists stand for.
    int sum = 0;
    for (const DrillDigitSelector& selector : rules.digitSelectors)
        sum += digitField(state, selector.place);
    QCOMPARE(sum, entered);
    QTEST(rules.promptAfterStart, "afterStart");
    QTEST(rules.promptAfterNext, "afterNext");
    QTEST(rules.timeOutMessage, "timeOut");
    SeededRandom random;
    for (int item = 1; item <= qMax(1, int(rules.menuEntries.size())); ++item)
        QCOMPARE(rules.draw(item, random)->op, rules.op);
}

QTEST_GUILESS_MAIN(DrillRulesTest)
#include "test_drill_rules.moc"
