// ぶんしょうもんだい：かっこ — the two stories, the four steps of the diagram, the
// b/c redraw, and the two answers judged together.
#include "lessons/wordproblems/addsub_word_problem_texts.h"
#include "lessons/wordproblems/parentheses_word_problem_texts.h"
#include "lessons/wordproblems/parentheses_word_problems.h"
#include "tests/support/screen_driver.h"
#include "tests/support/seeded_random.h"

#include <QTest>

namespace {
const QString none = QStringLiteral("<none>");

QString elements(const DiagramStep& step) {
    QStringList shown;
    for (const ShownLine& line : step.lines)
        shown << QStringLiteral("Image%1").arg(line.image) +
                     (line.top ? QStringLiteral("@%1").arg(*line.top) : "");
    for (const NumberCaption& number : step.numbers)
        shown << QStringLiteral("Label%1=%2").arg(number.label).arg(number.text);
    for (int label : step.shownLabels)
        shown << QStringLiteral("Label%1").arg(label);
    return shown.join(u' ');
}

// What the screen's diagram shows, in the order elements() writes a step.
QString diagramOn(const ScreenDriver& d) {
    QStringList shown;
    for (int n = 2; n <= 5; ++n)
        if (auto* line = d.child(QStringLiteral("Image%1").arg(n)); !line->isHidden())
            shown << QStringLiteral("Image%1@%2").arg(n).arg(line->y());
    for (int n = 7; n <= 13; ++n)
        if (const QString number = d.label(n)->caption(); n <= 10 && !number.isEmpty())
            shown << QStringLiteral("Label%1=%2").arg(n).arg(number);
        else if (n > 10 && !d.label(n)->isHidden())
            shown << QStringLiteral("Label%1").arg(n);
    return shown.join(u' ');
}

// The screen with the fakes it plays through; a = 29, b = 8, c = 6, then 11, 5, 4, then 29, 8, 6.
struct Board : ScreenAlone<TForm10> {
    Board() {
        lessonState().mode = StudyMode;
        platform.random->script({18, 3, 4, 0, 0, 2, 18, 3, 4});
    }
};
} // namespace

class ParenthesesWordProblemsTest : public QObject {
    Q_OBJECT
private slots:
    void questions_data();
    void questions();
    void diagramSteps_data();
    void diagramSteps();
    void stepPresses_data();
    void stepPresses();
    void twoAnswersJudgedTogether_data();
    void twoAnswersJudgedTogether();
    void scriptedDraws_data();
    void scriptedDraws();
    void cStaysBelowBOverManyDraws();
    void hintAndPrompts();
    void studyCycleDrawsFourSteps_data();
    void studyCycleDrawsFourSteps();
    void twoEntriesJudgedThroughTheLists_data();
    void twoEntriesJudgedThroughTheLists();
};

void ParenthesesWordProblemsTest::questions_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<ParenthesesWordProblem>("problem");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("answers"); // Label6 after judging
    QTest::newRow("kind 1, 29 + (8 + 6): increase 14, total 43")
        << 1 << ParenthesesWordProblem{29, 8, 6}
        << "ミカンが 29 コ あったところへ、\r8 コ もらい、また 6 コ もらったよ。\rふえた数は "
           "なんコ？\rぜんぶで なんコ に なった？"
        << "ふえた数\u3000：14 コ\rぜんぶの数：43 コ";
    QTest::newRow("kind 2, 11 + (5 - 4): increase 1, total 12")
        << 2 << ParenthesesWordProblem{11, 5, 4}
        << "ミカンが 11 コ あったところへ、\r5 コ もらい、4 コ たべたよ。\rふえた数は なんコ？\rぜんぶで "
           "なんコ に なった？"
        << "ふえた数\u3000：1 コ\rぜんぶの数：12 コ";
    QTest::newRow("kind 0 sets nothing") << 0 << ParenthesesWordProblem{11, 5, 4} << none << none;
}

void ParenthesesWordProblemsTest::questions() {
    QFETCH(int, kind);
    QFETCH(ParenthesesWordProblem, problem);
    const auto q = parenthesesQuestion(kind, problem);
    QTEST(q ? q->text : none, "text");
    QTEST(q ? parenthesesAnswersText(q->increase, q->total) : none, "answers");
}

void ParenthesesWordProblemsTest::diagramSteps_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("step");
    QTest::addColumn<ParenthesesWordProblem>("problem");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    const ParenthesesWordProblem p1{29, 8, 6};
    const ParenthesesWordProblem p2{11, 5, 4};
    QTest::newRow("step 1")
        << 1 << 1 << p1
        << "【ステップ１】\r\r\u3000 はじめの 29 コぶんの せんを \r\u3000 てきとうな 長さで かく。"
        << "Image2 Label7=29";
    QTest::newRow("step 2") << 2 << 2 << p2
                            << "【ステップ２】\r\r\u3000 5 コ もらうと ふえるので、そのぶんの せんを\r\u3000 "
                               "てきとうな 長さで つけたす。"
                            << "Image3 Label8=5";
    QTest::newRow("step 3, kind 1 receives again")
        << 1 << 3 << p1
        << "【ステップ３】\r\r\u3000 6 コ もらうと ふえるので、そのぶんの せんを\r\u3000 てきとうな 長さで "
           "つけたす。"
        << "Image4 Label9=6";
    QTest::newRow("step 3, kind 2 eats") << 2 << 3 << p2
                                         << "【ステップ３】\r\r\u3000 4 コ たべると へるので、そのぶんの "
                                            "せんを\r\u3000 てきとうな 長さで もどして かく。"
                                         << "Image5 Label10=4";
    QTest::newRow("step 4, kind 1: ASCII colons, A to B")
        << 1 << 4 << p1
        << "【ステップ４】\r\r\u3000 ふえた数（Ａ～Ｂ）:\u30008 + 6 = 14     こたえ：14 コ\r\r\u3000 "
           "ぜんぶの数:\u300029 + "
           "14 = 43     こたえ：43 コ\r\r\u3000 かっこ(\u3000) を つかって １つの しきに\r\u3000 "
           "まとめれば：\u300029 + (8 + "
           "6) = 43"
        << "Label11 Label12";
    QTest::newRow("step 4, kind 2: full-width colons, A to C")
        << 2 << 4 << p2
        << "【ステップ４】\r\r\u3000 ふえた数（Ａ～Ｃ）：\u30005 - 4 = 1     こたえ：1 コ\r\r\u3000 "
           "ぜんぶの数：\u300011 + 1 "
           "= 12     こたえ：12 コ\r\r\u3000 かっこ(\u3000) を つかって １つの しきに \r\u3000 "
           "まとめれば：\u300011 + (5 - "
           "4) = 12"
        << "Label11 Label13";
    // Before any つぎへ the kept numbers still draw the first two steps.
    QTest::newRow("kind 0, step 2 with the kept b")
        << 0 << 2 << ParenthesesWordProblem{23, 7, 3}
        << "【ステップ２】\r\r\u3000 7 コ もらうと ふえるので、そのぶんの "
           "せんを\r\u3000 てきとうな 長さで つけたす。"
        << "Image3 Label8=7";
    QTest::newRow("kind 0, step 3 draws nothing") << 0 << 3 << p1 << none << none;
    QTest::newRow("kind 0, step 4 draws nothing") << 0 << 4 << p1 << none << none;
}

void ParenthesesWordProblemsTest::diagramSteps() {
    QFETCH(int, kind);
    QFETCH(int, step);
    QFETCH(ParenthesesWordProblem, problem);
    const auto shown = parenthesesDiagramStep(kind, step, problem);
    QTEST(shown ? shown->text : none, "text");
    QTEST(shown ? elements(*shown) : none, "shown");
}

void ParenthesesWordProblemsTest::stepPresses_data() {
    QTest::addColumn<int>("before"); // explanationStep before the press
    QTest::addColumn<bool>("clears");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("nextStep"); // the step the ステップ button names after the press
    QTest::newRow("the first press clears the diagram") << 0 << true << 1 << 2;
    QTest::newRow("step 3") << 2 << false << 3 << 4;
    QTest::newRow("step 4 names step 1 again") << 3 << false << 4 << 1;
    QTest::newRow("the fifth press goes over the finished diagram") << 4 << false << 1 << 2;
}

void ParenthesesWordProblemsTest::stepPresses() {
    QFETCH(int, before);
    QFETCH(int, step);
    QTEST(parenthesesStepClearsDiagram(before), "clears");
    QCOMPARE(nextInCycle(before, parenthesesSteps), step);
    QTEST(nextInCycle(step, parenthesesSteps), "nextStep");
}

void ParenthesesWordProblemsTest::twoAnswersJudgedTogether_data() {
    QTest::addColumn<QList<int>>("entered"); // one number per ◆, for 29 + (8 + 6)
    QTest::addColumn<QString>("outcomes");
    QTest::newRow("both right") << QList<int>{14, 43} << "kept ○";
    QTest::newRow("right increase, wrong total") << QList<int>{14, 42} << "kept ×";
    QTest::newRow("wrong increase, right total") << QList<int>{13, 43} << "kept ×";
    QTest::newRow("the first ◆ never judges, even the right total") << QList<int>{43} << "kept";
    QTest::newRow("nothing chosen submits 0") << QList<int>{0, 0} << "kept ×";
    QTest::newRow("a further ◆ judges again with the kept increase") << QList<int>{14, 40, 43} << "kept × ○";
    QTest::newRow("a kept wrong increase stays wrong") << QList<int>{7, 43, 43} << "kept × ×";
}

void ParenthesesWordProblemsTest::twoAnswersJudgedTogether() {
    QFETCH(QList<int>, entered);
    const ParenthesesQuestion q = *parenthesesQuestion(1, {29, 8, 6});
    ParenthesesEntries entries;
    QStringList outcomes;
    for (int i = 0; i < entered.size(); ++i) {
        const auto outcome = entries.submit(i + 1, entered[i], q.increase, q.total);
        outcomes << QStringList{"kept", "○", "×"}[static_cast<int>(outcome)];
    }
    QTEST(outcomes.join(u' '), "outcomes");
    QCOMPARE(entries.enteredIncrease, entered.first());
    QCOMPARE(entries.enteredTotal, entered.size() > 1 ? entered.last() : 0);
}

void ParenthesesWordProblemsTest::scriptedDraws_data() {
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QList<int>>("abc");
    QList<int> failing{0};
    for (int pair = 0; pair < parenthesesPairDraws - 1; ++pair)
        failing << 0 << 4; // b 5, c 6
    QTest::newRow("a, then a pair that fits") << QList<int>{18, 3, 4} << QList<int>{29, 8, 6};
    QTest::newRow("pairs with b <= c are drawn again")
        << QList<int>{0, 0, 3, 0, 4, 1, 1} << QList<int>{11, 6, 3};
    QTest::newRow("the hundredth pair fits") << failing + QList<int>{3, 0} << QList<int>{11, 8, 2};
    QTest::newRow("the hundredth failing pair stands") << failing + QList<int>{1, 4} << QList<int>{11, 6, 6};
}

void ParenthesesWordProblemsTest::scriptedDraws() {
    QFETCH(QList<int>, draws);
    ScriptedRandom random;
    random.script(draws);
    const ParenthesesWordProblem p = drawParenthesesWordProblem(random);
    QTEST((QList<int>{p.a, p.b, p.c}), "abc");
    QCOMPARE(random.remaining(), 0);
    QCOMPARE(random.reseeds, 1);
    QCOMPARE(random.limits.first(), 19);
    for (int i = 1; i < random.limits.size(); ++i)
        QCOMPARE(random.limits[i], i % 2 ? 4 : 5);
}

void ParenthesesWordProblemsTest::cStaysBelowBOverManyDraws() {
    SeededRandom random;
    int redrawn = 0;
    for (int i = 0; i < 6000; ++i) {
        const int before = random.draws;
        const ParenthesesWordProblem p = drawParenthesesWordProblem(random);
        const QByteArray drawn = QStringLiteral("%1, %2, %3").arg(p.a).arg(p.b).arg(p.c).toUtf8();
        QVERIFY2(p.a >= 11 && p.a <= 29 && p.b >= 5 && p.b <= 8 && p.c >= 2 && p.c < p.b, drawn);
        redrawn += random.draws - before > 3;
        const ParenthesesQuestion up = *parenthesesQuestion(1, p);
        const ParenthesesQuestion down = *parenthesesQuestion(2, p);
        QVERIFY2(up.increase >= 7 && up.increase <= 14 && up.total >= 18 && up.total <= 43, drawn);
        QVERIFY2(down.increase >= 1 && down.increase <= 6 && down.total >= 12 && down.total <= 35, drawn);
    }
    QVERIFY(redrawn > 0);
}

void ParenthesesWordProblemsTest::hintAndPrompts() {
    // The other story screen's hint is the same opening.
    QCOMPARE(addSubHintLines(), parenthesesHintLines().mid(0, 4));
    QCOMPARE(parenthesesIncreasePrompt(), QStringLiteral("さきに ふえた数を えらんでから ◆を おしてね！"));
    QCOMPARE(parenthesesTotalPrompt(), QStringLiteral("つぎに ぜんぶの数を えらんでから ◆を おしてね！"));
}

void ParenthesesWordProblemsTest::studyCycleDrawsFourSteps_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("diagram"); // after steps 1 … 4
    const QString two = "Image2@304 Image3@304 Label7=%1 Label8=%2";
    QTest::newRow("ステップ before any つぎへ: steps 1 and 2 with the kept a = 23, b = 7")
        << 0
        << QStringList{"Image2@304 Label7=23", two.arg(23).arg(7), two.arg(23).arg(7), two.arg(23).arg(7)};
    const QString k2 = "Image2@304 Image3@304 Image5@320 Label7=11 Label8=5 Label10=4";
    QTest::newRow("kind 2 after a finished kind 1, 11 + (5 - 4): A to C")
        << 2 << QStringList{"Image2@304 Label7=11", two.arg(11).arg(5), k2, k2 + " Label11 Label13"};
}

void ParenthesesWordProblemsTest::studyCycleDrawsFourSteps() {
    QFETCH(int, kind);
    QFETCH(QStringList, diagram);
    diagram << diagram.last(); // a fifth press goes over the finished diagram
    Board d;
    lessonState().operand1 = 23;
    lessonState().operand2 = 7;
    d.act("open");
    QCOMPARE(d.button(5)->caption(), QStringLiteral("ステップ")); // until its first press
    if (kind == 2)
        d.run({"next", "answer", "answer", "answer", "answer"});
    if (kind > 0)
        d.act("next");
    QCOMPARE(lessonState().problemKind, kind);
    for (int press = 1; press <= 5; ++press) {
        d.act("answer");
        const int step = (press - 1) % 4 + 1;
        QCOMPARE(diagramOn(d), diagram[press - 1]);
        // Before any つぎへ steps 3 and 4 leave step 2's text.
        const int text = kind ? step : qMin(step, 2);
        QCOMPARE(d.caption(6).left(7), QStringLiteral("【ステップ%1】").arg(QChar(u'０' + text)));
        QCOMPARE(d.button(5)->caption(), QStringLiteral("ステップ") + QChar(u'０' + step % 4 + 1));
    }
    d.act("next");
    QCOMPARE(lessonState().problemKind, 1); // after kind 2, or the first つぎへ
}

void ParenthesesWordProblemsTest::twoEntriesJudgedThroughTheLists_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("entered"); // one number per ◆
    QTest::addColumn<QString>("marks");      // after each ◆; '-': nothing judged
    QTest::newRow("29 + (8 + 6): both right") << 1 << QList<int>{14, 43} << "-○";
    QTest::newRow("right increase, wrong total") << 1 << QList<int>{14, 42} << "-×";
    QTest::newRow("wrong increase, right total") << 1 << QList<int>{13, 43} << "-×";
    QTest::newRow("a further ◆ judges again with the kept increase") << 1 << QList<int>{14, 40, 43} << "-×○";
    QTest::newRow("11 + (5 - 4): an increase of one digit") << 2 << QList<int>{1, 12} << "-○";
}

void ParenthesesWordProblemsTest::twoEntriesJudgedThroughTheLists() {
    QFETCH(int, kind);
    QFETCH(QList<int>, entered);
    QFETCH(QString, marks);
    Board d;
    lessonState().mode = TestMode; // as the last screen left it
    d.act("open");
    // The screen goes on in test mode, and its mode button says so.
    QCOMPARE(d.button(3)->caption(), QStringLiteral("テスト"));
    d.run(kind == 2 ? QStringList{"next", "pick 1 0", "pick 1 0", "next"} : QStringList{"next"});
    QCOMPARE(lessonState().problemKind, kind);
    QCOMPARE(d.caption(3), QStringLiteral("さきに ふえた数を えらんでから ◆を おしてね！"));
    for (int i = 0; i < entered.size(); ++i) {
        if (entered[i] >= 10)
            d.act(QStringLiteral("pick 3 %1").arg(entered[i] / 10));
        d.act(QStringLiteral("pick 2 %1").arg(entered[i] % 10));
        d.act("pick 1 0");
        const bool kept = marks[i] == u'-';
        QCOMPARE(d.caption(4), kept ? QString() : QString(marks[i]));
        QCOMPARE(d.caption(6), kept        ? QString()
                               : kind == 1 ? "ふえた数\u3000：14 コ\rぜんぶの数：43 コ"
                                           : "ふえた数\u3000：1 コ\rぜんぶの数：12 コ");
        QCOMPARE(d.enabled(4), !kept);
        QVERIFY(!kept || (d.list(2)->itemIndex() == -1 && d.list(3)->text() == "十"));
        QCOMPARE(d.caption(3), kept ? QStringLiteral("つぎに ぜんぶの数を えらんでから ◆を おしてね！")
                                    : QStringLiteral("「つぎへ」ボタンで すすめてね！"));
        QCOMPARE(d.cues().last(), kept ? "pipo.wav" : marks[i] == u'○' ? "pinpon.wav" : "bubuu.wav");
    }
    QCOMPARE(d.screen.entries().enteredIncrease, entered.first());
}

QTEST_MAIN(ParenthesesWordProblemsTest)
#include "test_parentheses_word_problems.moc"
