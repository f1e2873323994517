// ひき算：あん算 — its problems, equations and explanations, and the screen driven through its controls.
#include "lessons/addsub/mental_subtraction.h"
#include "lessons/addsub/mental_subtraction_problems.h"
#include "tests/support/screen_driver.h"
#include "tests/support/seeded_random.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

class MentalSubtractionTest : public QObject {
    Q_OBJECT
private slots:
    void explanationText_data();
    void explanationText();
    void scriptedDraws_data();
    void scriptedDraws();
    void generatorKeepsItsPromises_data();
    void generatorKeepsItsPromises();
    void screenExplainsThenJudgesThousandsToOnes_data();
    void screenExplainsThenJudgesThousandsToOnes();
};

void MentalSubtractionTest::explanationText_data() {
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("text");
    const struct {
        int menuItem, a, b;
        const char* text;
    } rows[] = {
        {1, 65, 5, "一のくらい どうしで ひくと 0 なので、\r十のくらいの 60 だけが のこる。"},
        {1, 65, 3, "一のくらい どうしで ひいた2 に、\r十のくらいの 60 を たす。"},
        {1, 65, 8,
         "一のくらい どうしでは ひけないので\r65 を 50 と 15 に わけ、\r15 から 8 をひいた 7 に、\r50 "
         "をたす。"},
        {1, 15, 8,
         "一のくらい どうしでは ひけないので\r15 を 0 と 15 に わけ、\r15 から 8 をひいた 7 に、\r0 "
         "をたす。"},
        {1, 60, 30, "十のくらい どうしで ひく。 "},
        {1, 35, 30, "十のくらい どうしで ひくと 0 なので、\r 一のくらいの 5 だけがのこる。"},
        {1, 65, 30, "十のくらい どうしで ひいた 30 に、\r一のくらいの 5 を たす。"},
        {2, 340, 40, "十のくらい どうしで ひくと 0 なので、\r百のくらいの 300 だけが のこる。"},
        {2, 340, 20, "十のくらい どうしで ひいた 20 に、\r百のくらいの 300 を たす。"},
        {2, 320, 40,
         "十のくらい どうしでは ひけないので\r320 を 220 と 100 に わけ、\r100 から 40 を ひいた 60 "
         "に、\r220を たす。"},
        {2, 500, 200, "百のくらい どうしで ひく。"},
        {3, 7000, 3000, "千のくらい どうしで ひく。"},
        {3, 3400, 3000, "千のくらい どうしで ひくと 0 なので、\r百のくらい だけが のこる。"},
        {3, 3400, 400, "百のくらい どうしで ひくと 0 なので、\r千のくらい だけが のこる。"},
        {4, 65, 5, "<none>"},
    };
    for (const auto& row : rows)
        QTest::addRow("%d - %d, entry %d", row.a, row.b, row.menuItem)
            << row.menuItem << row.a << row.b << QString::fromUtf8(row.text);
}

void MentalSubtractionTest::explanationText() {
    QFETCH(int, menuItem);
    QFETCH(int, a);
    QFETCH(int, b);
    QTEST(mentalSubtractionExplanation(menuItem, a, b).value_or(QStringLiteral("<none>")), "text");
    QCOMPARE(completedSubtraction(a, b), QStringLiteral("%1 - %2 = %3").arg(a).arg(b).arg(a - b));
}

void MentalSubtractionTest::scriptedDraws_data() {
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QList<int>>("limits"); // empty: not checked
    QTest::newRow("two digits, k 7: round tens redrawn as a pair, k kept")
        << 1 << QList<int>{7, 2, 5, 4, 4, 5, 1} << "60 - 20 = ?" << QList<int>{9, 8, 8, 8, 8, 8, 8};
    QTest::newRow("two digits, k 4: any A, round B")
        << 1 << QList<int>{4, 0, 0, 55, 2} << "65 - 30 = ?" << QList<int>{9, 89, 8, 89, 8};
    QTest::newRow("two digits, k 3: one-digit B")
        << 1 << QList<int>{3, 55, 7} << "65 - 8 = ?" << QList<int>{9, 89, 8};
    QTest::newRow("three digits, k 8: round hundreds redrawn as a pair")
        << 2 << QList<int>{8, 0, 6, 3, 1} << "500 - 200 = ?" << QList<int>{9, 7, 7, 7, 7};
    QTest::newRow("four digits, k 3: B alone redrawn")
        << 3 << QList<int>{3, 0, 5, 3, 2} << "4000 - 3000 = ?" << QList<int>{9, 6, 6, 6, 6};
    QTest::newRow("four digits, k 7: the thousands part")
        << 3 << QList<int>{7, 2, 3} << "3400 - 3000 = ?" << QList<int>{9, 8, 8};
    QTest::newRow("no entry of this screen: k only") << 0 << QList<int>{5} << "<none>" << QList<int>{9};

    // At each limit the last draw stands, however it compares.
    const auto atLimit = [](QList<int> first, QList<int> rejected, int limit, QList<int> last) {
        for (int draw = 1; draw < limit; ++draw)
            first += rejected;
        return first + last;
    };
    QTest::newRow("two digits: the last of 1000 pairs")
        << 1 << atLimit({8}, {0, 0}, twoDigitSubtractionDraws, {2, 3}) << "30 - 40 = ?" << QList<int>{};
    QTest::newRow("three digits: the last of 100 pairs")
        << 2 << atLimit({8}, {0, 1}, roundHundredsSubtractionDraws, {1, 2}) << "300 - 300 = ?"
        << QList<int>{};
    QTest::newRow("four digits: the last of 1000 Bs")
        << 3 << atLimit({2, 0}, {3}, roundThousandsSubtrahendDraws, {5}) << "4000 - 6000 = ?" << QList<int>{};
}

void MentalSubtractionTest::scriptedDraws() {
    QFETCH(int, menuItem);
    QFETCH(QList<int>, draws);
    QFETCH(QList<int>, limits);
    ScriptedRandom random;
    random.script(draws + QList<int>{0});
    const auto p = drawMentalSubtraction(menuItem, random);
    QTEST(p ? openSubtraction(p->a, p->b) : QStringLiteral("<none>"), "problem");
    if (!limits.isEmpty())
        QCOMPARE(random.limits, limits);
    QCOMPARE(random.remaining(), 1);
    QCOMPARE(random.reseeds, 1);
}

void MentalSubtractionTest::generatorKeepsItsPromises_data() {
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<int>("largest");  // difference
    QTest::addColumn<int>("kinds");    // of explanation
    QTest::addColumn<int>("smallB");   // B below this is the kind k chooses ...
    QTest::addColumn<double>("share"); // ... in this share of the problems
    QTest::newRow("two digits: B is 1 … 8 in 4 of 9") << 1 << 97 << 6 << 10 << 4.0 / 9;
    QTest::newRow("three digits: B is a round ten in 8 of 9") << 2 << 870 << 4 << 100 << 8.0 / 9;
    QTest::newRow("four digits: B is A's hundreds in 3 of 9") << 3 << 8000 << 3 << 1000 << 3.0 / 9;
}

void MentalSubtractionTest::generatorKeepsItsPromises() {
    QFETCH(int, menuItem);
    QFETCH(int, largest);
    QFETCH(int, smallB);
    SeededRandom random;
    const int problems = 9000;
    int small = 0;
    QSet<QString> kinds;
    for (int i = 0; i < problems; ++i) {
        const SubtractionProblem p = *drawMentalSubtraction(menuItem, random);
        const QByteArray problem = openSubtraction(p.a, p.b).toUtf8();
        // Every difference is at least 1 and fits the selectors 千 … 一.
        QVERIFY2(p.a > p.b && p.difference() <= largest && p.difference() <= 9999, problem);
        // The explanations tell B's digits only for one-digit Bs, and B whole only below 100.
        QVERIFY2(menuItem != 1 || p.b < 10 || p.b % 10 == 0, problem);
        QVERIFY2(menuItem != 2 || p.b % 100 <= p.a % 100 || p.b < 100, problem);
        QVERIFY2(menuItem != 3 || p.b % 1000 == 0 || p.difference() % 1000 == 0, problem);
        small += p.b < smallB;
        kinds << mentalSubtractionExplanation(menuItem, p.a, p.b)
                     ->section(u'\r', 0, 0)
                     .remove(QRegularExpression(QStringLiteral("\\d")));
    }
    // k is drawn once, so redrawn pairs do not tilt the kinds it chooses.
    QFETCH(double, share);
    QVERIFY(qAbs(double(small) / problems - share) < 0.03);
    QTEST(int(kinds.size()), "kinds");
}

void MentalSubtractionTest::screenExplainsThenJudgesThousandsToOnes_data() {
    QTest::addColumn<int>("menu");
    QTest::addColumn<QList<int>>("draws"); // the same problem twice: studied, then tested
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QString>("mark");
    QTest::newRow("65 - 8 = 57") << 0 << QList<int>{3, 55, 7} << QStringList{"pick 3 5", "pick 2 7"} << "○";
    QTest::newRow("3400 - 400 = 3000, the 百 picked twice")
        << 2 << QList<int>{4, 2, 3} << QStringList{"pick 5 3", "pick 4 4", "pick 4 0"} << "○";
    QTest::newRow("◆ with no digit judges 0") << 1 << QList<int>{0, 1, 1, 3} << QStringList{} << "×";
}

void MentalSubtractionTest::screenExplainsThenJudgesThousandsToOnes() {
    QFETCH(int, menu);
    QFETCH(QList<int>, draws);
    QFETCH(QStringList, picks);
    ScreenAlone<TForm6> d;
    QVERIFY(d.platform.media->events.isEmpty()); // not shown at creation
    d.platform.random->script(draws + draws);
    d.run({"open", QStringLiteral("menu %1").arg(menu), "next"});
    const LessonState& s = lessonState();
    QCOMPARE(d.caption(4), openSubtraction(s.operand1, s.operand2));
    QVERIFY(!d.enabled(4) && d.enabled(5));
    d.act("answer");
    QCOMPARE(d.caption(4), completedSubtraction(s.operand1, s.operand2));
    QCOMPARE(d.caption(5), *mentalSubtractionExplanation(menu + 1, s.operand1, s.operand2));
    QVERIFY(d.enabled(4) && !d.enabled(5));

    d.run({"mode", "next"});
    QCOMPARE(d.caption(3), QStringLiteral("こたえは 大きい「くらい」から じゅんに えらんでね！"));
    QCOMPARE(d.list(5)->text() + d.list(4)->text() + d.list(3)->text() + d.list(2)->text(),
             QStringLiteral("千百十一"));
    d.run(picks + QStringList{"pick 6 0"});
    QCOMPARE(d.caption(4), completedSubtraction(s.operand1, s.operand2));
    QTEST(d.caption(6), "mark");
    QVERIFY(d.caption(5).isEmpty() && d.enabled(4) && !d.enabled(5));
    QCOMPARE(d.cues(), QStringList({"pipo.wav", "pipo.wav", "pipo.wav", "poon.wav", "pipo.wav", "pipo.wav"}) +
                           QStringList(picks.size(), "bun.wav") +
                           QStringList{d.caption(6) == "○" ? "pinpon.wav" : "bubuu.wav"});
}

QTEST_MAIN(MentalSubtractionTest)
#include "test_mental_subtraction.moc"
