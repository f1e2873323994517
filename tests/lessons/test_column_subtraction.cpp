// ひき算：ひっ算 — its problems, the worked column with its borrow marks, the answer entry, and the
// screen driven through its controls.
#include "controls/shape.h"
#include "lessons/addsub/column_subtraction.h"
#include "lessons/addsub/column_subtraction_problems.h"
#include "tests/support/screen_driver.h"
#include "tests/support/seeded_random.h"

#include <QTest>

namespace {
const QString stepOne =
    QStringLiteral("【ステップ１】\r\r\u3000もんだいを タテに ならべて、\r\u3000下に線を ひく。");
const QList<int> draw105minus47{2, 5, 3, 5, 46}; // "３けたから"

using Screen = ScreenAlone<TForm7>;

bool shown(const Screen& d, const char* shape) {
    return d.child<Shape>(shape)->isVisible();
}

// Where each digit of a row is painted: the ink of each, on the screen.
QList<QRect> digitInk(const CaptionLabel* row) {
    const QFontMetrics m(row->font());
    const QString text = row->caption();
    QList<QRect> ink;
    // Right-aligned: each digit starts as far from the right edge as the digits from it on reach.
    for (qsizetype i = 0; i < text.size(); ++i)
        ink << m.tightBoundingRect(text.mid(i, 1))
                   .translated(row->geometry().right() + 1 - m.horizontalAdvance(text.mid(i)),
                               row->y() + m.ascent());
    return ink;
}
} // namespace

class ColumnSubtractionTest : public QObject {
    Q_OBJECT
private slots:
    void stepShows_data();
    void stepShows();
    void scriptedDraws_data();
    void scriptedDraws();
    void generatorKeepsItsPromises_data();
    void generatorKeepsItsPromises();
    void answerEntryTakesOnesThenTens_data();
    void answerEntryTakesOnesThenTens();

    void studyStepsMarkTheBorrow_data();
    void studyStepsMarkTheBorrow();
    void stepsAfterAMenuChoiceWorkTheProblemDrawn();
    void testEntryJudgesAtTheSecondDigit_data();
    void testEntryJudgesAtTheSecondDigit();
};

void ColumnSubtractionTest::stepShows_data() {
    QTest::addColumn<int>("menu");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("row");      // under the line
    QTest::addColumn<QString>("tensMark"); // ~: unchanged
    QTest::addColumn<QString>("hundredsMark");
    QTest::addColumn<QString>("bars"); // shown by this step
    const QString borrow =
        "【ステップ２】\r\r\u3000一のくらい どうしでは ひけないので\r\u3000十のくらいから 1 を くり下げ、\r"
        "\u3000%1 から %2 を ひいた 数を 線の下に かき、\r\u3000くり下げた あとの %3 を 上に 小さく \r"
        "\u3000かいておく。";
    const QString keep = "【ステップ３】\r\r\u3000十のくらいの %1 を そのまま\r\u3000線の下に かく。おわり。";
    const QString tens =
        "【ステップ３】\r\r\u3000十のくらい どうしで ひいた %1 を \r\u3000線の下に かく。おわり。";
    const QString hundredsAndTens =
        "【ステップ３】\r\r\u3000百と十のくらい どうしで ひいた 数を\r\u3000線の下に かく。おわり。";
    const QString acrossZero =
        "【ステップ２】\r\r\u3000一のくらい どうしでは ひけないので、\r\u3000十のくらいから 1 を "
        "くりさげたいが、\r"
        "\u3000十のくらいは 0 なので、百のくらい\r\u3000から 十のくらいに 1 を くり下げ、\r\u3000その 1 を "
        "一のくらいにくりさげ、\r\u3000%1 から %2 を ひいた 数を線の下に かき、\r\u3000くり下げた あとの 9 "
        "を 上に "
        "小さく \r\u3000かいておく。";
    const struct {
        int menu, a, b, step;
        QString text;
        const char *row, *tensMark, *hundredsMark, *bars;
    } rows[] = {
        {1, 43, 5, 2, borrow.arg(13).arg(5).arg(3), "8", "3", "~", "tens"},
        {1, 43, 5, 3, keep.arg(3), "38", "~", "~", ""},
        {1, 13, 5, 3, "【ステップ３】\r\r\u3000十のくらいが 0 なので\r\u3000なにも かかない。おわり。", "8",
         "~", "~", ""},
        {1, 47, 5, 2, "【ステップ２】\r\r\u3000一のくらい どうしで ひいた 数を\r\u3000線の下にかく。", "2",
         "~", "~", ""},
        {1, 47, 5, 3, keep.arg(4), "42", "~", "~", ""},
        {1, 47, 42, 3,
         "【ステップ３】\r\r\u3000十のくらい どうしで ひくと 0 なので、\r\u3000なにも かかない。おわり。",
         "5", "~", "~", ""},
        {1, 42, 37, 3,
         "【ステップ３】\r\r\u3000十のくらい どうしで ひくと 0 なので\r\u3000なにも かかない。 おわり。", "5",
         "~", "~", ""},
        {1, 47, 23, 3, tens.arg(2), "24", "~", "~", ""},
        {1, 52, 37, 2, borrow.arg(12).arg(7).arg(4), "5", "4", "~", "tens"},
        {1, 52, 37, 3, tens.arg(1), "15", "~", "~", ""},
        // Step 1 writes no mark, so on a second pass the marks of the first stay.
        {1, 43, 5, 1, stepOne, "", "~", "~", ""},
        {2, 105, 47, 1, stepOne, "", "~", "~", ""},
        {2, 125, 47, 2,
         "【ステップ２】\r\r\u3000一のくらい どうしでは ひけないので、\r\u3000十のくらいから 1 を "
         "くり下げ、\r\u300015 "
         "から 7 を ひいた 数を線の下にかき、\r\u3000くり下げた あとの 1 を\u3000上に 小さく "
         "\r\u3000かいておく。",
         "8", "1", "~", "tens"},
        {2, 125, 47, 3, hundredsAndTens, "78", "~", "~", ""},
        {2, 105, 47, 2, acrossZero.arg(15).arg(7), "8", "9", "0", "tens hundreds"},
        {2, 105, 47, 3, hundredsAndTens, "58", "~", "~", ""},
        {2, 100, 3, 2, acrossZero.arg(10).arg(3), "7", "9", "0", "tens hundreds"},
        {0, 100, 3, 3, hundredsAndTens, "97", "~", "~", ""}, // any entry but 1 is worked as ３けたから
        {2, 125, 43, 2, "【ステップ２】\r\r\u3000一のくらい どうしを ひいた 数を\r\u3000線の下に かく。", "2",
         "~", "~", ""},
    };
    for (const auto& r : rows)
        QTest::addRow("entry %d: %d - %d, step %d", r.menu, r.a, r.b, r.step)
            << r.menu << r.a << r.b << r.step << r.text << r.row << r.tensMark << r.hundredsMark << r.bars;
}

void ColumnSubtractionTest::stepShows() {
    QFETCH(int, menu);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, step);
    const ColumnSubtractionStep shown = columnSubtractionStep(menu, SubtractionProblem{a, b}, step);
    QTEST(shown.explanation, "text");
    QTEST(shown.differenceRow, "row");
    QTEST(shown.tensMark.value_or("~"), "tensMark");
    QTEST(shown.hundredsMark.value_or("~"), "hundredsMark");
    QTEST(QStringList({shown.strikesTens ? "tens" : "", shown.strikesHundreds ? "hundreds" : ""})
              .join(' ')
              .trimmed(),
          "bars");
    QCOMPARE(shown.nextCaption, QStringList({"ステップ２", "ステップ３", "ステップ１"})[step - 1]);
    QCOMPARE(shown.complete, step == 3);
}

void ColumnSubtractionTest::scriptedDraws_data() {
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QList<int>>("limits");
    QTest::newRow("２けたから, k 3: a one-digit B, drawn once")
        << 1 << QList<int>{3, 32, 4} << "43 - 5 = ?" << QList<int>{9, 88, 8};
    QTest::newRow("２けたから, k 4: the pair redrawn while A is not larger")
        << 1 << QList<int>{4, 0, 10, 36, 41} << "47 - 42 = ?" << QList<int>{9, 88, 88, 88, 88};
    QTest::newRow("３けたから, k 2: tens 0, redrawn until B exceeds A's last digits")
        << 2 << QList<int>{2, 5, 3, 5, 46} << "105 - 47 = ?" << QList<int>{9, 9, 98, 9, 98};
    QTest::newRow("３けたから, k 3: last two digits up to 78")
        << 2 << QList<int>{3, 25, 46} << "125 - 47 = ?" << QList<int>{9, 79, 98};
    QTest::newRow("no entry of this screen: k only, no problem")
        << 3 << QList<int>{4} << "<none>" << QList<int>{9};

    // At the limit the last draw stands; no further draw is asked for.
    QList<int> pairs{4};
    for (int draw = 1; draw < twoDigitColumnPairDraws; ++draw)
        pairs << 0 << 87;
    QTest::newRow("２けたから: the last of 1000 pairs")
        << 1 << (pairs + QList<int>{5, 30}) << "16 - 31 = ?" << QList<int>{};
    QList<int> tries{8};
    for (int draw = 1; draw < hundredsBorrowDraws; ++draw)
        tries << 78 << 0;
    QTest::newRow("３けたから: the last of 1000 tries")
        << 2 << (tries + QList<int>{50, 20}) << "150 - 21 = ?" << QList<int>{};
}

void ColumnSubtractionTest::scriptedDraws() {
    QFETCH(int, menuItem);
    QFETCH(QList<int>, draws);
    QFETCH(QList<int>, limits);
    ScriptedRandom random;
    random.script(draws + QList<int>{0});
    const auto p = drawColumnSubtraction(menuItem, random);
    QTEST(p ? openSubtraction(p->a, p->b) : QStringLiteral("<none>"), "problem");
    if (!limits.isEmpty())
        QCOMPARE(random.limits, limits);
    QCOMPARE(random.remaining(), 1);
    QCOMPARE(random.reseeds, 1);
}

void ColumnSubtractionTest::generatorKeepsItsPromises_data() {
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<int>("smallest"); // difference
    QTest::addColumn<int>("largest");
    QTest::newRow("２けたから") << 1 << 1 << 97;
    QTest::newRow("３けたから") << 2 << 2 << 99;
}

void ColumnSubtractionTest::generatorKeepsItsPromises() {
    QFETCH(int, menuItem);
    QFETCH(int, smallest);
    QFETCH(int, largest);
    SeededRandom random;
    for (int i = 0; i < 9000; ++i) {
        const SubtractionProblem p = *drawColumnSubtraction(menuItem, random);
        const QByteArray problem = openSubtraction(p.a, p.b).toUtf8();
        // Two answer digits always suffice.
        QVERIFY2(p.a > p.b && p.difference() >= smallest && p.difference() <= largest, problem);
        if (menuItem == 1)
            QVERIFY2(p.a >= 11 && p.a <= 98 && p.b >= 1 && p.b <= 88, problem);
        else // every problem borrows from the hundreds
            QVERIFY2(p.a >= 100 && p.a <= 178 && p.a % 100 < p.b && p.b <= 98, problem);
        const ColumnSubtractionStep ones = columnSubtractionStep(menuItem, p, 2);
        QVERIFY2(ones.differenceRow == QString::number(p.difference() % 10), problem);
        QVERIFY2(ones.strikesTens == (p.b % 10 > p.a % 10), problem);
        QVERIFY2(ones.strikesHundreds == (ones.strikesTens && p.a >= 100 && p.a < 110), problem);
        QVERIFY2(columnSubtractionStep(menuItem, p, 3).differenceRow == QString::number(p.difference()),
                 problem);
    }
}

void ColumnSubtractionTest::answerEntryTakesOnesThenTens_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QList<int>>("digits");
    QTest::addColumn<QString>("outcomes");
    QTest::addColumn<int>("written");
    QTest::addColumn<QString>("mark");
    QTest::newRow("105 - 47: 8 then 5") << 58 << QList<int>{8, 5} << "ones judged" << 58 << "○";
    QTest::newRow("105 - 47: 5 then 8") << 58 << QList<int>{5, 8} << "ones judged" << 85 << "×";
    QTest::newRow("105 - 47: later picks change nothing")
        << 58 << QList<int>{8, 5, 3, 1} << "ones judged ignored ignored" << 58 << "○";
    QTest::newRow("13 - 5: the one digit, then 0 for the tens")
        << 8 << QList<int>{8, 0} << "ones judged" << 8 << "○";
    QTest::newRow("13 - 5: one pick is not judged yet") << 8 << QList<int>{8} << "ones" << 8 << "";
}

void ColumnSubtractionTest::answerEntryTakesOnesThenTens() {
    QFETCH(int, answer);
    QFETCH(QList<int>, digits);
    ColumnAnswerEntry entry;
    QStringList outcomes;
    for (int digit : digits)
        outcomes << QStringList{"ones", "judged", "ignored"}[int(entry.pick(digit))];
    QTEST(outcomes.join(' '), "outcomes");
    QTEST(entry.written, "written");
    QTEST(QString(entry.picks < 2 ? "" : entry.written == answer ? "○" : "×"), "mark");
    QCOMPARE(entry.picks, digits.size());
}

void ColumnSubtractionTest::studyStepsMarkTheBorrow_data() {
    QTest::addColumn<int>("menu");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QStringList>("boards"); // each press: under the line | Label10 | Label13 | bars shown
    QTest::newRow("105 - 47: 1 and 0 struck, 0 and 9 small, 58; the second pass keeps the marks")
        << 1 << draw105minus47 << QStringList{"|||", "8|9|0|23", "58|9|0|23", "|9|0|23"};
    QTest::newRow("43 - 5: the 4 struck, 3 small, 38")
        << 0 << QList<int>{3, 32, 4} << QStringList{"|||", "8|3||2", "38|3||2", "|3||2"};
}

void ColumnSubtractionTest::studyStepsMarkTheBorrow() {
    QFETCH(int, menu);
    QFETCH(QList<int>, draws);
    QFETCH(QStringList, boards);
    Screen d;
    QVERIFY(d.platform.media->events.isEmpty()); // not shown at creation
    d.platform.random->script(draws);
    d.run({"open", QStringLiteral("menu %1").arg(menu), "next"});
    const LessonState& s = lessonState();
    QVERIFY(d.caption(4) == openSubtraction(s.operand1, s.operand2) && !d.enabled(4) && d.enabled(5));
    for (int press = 0; press < 4; ++press) {
        d.act("answer");
        const QString bars = QString(shown(d, "Shape2") ? "2" : "") + (shown(d, "Shape3") ? "3" : "");
        QCOMPARE(QStringList({d.caption(9), d.caption(10), d.caption(13), bars}).join('|'), boards[press]);
        QCOMPARE(d.caption(7) + d.caption(11) + d.caption(8),
                 QStringLiteral("%1-%2").arg(s.operand1).arg(s.operand2));
        QVERIFY(shown(d, "Shape1") && d.enabled(4) == (press >= 2));
        QCOMPARE(d.button(5)->caption(), QStringList({"ステップ２", "ステップ３", "ステップ１"})[press % 3]);
        QCOMPARE(d.caption(4).endsWith(" = ?"), press < 2);
    }
    QCOMPARE(d.caption(4), completedSubtraction(s.operand1, s.operand2));
    QCOMPARE(d.cues().mid(3), (QStringList{"bun.wav", "bun.wav", "poon.wav", "bun.wav"}));

    // Each bar crosses its digit of A at mid-height, leaving the neighbours clear, under its mark.
    const QList<QRect> ink = digitInk(d.label(7));
    for (int place = 1; place < ink.size(); ++place) {
        const qsizetype digit = ink.size() - 1 - place;
        const QRect bar = d.child<Shape>(place == 1 ? "Shape2" : "Shape3")->geometry();
        QVERIFY(bar.size() == QSize(28, 2) && bar.left() < ink[digit].left() &&
                bar.right() > ink[digit].right());
        QVERIFY(bar.right() < ink[digit + 1].left() && (digit == 0 || bar.left() > ink[digit - 1].right()));
        QVERIFY(qAbs(bar.center().y() - ink[digit].center().y()) <= 2);
        const QRect mark = d.label(place == 1 ? 10 : 13)->geometry();
        QVERIFY(mark.bottom() < ink[digit].top() && qAbs(mark.right() - ink[digit].center().x()) <= 8);
    }
}

void ColumnSubtractionTest::stepsAfterAMenuChoiceWorkTheProblemDrawn() {
    Screen d;
    d.platform.random->script(draw105minus47);
    d.run({"open", "menu 1", "next", "menu 0"});
    // The menu choice clears the board but leaves ステップ as it was.
    QVERIFY(d.enabled(5) && d.caption(4).isEmpty() && d.caption(10).isEmpty());
    d.run({"answer", "answer"});
    QCOMPARE(d.caption(5), columnSubtractionStep(2, {105, 47}, 2).explanation);
    QCOMPARE(d.caption(13), "0");
}

void ColumnSubtractionTest::testEntryJudgesAtTheSecondDigit_data() {
    QTest::addColumn<int>("ones");
    QTest::addColumn<int>("tens");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("mark");
    QTest::newRow("105 - 47: 8 then 5") << 8 << 5 << "58"
                                        << "○";
    QTest::newRow("105 - 47: 5 then 8") << 5 << 8 << "85"
                                        << "×";
}

void ColumnSubtractionTest::testEntryJudgesAtTheSecondDigit() {
    QFETCH(int, ones);
    QFETCH(int, tens);
    Screen d;
    CaptionedList* answers = d.list(2);
    auto ready = [&] {
        return answers->isVisible() && answers->itemIndex() == -1 && answers->text() == "こたえ";
    };
    d.platform.random->script(draw105minus47);
    d.run({"open", "menu 1", "mode", "next"});
    // The bare column, without marks.
    QCOMPARE(d.caption(7) + d.caption(11) + d.caption(8) + d.caption(9) + d.caption(10), "105-47");
    QVERIFY(shown(d, "Shape1") && !shown(d, "Shape2") && ready() && !d.enabled(4) && !d.enabled(5));
    QCOMPARE(answers->items()[7], "\u3000７\u3000");
    QCOMPARE(d.caption(3), "一のくらいの こたえを えらんでね！");

    d.act(QStringLiteral("pick 2 %1").arg(ones));
    QVERIFY(d.caption(9) == QString::number(ones) && ready() && d.caption(12).isEmpty() && !d.enabled(4));
    QCOMPARE(d.caption(3), "十のくらいの こたえを えらんでね！");

    d.act(QStringLiteral("pick 2 %1").arg(tens));
    QTEST(d.caption(9), "written");
    QTEST(d.caption(12), "mark");
    QVERIFY(d.caption(4) == "105 - 47 = 58" && d.enabled(4) && !d.enabled(5));
    QCOMPARE(d.caption(3), "「つぎへ」ボタンで すすめてね！");
    // Later picks for the same problem change nothing.
    d.run({"pick 2 1", "pick 2 9"});
    QTEST(d.caption(9), "written");
    QTEST(d.caption(12), "mark");
    QCOMPARE(d.cues().mid(4), QStringList({"pipo.wav", d.caption(12) == "○" ? "pinpon.wav" : "bubuu.wav"}));
}

QTEST_MAIN(ColumnSubtractionTest)
#include "test_column_subtraction.moc"
