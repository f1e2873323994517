// たしざん：ひっ算 — its problems, the worked column and the screen driven through its controls.
#include "controls/shape.h"
#include "lessons/addsub/column_addition.h"
#include "lessons/addsub/column_addition_problems.h"
#include "tests/support/screen_driver.h"
#include "tests/support/seeded_random.h"

#include <QRegularExpression>
#include <QTest>

namespace {
const QString keeps = QStringLiteral("<keeps>");
const QString stepOne =
    QStringLiteral("【ステップ１】\r\r\u3000もんだいを タテに ならべて、\r\u3000下に 線を ひく。");
const QString stepTwoNoCarry =
    QStringLiteral("【ステップ２】\r\r\u3000一のくらい どうしを たして\r\u3000線の下に かく。");
} // namespace

class ColumnAdditionTest : public QObject {
    Q_OBJECT
private slots:
    void stepText_data();
    void stepText();
    void scriptedDraws_data();
    void scriptedDraws();
    void twoNumberSumsStayWithin11And178();
    void threeNumberTensAlwaysStayBelow18();

    void showResetRunsAtCreation();
    void studyCycleWalksTheColumn_data();
    void studyCycleWalksTheColumn();
    void stepButtonStartsOverWhenTheStepsAreCut_data();
    void stepButtonStartsOverWhenTheStepsAreCut();
    void testEntryGoesColumnByColumn_data();
    void testEntryGoesColumnByColumn();
    void aDoubleClickOnDiamondEntersOneColumn();
};

void ColumnAdditionTest::stepText_data() {
    QTest::addColumn<ColumnNumbers>("numbers");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("sumRow");
    QTest::addColumn<QString>("carry");
    QTest::newRow("two numbers, step 1 clears the carry") << ColumnNumbers{65, 78} << 1 << stepOne << ""
                                                          << "";
    QTest::newRow("three numbers, step 1 leaves the carry")
        << ColumnNumbers{19, 28, 37} << 1 << stepOne << "" << keeps;
    QTest::newRow("65 + 78, step 2 carries one ten")
        << ColumnNumbers{65, 78} << 2
        << "【ステップ２】\r\r\u3000一のくらい どうしを たした\r\u300013 の 3 を 線の下にかき、\r\u300010 は "
           "くり上げて、十の\r"
           "\u3000くらいの上に 小さく かいて\r\u3000おく。"
        << "3"
        << "1";
    QTest::newRow("65 + 78, step 3 adds the tens and the carry")
        << ColumnNumbers{65, 78} << 3
        << "【ステップ３】\r\r\u3000十のくらい どうしと くり上がりの  \r\u30001 を たして 線の下に かく。"
        << "143" << keeps;
    QTest::newRow("63 + 4, step 2 without a carry")
        << ColumnNumbers{63, 4} << 2 << stepTwoNoCarry << "7" << keeps;
    QTest::newRow("63 + 4, step 3 brings A's tens down")
        << ColumnNumbers{63, 4} << 3
        << "【ステップ３】\r\r\u3000十のくらいの 6\u3000を そのまま\r\u3000線の下に かく。"
        << "67" << keeps;
    QTest::newRow("68 + 5, step 3 adds the carry to A's tens")
        << ColumnNumbers{68, 5} << 3
        << "【ステップ３】\r\r\u3000十のくらいの 6\u3000に くり上がりの \r\u30001 を たして 線の下に かく。"
        << "73" << keeps;
    QTest::newRow("23 + 45, step 3 adds the tens")
        << ColumnNumbers{23, 45} << 3
        << "【ステップ３】\r\r\u3000十のくらい どうしを  たして \r\u3000線の下に かく。"
        << "68" << keeps;
    QTest::newRow("19 + 28 + 37, step 2 carries two tens")
        << ColumnNumbers{19, 28, 37} << 2
        << "【ステップ２】\r\r\u3000一のくらい どうしを たした\r\u300024 の 4 を 線の下に かき、\r\u300020 "
           "は くり上げて、"
           "十のくらい\r\u3000の上に 小さく かいておく。"
        << "4"
        << "2";
    QTest::newRow("19 + 28 + 37, step 3 adds the tens and the carry")
        << ColumnNumbers{19, 28, 37} << 3
        << "【ステップ３】\r\r\u3000十のくらい どうしと、くり上がりの\r\u30002 を たして、線の下に かく。"
        << "84" << keeps;
    QTest::newRow("12 + 23 + 34, step 2 without a carry")
        << ColumnNumbers{12, 23, 34} << 2 << stepTwoNoCarry << "9" << keeps;
    QTest::newRow("12 + 23 + 34, step 3 adds the tens")
        << ColumnNumbers{12, 23, 34} << 3
        << "【ステップ３】\r\r\u3000十のくらい どうしを たして \r\u3000線の下に かく。"
        << "69" << keeps;
}

void ColumnAdditionTest::stepText() {
    QFETCH(ColumnNumbers, numbers);
    QFETCH(int, step);
    const ColumnStep shown = columnAdditionStep(numbers, step);
    QTEST(shown.explanation, "text");
    QTEST(shown.sumRow, "sumRow");
    QTEST(shown.carryMark.value_or(keeps), "carry");
    QCOMPARE(shown.complete, step == 3);
}

void ColumnAdditionTest::scriptedDraws_data() {
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QList<int>>("limits");
    QTest::newRow("two numbers, k 3: two two-digit numbers")
        << 1 << QList<int>{3, 55, 68} << "65 + 78 = ?" << QList<int>{9, 80, 80};
    QTest::newRow("two numbers, k 2: a one-digit B")
        << 1 << QList<int>{2, 53, 3} << "63 + 4 = ?" << QList<int>{9, 80, 8};
    QTest::newRow("three numbers whose tens fit at once")
        << 2 << QList<int>{0, 9, 18, 27} << "19 + 28 + 37 = ?" << QList<int>{9, 89, 89, 89};
    QTest::newRow("three numbers: the third is redrawn until the tens stay below 18")
        << 2 << QList<int>{8, 70, 70, 88, 79, 5} << "80 + 80 + 15 = ?" << QList<int>{9, 89, 89, 89, 89, 89};
    QTest::newRow("no entry of this screen: k only, no problem")
        << 3 << QList<int>{4} << "<none>" << QList<int>{9};
}

void ColumnAdditionTest::scriptedDraws() {
    QFETCH(int, menuItem);
    QFETCH(QList<int>, draws);
    ScriptedRandom random;
    random.script(draws);
    const auto numbers = drawColumnAddition(menuItem, random);
    QTEST(numbers ? openColumnProblem(*numbers) : QStringLiteral("<none>"), "problem");
    QTEST(random.limits, "limits");
    QCOMPARE(random.reseeds, 1);
}

void ColumnAdditionTest::twoNumberSumsStayWithin11And178() {
    SeededRandom random;
    const int problems = 9000;
    int oneDigitB = 0;
    for (int i = 0; i < problems; ++i) {
        const ColumnNumbers n = *drawColumnAddition(1, random);
        const int sum = columnSum(n);
        QVERIFY2(n[0] >= 10 && n[0] <= 89 && sum >= 11 && sum <= 178, qPrintable(openColumnProblem(n)));
        QVERIFY2((n[1] >= 1 && n[1] <= 8) || (n[1] >= 10 && n[1] <= 89), qPrintable(openColumnProblem(n)));
        oneDigitB += n[1] < 10;
    }
    QVERIFY(qAbs(double(oneDigitB) / problems - 3.0 / 9) < 0.03);
}

void ColumnAdditionTest::threeNumberTensAlwaysStayBelow18() {
    SeededRandom random;
    for (int i = 0; i < 3000; ++i) {
        const ColumnNumbers n = *drawColumnAddition(2, random);
        for (int number : n)
            QVERIFY2(number >= 10 && number <= 98, qPrintable(openColumnProblem(n)));
        QVERIFY2(n[0] / 10 + n[1] / 10 + n[2] / 10 < 18 && columnSum(n) < 200,
                 qPrintable(openColumnProblem(n)));
    }

    // 98 and 98 leave no room for a third number: after it fails, both are drawn again.
    ScriptedRandom scripted;
    scripted.script({0, 88, 88, 0, 5, 5, 0});
    QCOMPARE(openColumnProblem(*drawColumnAddition(2, scripted)), QStringLiteral("15 + 15 + 10 = ?"));
    QCOMPARE(scripted.remaining(), 0);
}

void ColumnAdditionTest::showResetRunsAtCreation() {
    ScreenAlone<TForm4> d;
    QCOMPARE(d.platform.media->events, QStringList{"open pipo.wav"});
    QCOMPARE(lessonState().mode, StudyMode);
    for (int label = 4; label <= 12; ++label)
        QVERIFY2(d.caption(label).isEmpty(), qPrintable(QString::number(label)));
    QVERIFY(!d.enabled(4) && !d.enabled(5));
    QCOMPARE(d.caption(3), QStringLiteral("メニューを えらんでね！"));
}

void ColumnAdditionTest::studyCycleWalksTheColumn_data() {
    QTest::addColumn<int>("menu");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QStringList>("rows"); // Label6 … Label8
    QTest::addColumn<QStringList>("sums");
    QTest::addColumn<QStringList>("carries");
    QTest::addColumn<int>("carryTop");
    QTest::addColumn<QString>("equation");
    QTest::newRow("65 + 78: the fourth press clears the carry")
        << 0 << QList<int>{3, 55, 68} << QStringList{"", "65", "78"} << QStringList{"", "3", "143", ""}
        << QStringList{"", "1", "1", ""} << 264 << "65 + 78 = 143";
    QTest::newRow("19 + 28 + 37: the fourth press leaves the carry")
        << 1 << QList<int>{0, 9, 18, 27} << QStringList{"19", "28", "37"} << QStringList{"", "4", "84", ""}
        << QStringList{"", "2", "2", "2"} << 224 << "19 + 28 + 37 = 84";
}

void ColumnAdditionTest::studyCycleWalksTheColumn() {
    QFETCH(int, menu);
    QFETCH(QList<int>, draws);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, sums);
    QFETCH(QStringList, carries);
    QFETCH(QString, equation);
    ScreenAlone<TForm4> d;
    d.platform.random->script(draws);
    d.run({"open", QStringLiteral("menu %1").arg(menu), "next"});
    QTEST(d.label(10)->y(), "carryTop");
    QCOMPARE(d.caption(4), QString(equation).replace(QRegularExpression("= \\d+$"), "= ?"));
    QVERIFY(!d.enabled(4) && d.enabled(5));
    QCOMPARE(d.caption(3), QStringLiteral("「ステップ」ボタンで すすめてね！"));

    const QStringList steps{"１", "２", "３", "１"};
    for (int press = 0; press < 4; ++press) {
        const int before = static_cast<int>(d.cues().size());
        d.act("answer");
        const bool last = press == 2;
        QVERIFY(d.caption(5).startsWith("【ステップ" + steps[press] + "】"));
        QCOMPARE((QStringList{d.caption(6), d.caption(7), d.caption(8), d.caption(11)}),
                 rows + QStringList{"+"});
        QVERIFY(d.child<Shape>("Shape1")->isVisible());
        QCOMPARE(d.caption(9), sums[press]);
        QCOMPARE(d.caption(10), carries[press]);
        QCOMPARE(d.button(5)->caption(), "ステップ" + steps[press + 1 == 4 ? 1 : press + 1]);
        QCOMPARE(d.enabled(4), press >= 2);
        QVERIFY(d.enabled(5));
        QCOMPARE(d.caption(4).endsWith(" = ?"), press < 2);
        QCOMPARE(d.caption(3), last ? QStringLiteral("「つぎへ」ボタンで すすめてね！")
                                    : QStringLiteral("「ステップ」ボタンで すすめてね！"));
        QCOMPARE(d.cues().mid(before), QStringList{last ? "poon.wav" : "bun.wav"});
    }
    QCOMPARE(d.caption(4), equation);
}

void ColumnAdditionTest::stepButtonStartsOverWhenTheStepsAreCut_data() {
    QTest::addColumn<QStringList>("cut");
    QTest::newRow("a menu choice") << QStringList{"menu 0"};
    QTest::newRow("the mode button, there and back") << QStringList{"mode", "mode"};
}

void ColumnAdditionTest::stepButtonStartsOverWhenTheStepsAreCut() {
    QFETCH(QStringList, cut);
    ScreenAlone<TForm4> d;
    d.platform.random->script({3, 55, 68, 3, 10, 20});
    d.run(QStringList{"open", "menu 0", "next", "answer", "answer"} + cut);
    // The button names the step its next press shows, and that is the first again.
    QCOMPARE(d.button(5)->caption(), QStringLiteral("ステップ１"));
    d.run({"next", "answer"});
    QVERIFY(d.caption(5).startsWith(QStringLiteral("【ステップ１】")));
}

void ColumnAdditionTest::testEntryGoesColumnByColumn_data() {
    QTest::addColumn<int>("menu");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QStringList>("ones");
    QTest::addColumn<QStringList>("tens");
    QTest::addColumn<QString>("underLine");
    QTest::addColumn<QString>("carry");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("mark");
    const QList<int> p6578{3, 55, 68};
    QTest::newRow("65 + 78: 13 then 14")
        << 0 << p6578 << QStringList{"pick 3 1", "pick 2 3"} << QStringList{"pick 3 1", "pick 2 4"} << "3"
        << "1"
        << "143"
        << "○";
    QTest::newRow("65 + 78: 3 then 14")
        << 0 << p6578 << QStringList{"pick 2 3"} << QStringList{"pick 3 1", "pick 2 4"} << "3"
        << ""
        << "143"
        << "○";
    QTest::newRow("65 + 78: the carry left out of the tens")
        << 0 << p6578 << QStringList{"pick 3 1", "pick 2 3"} << QStringList{"pick 3 1", "pick 2 3"} << "3"
        << "1"
        << "133"
        << "×";
    QTest::newRow("65 + 78: ◆ with no digit enters 0 for each column")
        << 0 << p6578 << QStringList{} << QStringList{} << "0"
        << ""
        << "0"
        << "×";
    QTest::newRow("19 + 28 + 37: 24 then 8")
        << 1 << QList<int>{0, 9, 18, 27} << QStringList{"pick 3 2", "pick 2 4"} << QStringList{"pick 2 8"}
        << "4"
        << "2"
        << "84"
        << "○";
}

void ColumnAdditionTest::testEntryGoesColumnByColumn() {
    QFETCH(int, menu);
    QFETCH(QList<int>, draws);
    QFETCH(QStringList, ones);
    QFETCH(QStringList, tens);
    QFETCH(QString, total);
    QFETCH(QString, mark);
    ScreenAlone<TForm4> d;
    auto selectorsCleared = [&] {
        return d.list(2)->isVisible() && d.list(2)->text() == "一" && d.list(3)->text() == "十" &&
               d.list(4)->itemIndex() == -1 && lessonState().digitTens == 0 && lessonState().digitOnes == 0;
    };
    d.platform.random->script(draws);
    d.run({"open", QStringLiteral("menu %1").arg(menu), "mode", "next"});
    QVERIFY(d.caption(8).size() > 0 && d.caption(11) == "+" && d.caption(9).isEmpty());
    QVERIFY(d.child<Shape>("Shape1")->isVisible());
    QVERIFY(selectorsCleared());
    QCOMPARE(d.caption(3),
             QStringLiteral("一のくらい どうしを たした こたえを\rえらんでから、◆を おしてね！"));

    d.run(ones + QStringList{"pick 4 0"});
    QTEST(d.caption(9), "underLine");
    QTEST(d.caption(10), "carry");
    QVERIFY(d.caption(12).isEmpty() && !d.enabled(4));
    QVERIFY(selectorsCleared());
    QCOMPARE(d.caption(3), QStringLiteral("十のくらいどうしをたしたこたえを\rえらんでから、◆をおしてね！"));
    QCOMPARE(d.cues().last(), QStringLiteral("pipo.wav"));

    d.run(tens + QStringList{"pick 4 0"});
    QCOMPARE(d.caption(9), total);
    QCOMPARE(d.caption(12), mark);
    QCOMPARE(d.cues().last(), QString(mark == "○" ? "pinpon.wav" : "bubuu.wav"));
    QVERIFY(!d.caption(4).endsWith("?") &&
            d.caption(4).endsWith(" = " + QString::number(lessonState().correctAnswer)));
    QVERIFY(d.enabled(4));
    QCOMPARE(d.caption(3), QStringLiteral("「つぎへ」ボタンで すすめてね！"));

    // A further ◆ for the same problem changes nothing.
    const QStringList events = d.platform.media->events;
    d.run({"pick 2 9", "pick 4 0"});
    QCOMPARE(d.caption(9), total);
    QCOMPARE(d.caption(12), mark);
    QCOMPARE(d.platform.media->events.size(), events.size() + 2); // the digit's cue only
}

// A child double-clicks ◆ after the ones column: that is one entry, not the
// ones column and then an empty tens column judged ×.
void ColumnAdditionTest::aDoubleClickOnDiamondEntersOneColumn() {
    ScreenAlone<TForm4> d;
    d.platform.random->script({3, 55, 68});
    d.run({"open", "menu 0", "mode", "next", "pick 3 1", "pick 2 3", "double-pick 4 0"});
    QCOMPARE(lessonState().entryStep, 1);
    QCOMPARE(d.caption(9), QStringLiteral("3"));
    QVERIFY(d.caption(12).isEmpty());
    QCOMPARE(d.caption(3), QStringLiteral("十のくらいどうしをたしたこたえを\rえらんでから、◆をおしてね！"));
}

QTEST_MAIN(ColumnAdditionTest)
#include "test_column_addition.moc"
