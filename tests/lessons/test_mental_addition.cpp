// たし算：あん算 — its problems, explanations and the screen driven through its controls.
#include "lessons/addsub/mental_addition.h"
#include "lessons/addsub/mental_addition_problems.h"
#include "tests/support/screen_driver.h"
#include "tests/support/seeded_random.h"

#include <QTest>

class MentalAdditionTest : public QObject {
    Q_OBJECT
private slots:
    void explanationText_data();
    void explanationText();
    void scriptedDraws_data();
    void scriptedDraws();
    void generatorKeepsItsRanges_data();
    void generatorKeepsItsRanges();

    void showResetRunsAtCreationAndOnEveryShow();
    void studyCycleExplainsTheProblem();
    void testModeJudgesTheDigitsPicked_data();
    void testModeJudgesTheDigitsPicked();
};

void MentalAdditionTest::explanationText_data() {
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("text");
    QTest::newRow("65 + 8 carries: B is split to make a ten")
        << 1 << 65 << 8
        << "8 を 5 と 3 に わけ、\r65 と 5 を たした 70 に、\r3 を たす。\r\rまたは、一のくらい どうしを \r"
           "たした 13 に、十のくらいの \r60 を たす。";
    QTest::newRow("89 + 8 carries from the largest two-digit number")
        << 1 << 89 << 8
        << "8 を 1 と 7 に わけ、\r89 と 1 を たした 90 に、\r7 を たす。\r\rまたは、一のくらい どうしを \r"
           "たした 17 に、十のくらいの \r80 を たす。";
    QTest::newRow("65 + 5 ones make exactly ten: no split")
        << 1 << 65 << 5 << "一のくらい どうしを たした 10 に、\r十のくらいの 60 を たす。";
    QTest::newRow("63 + 4 ones stay below ten")
        << 1 << 63 << 4 << "一のくらい どうしを たした 7 に、\r十のくらいの 60 を たす。";
    QTest::newRow("60 + 7 round A just adds") << 1 << 60 << 7 << "そのまま たすだけ。";
    QTest::newRow("40 + 30 two round tens") << 1 << 40 << 30 << "十のくらい どうしを たすだけ。";
    QTest::newRow("65 + 70 tens first, then A's ones")
        << 1 << 65 << 70 << "十のくらい どうしを たした 130 に、\r一のくらいの 5 を たす。";
    QTest::newRow("300 + 40 just adds") << 2 << 300 << 40 << "そのまま たすだけ。";
    QTest::newRow("300 + 400 adds the hundreds") << 2 << 300 << 400 << "百のくらい どうしを たす。";
    QTest::newRow("3000 + 400 just adds") << 3 << 3000 << 400 << "そのまま たすだけ。";
    QTest::newRow("3000 + 4000 adds the thousands") << 3 << 3000 << 4000 << "千のくらい どうしを たす。";
}

void MentalAdditionTest::explanationText() {
    QFETCH(int, menuItem);
    QFETCH(int, a);
    QFETCH(int, b);
    QTEST(mentalAdditionExplanation(menuItem, a, b).value_or(QStringLiteral("<none>")), "text");
}

void MentalAdditionTest::scriptedDraws_data() {
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QList<int>>("limits");
    QTest::newRow("two digits, k 6: two round tens")
        << 1 << QList<int>{6, 4, 2} << "50 + 30 = ?" << QList<int>{9, 8, 8};
    QTest::newRow("two digits, k 4: any A, round B")
        << 1 << QList<int>{4, 55, 6} << "65 + 70 = ?" << QList<int>{9, 80, 8};
    QTest::newRow("two digits, k 3: any A, one-digit B")
        << 1 << QList<int>{3, 55, 7} << "65 + 8 = ?" << QList<int>{9, 80, 8};
    QTest::newRow("three digits, k 5: hundreds + tens")
        << 2 << QList<int>{5, 2, 3} << "300 + 40 = ?" << QList<int>{9, 7, 8};
    QTest::newRow("three digits, k 4: hundreds + hundreds")
        << 2 << QList<int>{4, 6, 6} << "700 + 700 = ?" << QList<int>{9, 7, 7};
    QTest::newRow("four digits, k 5: thousands + hundreds")
        << 3 << QList<int>{5, 6, 7} << "7000 + 800 = ?" << QList<int>{9, 7, 8};
    QTest::newRow("four digits, k 4: thousands + thousands")
        << 3 << QList<int>{4, 6, 6} << "7000 + 7000 = ?" << QList<int>{9, 7, 7};
    QTest::newRow("no entry of this screen: k only, no problem")
        << 4 << QList<int>{8} << "<none>" << QList<int>{9};
}

void MentalAdditionTest::scriptedDraws() {
    QFETCH(int, menuItem);
    QFETCH(QList<int>, draws);
    ScriptedRandom random;
    random.script(draws);
    const auto p = drawMentalAddition(menuItem, random);
    QTEST(p ? openAddition(p->a, p->b) : QStringLiteral("<none>"), "problem");
    QTEST(random.limits, "limits");
    QCOMPARE(random.reseeds, 1);
}

void MentalAdditionTest::generatorKeepsItsRanges_data() {
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<int>("unit");   // A and round Bs are multiples of it
    QTest::addColumn<int>("smallB"); // B below this is the smaller kind
    QTest::addColumn<double>("smallShare");
    QTest::newRow("two digits: B is 1 … 8 in 4 of 9") << 1 << 1 << 10 << 4.0 / 9;
    QTest::newRow("three digits: B is a round ten in 4 of 9") << 2 << 100 << 100 << 4.0 / 9;
    QTest::newRow("four digits: B is a round hundred in 4 of 9") << 3 << 1000 << 1000 << 4.0 / 9;
}

void MentalAdditionTest::generatorKeepsItsRanges() {
    QFETCH(int, menuItem);
    QFETCH(int, unit);
    QFETCH(int, smallB);
    QFETCH(double, smallShare);
    SeededRandom random;
    const int problems = 9000;
    int small = 0;
    for (int i = 0; i < problems; ++i) {
        const MentalAdditionProblem p = *drawMentalAddition(menuItem, random);
        if (menuItem == 1)
            QVERIFY2(p.a >= 10 && p.a <= 89, qPrintable(openAddition(p.a, p.b)));
        else
            QVERIFY2(p.a % unit == 0 && p.a >= unit && p.a <= 7 * unit, qPrintable(openAddition(p.a, p.b)));
        if (p.b < smallB) {
            ++small;
            const int step = menuItem == 1 ? 1 : smallB / 10;
            QVERIFY2(p.b % step == 0 && p.b >= step && p.b <= 8 * step, qPrintable(openAddition(p.a, p.b)));
        } else {
            // The explanations name only A's lower digits: B has none.
            const int round = menuItem == 1 ? 10 : smallB;
            QVERIFY2(p.b % round == 0 && p.b <= (menuItem == 1 ? 80 : 7 * round),
                     qPrintable(openAddition(p.a, p.b)));
        }
    }
    QVERIFY(qAbs(double(small) / problems - smallShare) < 0.03);
}

void MentalAdditionTest::showResetRunsAtCreationAndOnEveryShow() {
    ScreenAlone<TForm3> d;
    auto checkReset = [&] {
        QCOMPARE(lessonState().mode, StudyMode);
        QCOMPARE(d.caption(3), QStringLiteral("メニューを えらんでね！"));
        QVERIFY(d.caption(4).isEmpty() && d.caption(5).isEmpty() && d.caption(6).isEmpty());
        QVERIFY(!d.enabled(4) && !d.enabled(5));
        QVERIFY(d.list(2)->isHidden() && d.list(7)->isHidden());
        QVERIFY(d.child("Memo1")->isHidden());
        QCOMPARE(lessonState().hintShown, 0);
    };
    // Created silently: the cue opens the device but start-up has not enabled sound yet.
    checkReset();
    QCOMPARE(d.platform.media->events, QStringList{"open pipo.wav"});

    d.platform.random->script({3, 55, 7});
    d.run({"open", "menu 0", "mode", "next", "hint", "back", "open"});
    checkReset();
    QCOMPARE(d.cues().last(), QStringLiteral("pipo.wav"));
    // The show leaves the menu entry and the mode button's caption as they were.
    QCOMPARE(lessonState().menuItem, 1);
    QCOMPARE(d.button(3)->caption(), QStringLiteral("テスト"));
}

void MentalAdditionTest::studyCycleExplainsTheProblem() {
    ScreenAlone<TForm3> d;
    d.platform.random->script({3, 55, 7});
    d.run({"open", "menu 0", "next"});
    QCOMPARE(d.caption(4), QStringLiteral("65 + 8 = ?"));
    QCOMPARE(lessonState().correctAnswer, 73);
    QVERIFY(!d.enabled(4) && d.enabled(5));
    QCOMPARE(d.caption(3), QStringLiteral("「こたえ」ボタンを おしてね！"));

    d.act("answer");
    QCOMPARE(d.caption(4), QStringLiteral("65 + 8 = 73"));
    QVERIFY(d.caption(5).startsWith(QStringLiteral("8 を 5 と 3 に わけ、\r")));
    QVERIFY(d.enabled(4) && !d.enabled(5));
    QCOMPARE(d.caption(3), QStringLiteral("「つぎへ」ボタンで すすめてね！"));
    QCOMPARE(d.cues(),
             (QStringList{"pipo.wav", "pipo.wav", "pipo.wav", "poon.wav"})); // show, menu, つぎへ, こたえ

    // The next problem clears the explanation.
    d.platform.random->script({4, 6, 2});
    d.act("next");
    QCOMPARE(d.caption(4), QStringLiteral("16 + 30 = ?"));
    QVERIFY(d.caption(5).isEmpty());
}

void MentalAdditionTest::testModeJudgesTheDigitsPicked_data() {
    QTest::addColumn<int>("menu");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QString>("equation");
    QTest::addColumn<int>("entered");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("cue");
    QTest::newRow("7000 + 7000 entered with 万 and 千")
        << 2 << QList<int>{4, 6, 6} << QStringList{"pick 6 0", "pick 5 4"} << "7000 + 7000 = 14000" << 14000
        << "○"
        << "pinpon.wav";
    QTest::newRow("3000 + 7000 entered with 万 alone")
        << 2 << QList<int>{4, 2, 6} << QStringList{"pick 6 0"} << "3000 + 7000 = 10000" << 10000 << "○"
        << "pinpon.wav";
    QTest::newRow("700 + 700 needs the 千 place")
        << 1 << QList<int>{4, 6, 6} << QStringList{"pick 5 1", "pick 4 4", "pick 3 0"} << "700 + 700 = 1400"
        << 1400 << "○"
        << "pinpon.wav";
    QTest::newRow("89 + 80 needs the 百 place")
        << 0 << QList<int>{5, 79, 7} << QStringList{"pick 4 1", "pick 3 6", "pick 2 9"} << "89 + 80 = 169"
        << 169 << "○"
        << "pinpon.wav";
    QTest::newRow("a place picked twice counts its last pick")
        << 0 << QList<int>{3, 55, 7} << QStringList{"pick 3 9", "pick 2 3", "pick 3 7"} << "65 + 8 = 73" << 73
        << "○"
        << "pinpon.wav";
    QTest::newRow("a wrong sum still shows the right equation")
        << 0 << QList<int>{3, 55, 7} << QStringList{"pick 3 6", "pick 2 3"} << "65 + 8 = 73" << 63 << "×"
        << "bubuu.wav";
    QTest::newRow("◆ with no digit judges 0")
        << 0 << QList<int>{3, 55, 7} << QStringList{} << "65 + 8 = 73" << 0 << "×"
        << "bubuu.wav";
}

void MentalAdditionTest::testModeJudgesTheDigitsPicked() {
    QFETCH(int, menu);
    QFETCH(QList<int>, draws);
    QFETCH(QStringList, picks);
    ScreenAlone<TForm3> d;
    d.platform.random->script(draws);
    d.run({"open", QStringLiteral("menu %1").arg(menu), "mode", "next"});
    QCOMPARE(d.caption(3), QStringLiteral("こたえを えらんでから ◆を おしてね！"));
    QStringList shown;
    for (int list = 2; list <= 7; ++list)
        if (d.list(list)->isVisible() && d.list(list)->itemIndex() == -1)
            shown << d.list(list)->text();
    QCOMPARE(shown, (QStringList{"一", "十", "百", "千", "万", ""}));

    d.run(picks);
    d.act("pick 7 0");
    QTEST(d.caption(4), "equation");
    // A second ◆ on the same problem shows the same equation, not one grown from the label.
    d.act("pick 7 0");
    QTEST(d.caption(4), "equation");
    QTEST(lessonState().enteredAnswer, "entered");
    QTEST(d.caption(6), "mark");
    QTEST(d.cues().last(), "cue");
    QVERIFY(d.caption(5).isEmpty());
    QVERIFY(d.enabled(4) && !d.enabled(5));
    QCOMPARE(d.caption(3), QStringLiteral("「つぎへ」ボタンで すすめてね！"));
}

QTEST_MAIN(MentalAdditionTest)
#include "test_mental_addition.moc"
