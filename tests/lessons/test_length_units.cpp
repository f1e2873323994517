// 長さ：ｍｍ，ｃｍ，ｍ — its problems, selector captions, judging and texts.
#include "lessons/length/length_problems.h"
#include "lessons/length/length_units.h"
#include "tests/support/screen_driver.h"
#include "tests/support/seeded_random.h"

#include <QHash>
#include <QRegularExpression>
#include <QTest>

namespace {
const QString sumAnswerIndent = QStringLiteral("\u3000\u3000\u3000\u3000\u3000\u3000 \u3000= ");
const QStringList cmMm{"<hidden>", "cm", "mm"};
const QStringList places{" 百", " 十", " 一"};

// A failing pair of draws, over and over.
QList<int> repeated(const QList<int>& pair, int times) {
    QList<int> draws;
    for (int i = 0; i < times; ++i)
        draws += pair;
    return draws;
}

// What each list shows over its entries, left to right and ◆ last; "-" for a hidden one.
QStringList listFields(const ScreenDriver& d) {
    QStringList fields;
    for (int list : {4, 3, 2, 5})
        fields << (d.list(list)->isVisible() ? d.list(list)->text() : "-");
    return fields;
}

QStringList captionsOf(const LengthSelectorCaptions& c) {
    return {c.leftShown ? c.left : "<hidden>" + c.left, c.middle, c.right};
}

// The value the completed equation gives, counted in the answer's unit.
int completedValue(int menuItem, const QString& completed) {
    const QString answer = completed.section(QStringLiteral("= "), -1);
    const QHash<QString, int> units = menuItem == centimetresAndMetres
                                          ? QHash<QString, int>{{"m", 100}, {"cm", 1}}
                                          : QHash<QString, int>{{"cm", 10}, {"mm", 1}};
    int value = 0;
    for (const auto& m : QRegularExpression("(\\d+) (cm|mm|m)").globalMatch(answer))
        value += m.captured(1).toInt() * units.value(m.captured(2));
    return value;
}
} // namespace

class LengthUnitsTest : public QObject {
    Q_OBJECT
private slots:
    void examples_data();
    void examples();
    void lastPairStandsAfterAllDrawsFail_data();
    void lastPairStandsAfterAllDrawsFail();
    void anotherItemMakesNoProblem_data();
    void anotherItemMakesNoProblem();
    void generatorKeepsItsPromises_data();
    void generatorKeepsItsPromises();
    void explanationText_data();
    void explanationText();
    void selectorEntriesAreSpacedFullWidthDigits();

    void menuChoiceExplainsThenTestCycleJudges_data();
    void menuChoiceExplainsThenTestCycleJudges();
    void furtherPicksAreJudgedAgain();
    void noItemChosenOnThisShowingMakesNoProblem_data();
    void noItemChosenOnThisShowingMakesNoProblem();
};

void LengthUnitsTest::examples_data() {
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QList<int>>("limits");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("completed");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<int>>("digits"); // hundreds, tens, ones as picked
    QTest::addColumn<QString>("mark");
    const QList<int> p47{4, 37};
    const QList<int> l47{9, 89};
    QTest::newRow("47 mm: 4 under cm and 7 under mm")
        << 1 << p47 << l47 << "47 mm = ? cm ? mm"
        << "47 mm = 4 cm 7 mm" << cmMm << QList<int>{0, 4, 7} << "○";
    QTest::newRow("47 mm: ◆ with no digit submits 0")
        << 1 << p47 << l47 << "47 mm = ? cm ? mm"
        << "47 mm = 4 cm 7 mm" << cmMm << QList<int>{0, 0, 0} << "×";
    QTest::newRow("3 cm 5 mm: 35 with 百 left unchosen")
        << 1 << QList<int>{5, 2, 4} << QList<int>{9, 8, 8} << "3 cm 5 mm = ? mm"
        << "3 cm 5 mm = 35 mm" << places << QList<int>{0, 3, 5} << "○";
    QTest::newRow("125 cm: 1 under m, 2 and 5 under cm")
        << 2 << QList<int>{0, 25} << QList<int>{9, 99} << "125 cm = ? m ? cm"
        << "125 cm = 1 m 25 cm" << QStringList{" m", "cm", "cm"} << QList<int>{1, 2, 5} << "○";
    QTest::newRow("107 cm: 1, 0, 7") << 2 << QList<int>{4, 7} << QList<int>{9, 99} << "107 cm = ? m ? cm"
                                     << "107 cm = 1 m 7 cm" << QStringList{" m", "cm", "cm"}
                                     << QList<int>{1, 0, 7} << "○";
    QTest::newRow("1 m 7 cm is 107") << 2 << QList<int>{8, 6} << QList<int>{9, 98} << "1 m 7 cm = ? cm"
                                     << "1 m 7 cm = 107 cm" << places << QList<int>{1, 0, 7} << "○";
    QTest::newRow("34 + 52 is taken at once")
        << 3 << QList<int>{0, 23, 52} << QList<int>{9, 74, 85}
        << "3 cm 4 mm + 5 cm 2 mm\r\r\u3000\u3000\u3000\u3000\u3000\u3000 \u3000= ? cm ? mm"
        << "3 cm 4 mm + 5 cm 2 mm\r\r" + sumAnswerIndent + "8 cm 6 mm" << cmMm << QList<int>{0, 8, 6} << "○";
    QTest::newRow("34 + 50, 34 + 57, 54 + 52, 30 + 52 are redrawn; 34 + 5 shows 0 cm")
        << 3 << QList<int>{1, 23, 50, 23, 57, 43, 52, 19, 52, 23, 5}
        << QList<int>{9, 74, 85, 74, 85, 74, 85, 74, 85, 74, 85}
        << "3 cm 4 mm + 0 cm 5 mm\r\r\u3000\u3000\u3000\u3000\u3000\u3000 \u3000= ? cm ? mm"
        << "3 cm 4 mm + 0 cm 5 mm\r\r" + sumAnswerIndent + "3 cm 9 mm" << cmMm << QList<int>{0, 3, 9} << "○";
    QTest::newRow("85 - 32 is taken at once")
        << 3 << QList<int>{5, 50, 21} << QList<int>{9, 64, 44}
        << "8 cm 5 mm - 3 cm 2 mm\r\r\u3000\u3000\u3000\u3000\u3000\u3000\u3000 = ? cm ? mm"
        << "8 cm 5 mm - 3 cm 2 mm\r\r" + sumAnswerIndent + "5 cm 3 mm" << cmMm << QList<int>{0, 5, 3} << "○";
    QTest::newRow("85 - 36, 85 - 30, 35 - 32, 80 - 32 are redrawn")
        << 3 << QList<int>{8, 50, 25, 50, 19, 0, 21, 45, 21, 50, 21}
        << QList<int>{9, 64, 44, 64, 44, 64, 44, 64, 44, 64, 44}
        << "8 cm 5 mm - 3 cm 2 mm\r\r\u3000\u3000\u3000\u3000\u3000\u3000\u3000 = ? cm ? mm"
        << "8 cm 5 mm - 3 cm 2 mm\r\r" + sumAnswerIndent + "5 cm 3 mm" << cmMm << QList<int>{0, 5, 2} << "×";
}

void LengthUnitsTest::examples() {
    QFETCH(int, menuItem);
    QFETCH(QList<int>, draws);
    QFETCH(QList<int>, digits);
    ScriptedRandom random;
    random.script(draws);
    const LengthProblem p = drawLengthProblem(menuItem, random).value();
    QTEST(random.limits, "limits");
    QCOMPARE(random.reseeds, 1);
    QTEST(p.text, "problem");
    QTEST(completedLengthProblem(menuItem, p.lengthKind, p.operand1, p.operand2).value(), "completed");
    QTEST(captionsOf(lengthSelectorCaptions(menuItem, p.lengthKind).value()), "captions");
    // The screen composes the bare digits as hundreds, tens and ones.
    const bool right = digits[0] * 100 + digits[1] * 10 + digits[2] == p.correctAnswer;
    QTEST(right ? QStringLiteral("○") : QStringLiteral("×"), "mark");
}

void LengthUnitsTest::lastPairStandsAfterAllDrawsFail_data() {
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<int>("correctAnswer");
    QTest::newRow("addition: 54 + 52 after 999 of 34 + 50")
        << QList<int>{0} + repeated({23, 50}, lengthPairDraws - 1) + QList<int>{43, 52}
        << "5 cm 4 mm + 5 cm 2 mm" << 106;
    QTest::newRow("subtraction: 85 - 30 after 999 of 85 - 36")
        << QList<int>{5} + repeated({50, 25}, lengthPairDraws - 1) + QList<int>{50, 19}
        << "8 cm 5 mm - 3 cm 0 mm" << 55;
}

void LengthUnitsTest::lastPairStandsAfterAllDrawsFail() {
    QFETCH(QList<int>, draws);
    ScriptedRandom random;
    random.script(draws);
    const LengthProblem p = drawLengthProblem(lengthSums, random).value();
    QCOMPARE(random.remaining(), 0);
    QTEST(p.text.section(u'\r', 0, 0), "firstLine");
    QTEST(p.correctAnswer, "correctAnswer");
}

void LengthUnitsTest::anotherItemMakesNoProblem_data() {
    QTest::addColumn<int>("menuItem");
    QTest::newRow("none chosen yet") << 0;
    QTest::newRow("an item another screen left") << 4;
}

void LengthUnitsTest::anotherItemMakesNoProblem() {
    QFETCH(int, menuItem);
    ScriptedRandom random;
    QVERIFY(!drawLengthProblem(menuItem, random));
    QVERIFY(random.limits.isEmpty());
    QVERIFY(!lengthExplanation(menuItem) && !lengthSelectorCaptions(menuItem, 1));
    QVERIFY(!openLengthProblem(menuItem, 1, 47, 0) && !completedLengthProblem(menuItem, 1, 47, 0));
}

void LengthUnitsTest::generatorKeepsItsPromises_data() {
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<int>("form");
    QTest::addColumn<QList<int>>("ranges"); // lowest and highest operand1, then operand2
    QTest::newRow("mm into cm and mm") << 1 << 1 << QList<int>{10, 98, 0, 0};
    QTest::newRow("cm and mm into mm") << 1 << 2 << QList<int>{1, 8, 1, 8};
    QTest::newRow("cm into m and cm") << 2 << 1 << QList<int>{100, 198, 0, 0};
    QTest::newRow("m and cm into cm") << 2 << 2 << QList<int>{1, 1, 1, 98};
    QTest::newRow("addition") << 3 << 1 << QList<int>{11, 84, 1, 84};
    QTest::newRow("subtraction") << 3 << 2 << QList<int>{35, 98, 11, 54};
}

void LengthUnitsTest::generatorKeepsItsPromises() {
    QFETCH(int, menuItem);
    QFETCH(int, form);
    SeededRandom random;
    const int problems = 9000;
    int inForm = 0;
    QList<int> seen{1000, -1, 1000, -1};
    for (int i = 0; i < problems; ++i) {
        const int before = random.draws;
        const LengthProblem p = drawLengthProblem(menuItem, random).value();
        if (p.lengthKind != form)
            continue;
        ++inForm;
        const QByteArray what = p.text.toUtf8();
        seen = {qMin(seen[0], p.operand1), qMax(seen[1], p.operand1), qMin(seen[2], p.operand2),
                qMax(seen[3], p.operand2)};
        // The answer can always be entered with the selectors shown, and the
        // completed equation agrees with it.
        const int c = p.correctAnswer;
        QVERIFY2(c >= 0 && (c < 100 || lengthSelectorCaptions(menuItem, form)->leftShown), what);
        QVERIFY2(c < 1000, what);
        QCOMPARE(completedValue(menuItem, *completedLengthProblem(menuItem, form, p.operand1, p.operand2)),
                 c);
        QCOMPARE(p.text, *openLengthProblem(menuItem, form, p.operand1, p.operand2));
        if (menuItem == lengthSums) {
            const int a = p.operand1;
            const int b = p.operand2;
            QVERIFY2(a % 10 > 0 && b % 10 > 0, what);
            if (form == 1)
                QVERIFY2(a / 10 + b / 10 < 10 && a % 10 + b % 10 < 10, what);
            else
                QVERIFY2(a / 10 > b / 10 && b % 10 < a % 10, what);
            QVERIFY2(random.draws - before < 1 + 2 * lengthPairDraws, what);
        }
    }
    QTEST(seen, "ranges");
    QVERIFY(qAbs(double(inForm) / problems - (form == 1 ? 5.0 : 4.0) / 9) < 0.03);
}

void LengthUnitsTest::explanationText_data() {
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QString>("text");
    QTest::newRow("ｍｍとｃｍ")
        << 1
        << "ｍｍ（ミリメートル） と ｃｍ（センチメートル）は、\r長さを あらわす「たんい」だよ。\r\r１ｍｍは、"
           "１円だま の あつさ くらいの 長さで、\r１ｍｍが １０コぶんの １０ｍｍの 長さは １ｃｍ \rになるよ。"
           "\r\r\u3000\u3000１ｃｍ＝１０ｍｍ\r\rたとえば、１ｍｍが ２５コぶんの ２５ｍｍの "
           "長さは、\r１ｃｍが "
           "２コぶんと１ｍｍが ５コぶんの 長さと同じで、\r２ｃｍ５ｍｍ とかくよ。\r\r\u3000\u3000２５ｍｍ＝"
           "２ｃｍ５ｍｍ";
    QTest::newRow("ｃｍとｍ")
        << 2
        << "ｍ（メートル）も 長さを あらわす「たんい」だよ。\r\r１ｃｍが １００コぶんの １００ｃｍ の長さは "
           "\r"
           "１ｍ になるよ。\r\r\u3000\u3000１ｍ＝１００ｃｍ\r\rたとえば、１２５ｃｍの 長さは、１ｍが １コと "
           "\r"
           "１ｃｍが ２５コの長さで、１ｍ２５ｃｍと かくよ。\r\r\u3000\u3000１２５ｃｍ＝１ｍ２５ｃｍ";
    QTest::newRow("けいさん")
        << 3
        << "ｃｍと ｍｍが まざった たし算や ひき算では、\rｃｍは ｃｍどうし、ｍｍは ｍｍどうしで けいさん\r"
           "をすればいいよ。\r\rたとえば、\r\r\u3000６ｃｍ３ｍｍ＋２ｃｍ４ｍｍ＝８ｃｍ７ｍｍ\r\r\u3000８ｃｍ"
           "５"
           "ｍｍ－３ｃｍ２ｍｍ＝５ｃｍ３ｍｍ";
}

void LengthUnitsTest::explanationText() {
    QFETCH(int, menuItem);
    QTEST(lengthExplanation(menuItem).value(), "text");
}

void LengthUnitsTest::selectorEntriesAreSpacedFullWidthDigits() {
    QCOMPARE(lengthDigitEntries().join("|") + "|" + lengthSubmitEntry(),
             QStringLiteral(" ０| １| ２| ３| ４| ５| ６| ７| ８| ９| ◆"));
}

void LengthUnitsTest::menuChoiceExplainsThenTestCycleJudges_data() {
    QTest::addColumn<int>("menu");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QString>("completed");
    QTest::addColumn<QString>("mark");
    const QStringList cmMm{"-", "cm", "mm", ""};
    const QStringList places{" 百", " 十", " 一", ""};
    QTest::newRow("47 mm") << 0 << QList<int>{4, 37} << "47 mm = ? cm ? mm" << cmMm
                           << QStringList{"pick 3 4", "pick 2 7"} << "47 mm = 4 cm 7 mm"
                           << "○";
    QTest::newRow("3 cm 5 mm") << 0 << QList<int>{5, 2, 4} << "3 cm 5 mm = ? mm" << places
                               << QStringList{"pick 3 3", "pick 2 5"} << "3 cm 5 mm = 35 mm"
                               << "○";
    QTest::newRow("125 cm") << 1 << QList<int>{0, 25} << "125 cm = ? m ? cm"
                            << QStringList{" m", "cm", "cm", ""}
                            << QStringList{"pick 4 1", "pick 3 2", "pick 2 5"} << "125 cm = 1 m 25 cm"
                            << "○";
    QTest::newRow("1 m 7 cm answered 17") << 1 << QList<int>{8, 6} << "1 m 7 cm = ? cm" << places
                                          << QStringList{"pick 3 1", "pick 2 7"} << "1 m 7 cm = 107 cm"
                                          << "×";
    QTest::newRow("34 + 52")
        << 2 << QList<int>{0, 23, 52}
        << "3 cm 4 mm + 5 cm 2 mm\r\r\u3000\u3000\u3000\u3000\u3000\u3000 \u3000= ? cm ? mm" << cmMm
        << QStringList{"pick 3 8", "pick 2 6"} << "3 cm 4 mm + 5 cm 2 mm\r\r" + sumAnswerIndent + "8 cm 6 mm"
        << "○";
    QTest::newRow("85 - 32, ◆ alone")
        << 2 << QList<int>{5, 50, 21}
        << "8 cm 5 mm - 3 cm 2 mm\r\r\u3000\u3000\u3000\u3000\u3000\u3000\u3000 = ? cm ? mm" << cmMm
        << QStringList{} << "8 cm 5 mm - 3 cm 2 mm\r\r" + sumAnswerIndent + "5 cm 3 mm"
        << "×";
}

void LengthUnitsTest::menuChoiceExplainsThenTestCycleJudges() {
    QFETCH(int, menu);
    QFETCH(QStringList, picks);
    QFETCH(QList<int>, draws);
    QFETCH(QString, mark);
    ScreenAlone<TForm11> d;
    d.platform.random->script(draws);
    d.run({"open", QStringLiteral("menu %1").arg(menu)});
    QCOMPARE(d.caption(4), lengthExplanation(menu + 1).value());
    QVERIFY(!d.enabled(4));
    QCOMPARE(d.caption(3), QStringLiteral("メニューを えらんでね！"));
    d.act("mode");
    QVERIFY(d.enabled(4) && d.caption(4).isEmpty());
    QCOMPARE(d.caption(3), QStringLiteral("「つぎへ」ボタンで すすめてね！"));
    d.act("next");
    QTEST(d.caption(5), "problem");
    QTEST(listFields(d), "fields");
    QVERIFY(!d.enabled(4));
    QCOMPARE(d.caption(3), QStringLiteral("こたえを えらんでから ◆を おしてね！"));
    d.run(picks);
    d.act("pick 5 0");
    QTEST(d.caption(5), "completed");
    QCOMPARE(d.caption(6), mark);
    QVERIFY(d.enabled(4));
    QCOMPARE(d.caption(3), QStringLiteral("「つぎへ」ボタンで すすめてね！"));
    // Shown, menu, the switch to test (bun, then pipo), つぎへ, each digit, ◆.
    QCOMPARE(d.cues(), QStringList({"pipo.wav", "pipo.wav", "bun.wav", "pipo.wav", "pipo.wav"}) +
                           QStringList(picks.size(), "bun.wav") +
                           QStringList{mark == "○" ? "pinpon.wav" : "bubuu.wav"});
}

void LengthUnitsTest::furtherPicksAreJudgedAgain() {
    ScreenAlone<TForm11> d;
    d.platform.random->script({4, 37});
    d.run({"open", "menu 0", "mode", "next", "pick 3 4", "pick 5 0"});
    QCOMPARE(lessonState().enteredAnswer, 40);
    QCOMPARE(d.caption(6), QStringLiteral("×"));
    d.run({"pick 2 7", "pick 5 0"});
    QCOMPARE(lessonState().enteredAnswer, 47);
    QCOMPARE(d.caption(6), QStringLiteral("○"));
    QCOMPARE(d.caption(5), QStringLiteral("47 mm = 4 cm 7 mm"));
    QCOMPARE(listFields(d), (QStringList{"-", " ４", " ７", " ◆"}));
    // Back to study: the board is cleared and つぎへ waits for the next switch.
    d.act("mode");
    QVERIFY(d.caption(5).isEmpty() && !d.enabled(4));
    QCOMPARE(listFields(d), QStringList(4, "-"));
    QCOMPARE(d.cues().last(), QStringLiteral("pipo.wav"));
}

void LengthUnitsTest::noItemChosenOnThisShowingMakesNoProblem_data() {
    QTest::addColumn<int>("leftItem");
    QTest::addColumn<bool>("shownBefore");
    QTest::newRow("another screen's item 4") << 4 << false;
    QTest::newRow("item 1 left by another screen") << 1 << false;
    QTest::newRow("an item chosen on an earlier showing") << 0 << true;
}

void LengthUnitsTest::noItemChosenOnThisShowingMakesNoProblem() {
    QFETCH(int, leftItem);
    QFETCH(bool, shownBefore);
    ScreenAlone<TForm11> d;
    lessonState().menuItem = leftItem;
    lessonState().mode = StudyMode;
    if (shownBefore)
        d.run({"open", "menu 0", "back"});
    d.run({"open", "mode"});
    QCOMPARE(d.button(3)->caption(), QStringLiteral("テスト"));
    QVERIFY(!d.enabled(4));
    QCOMPARE(d.caption(3), QStringLiteral("メニューを えらんでね！"));
    QCOMPARE(d.cues().last(2), (QStringList{"bun.wav", "pipo.wav"}));
    d.screen.CuteButton4Click();
    QVERIFY(d.caption(5).isEmpty() && d.platform.random->limits.isEmpty());
    QCOMPARE(listFields(d), QStringList(4, "-"));
    QCOMPARE(d.caption(3), QStringLiteral("メニューを えらんでね！"));
}

QTEST_MAIN(LengthUnitsTest)
#include "test_length_units.moc"
