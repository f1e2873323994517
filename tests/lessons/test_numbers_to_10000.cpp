// 数：１００００まで — its problems and kanji numerals, and the screen driven
// through its controls on the whole program with a copy of the lesson tables.
#include "controls/data_grid.h"
#include "lessons/numbers/number_problems.h"
#include "tests/support/screen_driver.h"
#include "tests/support/seeded_random.h"

#include <QDir>
#include <QSet>
#include <QTest>

class NumbersTo10000Test : public QObject {
    Q_OBJECT
private slots:
    void kanjiNumeral_data();
    void kanjiNumeral();
    void generatorsKeepTheirRanges_data();
    void generatorsKeepTheirRanges();

    void eachEntryAsksAndAnswers_data();
    void eachEntryAsksAndAnswers();
    void testModeJudgesTheFiveDigitLists_data();
    void testModeJudgesTheFiveDigitLists();
    void modeButtonBeforeAnyEntryUsesTheMenuItemLeftBehind_data();
    void modeButtonBeforeAnyEntryUsesTheMenuItemLeftBehind();
    void hintDependsOnTheEntry();
    void placeValueHintShowsTheExamplesAboveZeroInOrder();
    void placeValueHintWithoutTablesReportsAndShowsNothing();
};

namespace {
// 数：１００００まで on the whole program, with its place-value table and its kanji hint.
struct Numbers : ProgramScreen {
    Numbers() : ProgramScreen("Form2") {}
    DataGrid* grid() const { return child<DataGrid>("DBGrid1"); }
    QWidget* memo() const { return child("Memo1"); }
};
} // namespace

// --- the problems, without a window ---

void NumbersTo10000Test::kanjiNumeral_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("kanji");
    QTest::newRow("3015") << 3015 << "三千十五";
    QTest::newRow("1100: one thousand and one hundred have no 一") << 1100 << "千百";
    QTest::newRow("8888") << 8888 << "八千八百八十八";
    QTest::newRow("1111: a one in the ones place is written") << 1111 << "千百十一";
    QTest::newRow("4653") << 4653 << "四千六百五十三";
    QTest::newRow("2020: zeros leave nothing") << 2020 << "二千二十";
    QTest::newRow("5608") << 5608 << "五千六百八";
    QTest::newRow("9999") << 9999 << "九千九百九十九";
    QTest::newRow("15") << 15 << "十五";
    QTest::newRow("2") << 2 << "二";
}

void NumbersTo10000Test::kanjiNumeral() {
    QFETCH(int, number);
    QTEST(::kanjiNumeral(number), "kanji");
}

void NumbersTo10000Test::generatorsKeepTheirRanges_data() {
    QTest::addColumn<int>("entry");
    QTest::newRow("数のあつまり１") << 1;
    QTest::newRow("数のあつまり２") << 2;
    QTest::newRow("かん字を数字へ") << 3;
}

void NumbersTo10000Test::generatorsKeepTheirRanges() {
    QFETCH(int, entry);
    SeededRandom source;
    QSet<int> kinds; // the patterns, the units asked for, or the hundreds digits seen
    for (int i = 0; i < 20000; ++i) {
        const NumberProblem p = entry == 1   ? makeCollectionProblem(source)
                                : entry == 2 ? makeGroupingProblem(source)
                                             : makeKanjiProblem(source);
        const QString seen = QStringLiteral("%1 = %2|%3|%4|%5")
                                 .arg(p.answer)
                                 .arg(p.thousands)
                                 .arg(p.hundreds)
                                 .arg(p.tens)
                                 .arg(p.ones);
        const int value = p.thousands * 1000 + p.hundreds * 100 + p.tens * 10 + p.ones;
        // No answer reaches 10000, so a picked 万 is always wrong here.
        QVERIFY2(p.answer > 0 && p.answer < 10000, qPrintable(seen));
        bool inRange = false;
        if (entry == 1) {
            kinds << p.pattern;
            const bool lowDigits = p.tens <= 8 && p.ones <= 8;
            if (p.pattern <= 4)
                inRange = p.thousands == 0 && p.hundreds >= 1 && p.hundreds <= 9 && lowDigits;
            else if (p.pattern <= 7)
                inRange = p.thousands >= 1 && p.thousands <= 9 && p.hundreds <= 8 && lowDigits;
            else
                inRange = p.thousands == 0 && p.hundreds >= 1 && p.hundreds <= 89 && p.tens + p.ones == 0;
            QCOMPARE(p.answer, value);
        } else if (entry == 2) {
            const int unit = p.question.section(QStringLiteral("、"), 1).section(u' ', 0, 0).toInt();
            kinds << unit;
            inRange = p.thousands >= 1 && p.thousands <= 9 && p.hundreds <= 8 && p.tens + p.ones == 0 &&
                      p.question.startsWith(QString::number(value) + QStringLiteral(" は、")) &&
                      p.answer * unit == value;
        } else {
            // Never a 9 below the thousands, never a thousands digit of 9.
            kinds << p.hundreds;
            inRange = p.thousands >= 1 && p.thousands <= 8 && p.hundreds <= 8 && p.tens <= 8 && p.ones <= 8 &&
                      p.answer == value;
        }
        QVERIFY2(inRange, qPrintable(seen + u' ' + p.question));
    }
    QCOMPARE(kinds.size(), entry == 2 ? 3 : 9);
}

// --- the screen ---

void NumbersTo10000Test::eachEntryAsksAndAnswers_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("correct");

    QTest::newRow("305: three hundreds and five ones, no tens line")
        << 0 << QList<int>{2, 2, 0, 5} << "100 の あつまりを 3 コ\r1 を 5 コ\rあわせた数は？"
        << "こたえ：300 + 5 = 305" << 305;
    QTest::newRow("320: no term for the ones")
        << 0 << QList<int>{4, 2, 2, 0} << "100 の あつまりを 3 コ\r10 の あつまりを 2 コ\rあわせた数は？"
        << "こたえ：300 + 20 = 320" << 320;
    QTest::newRow("4653: every place")
        << 0 << QList<int>{6, 3, 6, 5, 3}
        << "1000 の あつまりを 4 コ\r100 の あつまりを 6 コ\r10 の あつまりを 5 コ\r1 を 3 コ\rあわせた数は？"
        << "こたえ：4000 + 600 + 50 + 3 = 4653" << 4653;
    QTest::newRow("7008: thousands and ones only")
        << 0 << QList<int>{7, 6, 0, 0, 8} << "1000 の あつまりを 7 コ\r1 を 8 コ\rあわせた数は？"
        << "こたえ：7000 + 8 = 7008" << 7008;
    QTest::newRow("8900: 89 hundreds, answered without the sum")
        << 0 << QList<int>{8, 88} << "100 の あつまりを 89 コ\rあわせた数は？"
        << "こたえ： 8900" << 8900;
    QTest::newRow("5000 asks for thousands (a = 7)")
        << 1 << QList<int>{7, 4} << "5000 は、1000 を いくつ あつめた数？"
        << "こたえ： 5" << 5;
    QTest::newRow("5300 asks for hundreds (a = 3)")
        << 1 << QList<int>{3, 4, 2} << "5300 は、100 を いくつ あつめた数？"
        << "こたえ： 53" << 53;
    QTest::newRow("1800: a = 4 is the last to draw hundreds")
        << 1 << QList<int>{4, 0, 7} << "1800 は、100 を いくつ あつめた数？"
        << "こたえ： 18" << 18;
    QTest::newRow("7000: a = 5 asks for hundreds of whole thousands")
        << 1 << QList<int>{5, 6} << "7000 は、100 を いくつ あつめた数？"
        << "こたえ： 70" << 70;
    QTest::newRow("2400 asks for tens (a = 1)")
        << 1 << QList<int>{1, 1, 3} << "2400 は、10 を いくつ あつめた数？"
        << "こたえ： 240" << 240;
    QTest::newRow("三千十五") << 2 << QList<int>{2, 0, 1, 5} << "三千十五 を 数字で かくと？"
                              << "こたえ： 3015" << 3015;
    QTest::newRow("千百") << 2 << QList<int>{0, 1, 0, 0} << "千百 を 数字で かくと？"
                          << "こたえ： 1100" << 1100;
    QTest::newRow("八千八百八十八") << 2 << QList<int>{7, 8, 8, 8} << "八千八百八十八 を 数字で かくと？"
                                    << "こたえ： 8888" << 8888;
}

void NumbersTo10000Test::eachEntryAsksAndAnswers() {
    Numbers d;
    QFETCH(int, entry);
    QFETCH(QList<int>, draws);
    d.platform.random->script(draws);
    d.run({"open", QStringLiteral("menu %1").arg(entry), "next"});
    QTEST(d.caption(3), "question");
    QTEST(lessonState().correctAnswer, "correct");
    QCOMPARE(d.platform.random->remaining(), 0);
    QCOMPARE(d.platform.random->reseeds, 1);
    QVERIFY(!d.enabled(4) && d.enabled(5));
    QCOMPARE(d.caption(2), QStringLiteral("「こたえ」ボタンを おしてね！"));

    d.run({"answer"});
    QTEST(d.caption(4), "answer");
    QVERIFY(d.enabled(4) && !d.enabled(5));
    QCOMPARE(d.caption(2), QStringLiteral("「つぎへ」ボタンで すすめてね！"));
    QCOMPARE(d.cues().last(), QStringLiteral("poon.wav"));
}

void NumbersTo10000Test::testModeJudgesTheFiveDigitLists_data() {
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<bool>("right");
    // 305 is asked; ComboBox7 万, 6 千, 5 百, 4 十, 3 一.
    QTest::newRow("百 3 and 一 5 is right") << QStringList{"pick 5 3", "pick 3 5"} << true;
    QTest::newRow("万 makes it wrong, whatever else")
        << QStringList{"pick 7 0", "pick 5 3", "pick 3 5"} << false;
    QTest::newRow("the digits in the wrong places") << QStringList{"pick 4 3", "pick 3 5"} << false;
    QTest::newRow("nothing picked judges 0") << QStringList{} << false;
}

void NumbersTo10000Test::testModeJudgesTheFiveDigitLists() {
    Numbers d;
    QFETCH(QStringList, picks);
    d.platform.random->script({2, 2, 0, 5});
    d.run({"open", "menu 0", "mode", "next"});
    QCOMPARE(d.caption(2), QStringLiteral("こたえを えらんでから ◆をおしてね！"));
    // The child may skip to another problem without answering.
    QVERIFY(d.enabled(4) && !d.enabled(5));
    for (int list = 2; list <= 7; ++list) {
        QVERIFY(d.list(list)->isVisible());
        QCOMPARE(d.list(list)->itemIndex(), -1);
    }

    d.run(picks + QStringList{"pick 2 0"});
    QFETCH(bool, right);
    QCOMPARE(d.caption(5), right ? QStringLiteral("○") : QStringLiteral("×"));
    QCOMPARE(d.caption(4), QStringLiteral("こたえ： 305"));
    QCOMPARE(d.caption(3), QStringLiteral("100 の あつまりを 3 コ\r1 を 5 コ\rあわせた数は？"));
    QCOMPARE(d.cues().last(), right ? "pinpon.wav" : "bubuu.wav");
    QCOMPARE(d.caption(2), QStringLiteral("「つぎへ」ボタンで すすめてね！"));
}

void NumbersTo10000Test::modeButtonBeforeAnyEntryUsesTheMenuItemLeftBehind_data() {
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("mark"); // after picking 3 tens and 7 ones
    QTest::newRow("entry 2 left behind makes its problem")
        << 2 << QList<int>{7, 4} << "5000 は、1000 を いくつ あつめた数？"
        << "×";
    // No problem of ours: no question and no lists to answer it with; the
    // child is sent to the menu.
    QTest::newRow("another screen's entry 5 makes none") << 5 << QList<int>{} << ""
                                                         << "";
}

void NumbersTo10000Test::modeButtonBeforeAnyEntryUsesTheMenuItemLeftBehind() {
    Numbers d;
    QFETCH(int, menuItem);
    QFETCH(QList<int>, draws);
    lessonState().menuItem = menuItem;
    lessonState().correctAnswer = 37;
    d.platform.random->script(draws);
    d.run({"open", "mode"});
    QCOMPARE(lessonState().mode, TestMode);
    QCOMPARE(d.button(3)->caption(), QStringLiteral("テスト"));
    QVERIFY(d.enabled(4));
    QCOMPARE(d.caption(2), QStringLiteral("「つぎへ」ボタンで すすめてね！"));

    d.run({"next"});
    QTEST(d.caption(3), "question");
    QFETCH(QString, mark);
    QCOMPARE(d.list(2)->isVisible(), !mark.isEmpty());
    if (mark.isEmpty()) {
        QCOMPARE(d.caption(2), QStringLiteral("メニューを えらんでね！"));
    } else {
        d.run({"pick 4 3", "pick 3 7", "pick 2 0"});
        QCOMPARE(d.caption(5), mark);
    }
    QCOMPARE(d.platform.random->remaining(), 0);

    d.run({"mode"});
    QCOMPARE(lessonState().mode, StudyMode);
    QCOMPARE(d.caption(2), QStringLiteral("「メニュー」を えらんでね！"));
    QVERIFY(d.list(2)->isHidden());
}

void NumbersTo10000Test::hintDependsOnTheEntry() {
    Numbers d;
    TCuteButton* hint = d.button(6);
    lessonState().mode = TestMode;
    d.run({"open"});
    QCOMPARE(lessonState().mode, StudyMode);
    QVERIFY(!d.enabled(4) && !d.enabled(5) && !hint->isEnabled());
    QCOMPARE(d.caption(2), QStringLiteral("メニューを えらんでね！"));

    d.run({"menu 2"});
    QVERIFY(hint->isEnabled());
    QCOMPARE(hint->caption(), QStringLiteral("ポイント２"));
    // 数のあつまり２ has no hint: disabled, the caption the last entry left.
    d.run({"hint", "menu 1"});
    QVERIFY(d.memo()->isHidden());
    QCOMPARE(lessonState().hintShown, 0);
    QVERIFY(!hint->isEnabled());
    QCOMPARE(hint->caption(), QStringLiteral("ポイント２"));
    d.run({"menu 0"});
    QVERIFY(hint->isEnabled());
    QCOMPARE(hint->caption(), QStringLiteral("ポイント１"));
}

void NumbersTo10000Test::placeValueHintShowsTheExamplesAboveZeroInOrder() {
    Numbers d;
    d.run({"open", "menu 0", "hint"});
    QCOMPARE(lessonState().kazuFilter, QStringLiteral("Where NB > 0"));
    QVERIFY(d.grid()->isVisible());
    QCOMPARE(d.grid()->geometry(), QRect(64, 110, 542, 481));
    QCOMPARE(
        d.caption(6),
        QStringLiteral("10000 までの数は、1000 や 100 や 10 や 1 が\rいくつかずつ あつまって できるよ。"));

    QAbstractItemModel* shown = d.grid()->model();
    QStringList titles;
    for (int c = 0; c < shown->columnCount(); ++c) {
        titles << shown->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(d.grid()->columnWidth(c), 100);
    }
    QCOMPARE(titles, QStringList({"1000 の数", "100 の数", "10 の数", "1 の数", "あつまりの数"}));
    const QList<QVariantList> expected =
        rowsInFile(d.folder.kyozai("kazu.db"), "select K1000, K100, K10, K1, KAZU from kazu "
                                               "where NB > 0 order by NB");
    QCOMPARE(shown->rowCount(), expected.size());
    for (int r = 0; r < expected.size(); ++r)
        for (int c = 0; c < 5; ++c)
            QCOMPARE(shown->index(r, c).data().toString(), expected[r][c].toString());

    // Put away, the grid uncovers the explanation, which stays until the next clear.
    d.run({"hint"});
    QVERIFY(d.grid()->isHidden());
    QVERIFY(!d.caption(6).isEmpty());
    d.platform.random->script({2, 2, 0, 5});
    d.run({"next"});
    QVERIFY(d.caption(6).isEmpty());

    // Left with the table showing, the screen comes back without it.
    d.run({"hint", "back", "open"});
    QVERIFY(d.grid()->isHidden());
    QCOMPARE(lessonState().hintShown, 0);
    QVERIFY(!d.button(6)->isEnabled());
}

void NumbersTo10000Test::placeValueHintWithoutTablesReportsAndShowsNothing() {
    Numbers d;
    QVERIFY(QDir(d.folder.kyozai()).removeRecursively());
    d.run({"open", "menu 0", "hint"});
    const QStringList shown = d.platform.boxes->shown;
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().startsWith("error: ") && shown.first().contains("unable to open database file"),
             qPrintable(shown.first()));
    QVERIFY(d.grid()->isHidden());
    QVERIFY(d.caption(6).isEmpty());
    QCOMPARE(lessonState().hintShown, 0);
    QCOMPARE(d.caption(2), QStringLiteral("「つぎへ」ボタンで すすめてね！"));
    QVERIFY(!QFileInfo::exists(d.folder.kyozai()));

    // The screen goes on: with the tables back, the same button shows them.
    const TempKyozai again;
    d.run({"hint"});
    QVERIFY(d.grid()->isVisible());
    QVERIFY(d.grid()->model()->rowCount() > 0);
}

QTEST_MAIN(NumbersTo10000Test)
#include "test_numbers_to_10000.moc"
