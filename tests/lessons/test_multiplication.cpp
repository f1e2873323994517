// かけ算：かけ算と九九 — its problems, explanations, chart and the rules of its menu items, without a
// window; then the screen driven through its controls on the whole program with a copy of the tables.
#include "controls/data_grid.h"
#include "lessons/multiplication/multiplication_expressions.h"
#include "lessons/multiplication/multiplication_menu_items.h"
#include "lessons/multiplication/multiplication_screen_texts.h"
#include "tests/support/screen_driver.h"
#include "tests/support/seeded_random.h"

#include <QRegularExpression>
#include <QTest>

using namespace multiplicationScreen;

namespace {
const QString none = QStringLiteral("<none>");

// かけ算と九九 on the whole program, with its tables.
struct Times : ProgramScreen {
    Times() : ProgramScreen("Form12") {}
    QColor colour(int n) const { return label(n)->palette().color(QPalette::WindowText); }
};
} // namespace

class MultiplicationTest : public QObject {
    Q_OBJECT
private slots:
    void everyTextOfAScriptedProblem_data();
    void everyTextOfAScriptedProblem();
    void theLastDrawStandsAtTheLimit_data();
    void theLastDrawStandsAtTheLimit();
    void drawsKeepTheirPromises_data();
    void drawsKeepTheirPromises();
    void selectorsJudgeTheExpressionAndItsOrder_data();
    void selectorsJudgeTheExpressionAndItsOrder();
    void kindsRotateFromAReset_data();
    void kindsRotateFromAReset();
    void eachItemPromptsAndSwitchesModes_data();
    void eachItemPromptsAndSwitchesModes();
    void chartCellsAreNumberedRowByRow_data();
    void chartCellsAreNumberedRowByRow();
    void chartFrameAndColours();

    void studyThenTestCycle_data();
    void studyThenTestCycle();
    void kukuListIsReadAgainAndHasNoTest();
    void chartQuestionIsAnsweredInItsCell();
};

void MultiplicationTest::everyTextOfAScriptedProblem_data() {
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QList<int>>("limits");
    QTest::addColumn<QList<int>>("operands");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("groupText");
    QTest::addColumn<QString>("explanation");
    QTest::addColumn<QString>("equation");
    const QList<int> pair{6, 5};
    QTest::newRow("strawberries: 5 in a box, 7 boxes")
        << 1 << 1 << QList<int>{2, 3} << pair << QList<int>{5, 7} << 57
        << "イチゴが 5 コずつ はいっている  \rはこが 7 つ あるよ。\rぜんぶで イチゴが いくつ あるかを "
           "\rもとめる しきは？"
        << "5 コ"
        << "5 コ を 7 かい たすのは めんどうなので、\r5 を 7 ばいすると かんがえ、つぎのような \r"
           "かけ算の しきを つかうと かんたんだよ。\r\r    5 x 7 =\r\r5 x 7 の こたえは、「九九」で "
           "おぼえてね。"
        << "こたえ：5 x 7 = ";
    QTest::newRow("books 3 cm thick, 8 of them")
        << 1 << 2 << QList<int>{0, 4} << pair << QList<int>{3, 8} << 38
        << "3 ｃｍの あつさの 本を 8 さつ \rかさねると、なんｃｍの あつさに \rなるかを もとめる しきは？"
        << "3 ｃｍ"
        << "3 ｃｍ を 8 かい たすのは めんどうなので、\r3 を 8 ばいすると かんがえ、つぎのような \r"
           "かけ算の しきを つかうと かんたんだよ。\r\r    3 x 8 =\r\r3 x 8 の こたえは、「九九」で "
           "おぼえてね。"
        << "こたえ：3 x 8 = ";
    QTest::newRow("cars named first: 6 x 6 redrawn, then 6 cars of 4")
        << 1 << 3 << QList<int>{3, 2, 1, 2} << pair + pair << QList<int>{4, 6} << 46
        << "車が 6 だい あって、どれも 4 人のりだよ。\rぜんぶで なん人 のれるかを もとめる \rしきは？"
        << "4 人"
        << "4 人 を 6 かい たすのは めんどうなので、\r4 を 6 ばいすると かんがえ、つぎのような \r"
           "かけ算の しきを つかうと かんたんだよ。\r\r    4 x 6 =\r\r4 x 6 の こたえは、「九九」で "
           "おぼえてね。"
        << "こたえ：4 x 6 = ";
    QTest::newRow("children named first: 4 children, 8 oranges each")
        << 1 << 4 << QList<int>{5, 0} << pair << QList<int>{8, 4} << 84
        << "4 人の こどもに ミカンを 8 コずつ \rくばると、なんコの ミカンが いるかを \rもとめる しきは？"
        << "8 コ"
        << "8 コ を 4 かい たすのは めんどうなので、\r8 を 4 ばいすると かんがえ、つぎのような \r"
           "かけ算の しきを つかうと かんたんだよ。\r\r    8 x 4 =\r\r8 x 4 の こたえは、「九九」で "
           "おぼえてね。"
        << "こたえ：8 x 4 = ";
    QTest::newRow("apples 6 to a row, 5 rows")
        << 1 << 5 << QList<int>{3, 1} << pair << QList<int>{6, 5} << 65
        << "はこの なかに、リンゴが たてに 6 コずつ \r5 れつに ならんでいるよ。\rぜんぶで リンゴが いくつ "
           "あるかを "
           "\rもとめる しきは？"
        << "6 コ"
        << "6 コ を 5 かい たすのは めんどうなので、\r6 を 5 ばいすると かんがえ、つぎのような \r"
           "かけ算の しきを つかうと かんたんだよ。\r\r    6 x 5 =\r\r6 x 5 の こたえは、「九九」で "
           "おぼえてね。"
        << "こたえ：6 x 5 = ";
    QTest::newRow("paper at 7 yen, 8 sheets")
        << 1 << 6 << QList<int>{4, 4} << pair << QList<int>{7, 8} << 78
        << "１まい 7 円の かみを 8 まい かうと、\rいくらに なるかを もとめる しきは？"
        << "7 円"
        << "7 円 を 8 かい たすのは めんどうなので、\r7 を 8 ばいすると かんがえ、つぎのような \r"
           "かけ算の しきを つかうと かんたんだよ。\r\r    7 x 8 =\r\r7 x 8 の こたえは、「九九」で "
           "おぼえてね。"
        << "こたえ：7 x 8 = ";
    QTest::newRow("chart: 2 x 3 is Label37")
        << 3 << 1 << QList<int>{1, 2} << QList<int>{8, 8} << QList<int>{2, 3, 37} << 6 << "2 x 3 =" << none
        << none << "2 x 3 = 6";
    QTest::newRow("chart: 8 x 8 is the last cell asked")
        << 3 << 9 << QList<int>{7, 7} << QList<int>{8, 8} << QList<int>{8, 8, 96} << 64 << "8 x 8 =" << none
        << none << "8 x 8 = 64";
    const QList<int> triple{6, 6, 6};
    QTest::newRow("paper and pencil: 8 x 8 + 40 = 104 is redrawn, 8 x 8 + 30 = 94 stands")
        << 4 << 1 << QList<int>{5, 5, 1, 5, 5, 0} << triple + triple << QList<int>{8, 8, 30} << 94
        << "１まい 8 円の かみを 8 まいと 30 円の \rえんぴつを かうと、ぜんぶで いくら？" << none
        << "かみの ねだんを かけ算で もとめて、 \rこれに えんぴつの ねだんを たせば \rいいよ。\r\r"
           "けいさんは つぎのようになるよ。\r\r\u30008 * 8 + 30 = 94\r\rこたえ： 94 円"
        << "\u30008 * 8 + 30 = 94";
    QTest::newRow("paper and pencil: 4 sheets at 6 yen would read the wrong way round")
        << 4 << 1 << QList<int>{3, 1, 2} << triple << QList<int>{6, 4, 50} << 74
        << "１まい 6 円の かみを 4 まいと 50 円の \rえんぴつを かうと、ぜんぶで いくら？" << none
        << "かみの ねだんを かけ算で もとめて、 \rこれに えんぴつの ねだんを たせば \rいいよ。\r\r"
           "けいさんは つぎのようになるよ。\r\r\u30006 * 4 + 50 = 74\r\rこたえ： 74 円"
        << "\u30006 * 4 + 50 = 74";
    QTest::newRow("blocks: a single block as high as the others is redrawn")
        << 4 << 2 << QList<int>{2, 0, 2, 2, 0, 4} << triple + triple << QList<int>{5, 3, 7} << 22
        << "高さ 5 cmの つみ木を 3 コと、高さ \r7 cmの つみ木を つむと、ぜんぶで \r高さは なん cm？" << none
        << "5 cm の つみきの高さを かけ算で\rもとめて、これに 7 cm の つみきの \r高さを たせば いいよ。\r\r"
           "けいさんは つぎのようになるよ。\r\r\u30005 * 3 + 7 = 22\r\rこたえ： 22 cm"
        << "\u30005 * 3 + 7 = 22";
    QTest::newRow("oranges: 0 and 10 left are redrawn, children named before oranges each")
        << 4 << 3 << QList<int>{0, 2, 3, 2, 2, 5, 1, 4, 2} << triple + triple + triple << QList<int>{40, 7, 5}
        << 5 << "ミカンを 40 コ かって、 5 人の こどもに \r7 コずつ くばると、なんコ のこる？" << none
        << "こどもに くばる ミカンの数を かけ算で  \rもとめて、これを かった ミカンの数から \rひけば "
           "いいよ。\r\r"
           "けいさんは つぎのようになるよ。\r\r\u300040 - 7 * 5 = 5\r\rこたえ： 5 コ"
        << "\u300040 - 7 * 5 = 5";
    const QList<int> quadruple{9, 7, 9, 7};
    QTest::newRow("cars: equal seats and cars equal to seats are redrawn")
        << 4 << 4 << QList<int>{0, 3, 4, 2, 8, 2, 0, 1, 5, 4, 3, 1} << quadruple + quadruple + quadruple
        << QList<int>{5, 6, 4, 3} << 42
        << "5 人のりの 車が  6 だいと  4 のりの 車が  \r3 だい あるよ。\rぜんぶで なん人 のれる？" << none
        << "5 のりの車と 4 のりの車に のれる人の数を \rそれぞれ かけ算で もとめて たせば いいよ。\r\r"
           "けいさんは つぎのようになるよ。\r\r\u30005 * 6 + 4 * 3 = 42\r\rこたえ： 42 人"
        << "\u30005 * 6 + 4 * 3 = 42";
    // The three calculation lines: the second opens with four ideographic spaces, two spaces and one
    // ideographic space; the third with three, a space, one and four spaces.
    const QString split7x14 = QStringLiteral("\u3000\u30007 * 14 = 7 * (7 + 7) \r"
                                             "\u3000\u3000\u3000\u3000  \u3000= 7 * 7 + 7 * 7\r"
                                             "\u3000\u3000\u3000 \u3000    = 98");
    const QString split3x13 = QStringLiteral("\u3000\u30003 * 13 = 3 * (6 + 7) \r"
                                             "\u3000\u3000\u3000\u3000  \u3000= 3 * 6 + 3 * 7\r"
                                             "\u3000\u3000\u3000 \u3000    = 39");
    QTest::newRow("even multiplier: 8 x 16 redrawn, 7 x 14 = 98 split into halves")
        << 5 << 1 << QList<int>{6, 2, 5, 1} << QList<int>{7, 3, 7, 3} << QList<int>{7, 14} << 98
        << "7 x 14 の こたえは？" << none
        << "九九 がつかえるように 14 を 半分ずつの \r7 と 7 に わけ、つぎのように もとめる。\r\r" + split7x14
        << split7x14;
    QTest::newRow("odd multiplier: 3 x 13 split into 6 and 7")
        << 5 << 2 << QList<int>{1, 1} << QList<int>{7, 3} << QList<int>{3, 13} << 39 << "3 x 13 の こたえは？"
        << none
        << "九九 がつかえるように 13 を たとえば、\r6 と 7 に わけ、つぎのように もとめる。\r\r" + split3x13
        << split3x13;
    QTest::newRow("the list asks nothing")
        << 2 << 1 << QList<int>{} << QList<int>{} << QList<int>{} << 0 << none << none << none << none;
    QTest::newRow("no sixth item") << 6 << 1 << QList<int>{} << QList<int>{} << QList<int>{} << 0 << none
                                   << none << none << none;
}

void MultiplicationTest::everyTextOfAScriptedProblem() {
    QFETCH(int, menuItem);
    QFETCH(int, kind);
    QFETCH(QList<int>, draws);
    ScriptedRandom random;
    random.script(draws);
    const auto p = makeMultiplicationProblem(menuItem, kind, random);
    QTEST(random.limits, "limits");
    QCOMPARE(random.remaining(), 0);
    const QList<int> operands = p ? p->operands : QList<int>{};
    QTEST(operands, "operands");
    QTEST(p ? p->correctAnswer : 0, "answer");
    if (!p) {
        QTEST(none, "problem");
        return;
    }
    QCOMPARE(random.reseeds, 1);
    QTEST(p->chart ? chartQuestionText(p->chart->row, p->chart->column) : p->problemText, "problem");
    QTEST(p->groupText.value_or(none), "groupText");
    const BoardNumbers board{operands.value(0), operands.value(1), operands.value(2), operands.value(3),
                             p->correctAnswer};
    QTEST(workedExplanation(menuItem, kind, board, p->groupText.value_or(QString())).value_or(none),
          "explanation");
    QTEST(p->chart ? chartAnswerText(p->chart->row, p->chart->column)
                   : submittedEquation(menuItem, kind, board).value_or(none),
          "equation");
}

void MultiplicationTest::theLastDrawStandsAtTheLimit_data() {
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("rejected"); // drawn again and again until one set before the limit
    QTest::addColumn<QList<int>>("last");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QList<int>>("operands");
    QTest::addColumn<int>("answer");
    QTest::newRow("expression: the hundredth equal pair")
        << 1 << 2 << QList<int>{2, 1} << QList<int>{3, 2} << 100 << QList<int>{6, 6} << 66;
    QTest::newRow("paper and pencil: 104 after 100 triples")
        << 4 << 1 << QList<int>{5, 5, 5} << QList<int>{5, 5, 1} << 100 << QList<int>{8, 8, 40} << 104;
    QTest::newRow("cars: equal seats after 1000 quadruples")
        << 4 << 4 << QList<int>{0, 0, 0, 0} << QList<int>{8, 2, 8, 0} << 1000 << QList<int>{5, 4, 5, 2} << 30;
    QTest::newRow("split: 8 x 14 after 1000 pairs")
        << 5 << 1 << QList<int>{6, 2} << QList<int>{6, 1} << 1000 << QList<int>{8, 14} << 112;
}

void MultiplicationTest::theLastDrawStandsAtTheLimit() {
    QFETCH(int, menuItem);
    QFETCH(int, kind);
    QFETCH(QList<int>, rejected);
    QFETCH(QList<int>, last);
    QFETCH(int, limit);
    ScriptedRandom random;
    for (int set = 1; set < limit; ++set)
        random.script(rejected);
    random.script(last);
    const auto p = makeMultiplicationProblem(menuItem, kind, random);
    QVERIFY(p);
    QCOMPARE(random.remaining(), 0);
    QTEST(p->operands, "operands");
    QTEST(p->correctAnswer, "answer");
}

void MultiplicationTest::drawsKeepTheirPromises_data() {
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::newRow("expression: a 3 … 8 and b 4 … 8 never equal") << 1 << 1 << 34 << 87;
    QTest::newRow("chart: row and column 1 … 8") << 3 << 1 << 1 << 64;
    QTest::newRow("paper and pencil: below 100") << 4 << 1 << 39 << 99;
    QTest::newRow("blocks: the single block differs") << 4 << 2 << 13 << 71;
    QTest::newRow("oranges: 1 … 9 left over") << 4 << 3 << 1 << 9;
    QTest::newRow("cars: one kind seats 4, the other 5") << 4 << 4 << 18 << 72;
    QTest::newRow("split even: two halves, at most 98") << 5 << 1 << 24 << 98;
    QTest::newRow("split odd: parts differing by 1, the smaller first") << 5 << 2 << 22 << 91;
}

void MultiplicationTest::drawsKeepTheirPromises() {
    QFETCH(int, menuItem);
    QFETCH(int, kind);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    static const QRegularExpression parts(QStringLiteral("\\((\\d+) \\+ (\\d+)\\) \r"));
    SeededRandom random;
    for (int i = 0; i < 3000; ++i) {
        const MultiplicationProblem p = *makeMultiplicationProblem(menuItem, kind, random);
        const QList<int>& o = p.operands;
        const QString shown = QStringLiteral("%1 %2 %3").arg(o[0]).arg(o[1]).arg(o.value(2));
        QVERIFY2(p.correctAnswer >= lowest && p.correctAnswer <= highest, qPrintable(shown));
        switch (menuItem * 10 + kind) {
        case 11:
            QVERIFY2(o[0] >= 3 && o[0] <= 8 && o[1] >= 4 && o[1] <= 8 && o[0] != o[1], qPrintable(shown));
            QVERIFY2(enteredValue(o[1], o[0]) != p.correctAnswer, qPrintable(shown)); // b x a is wrong
            break;
        case 31:
            QVERIFY2(o[0] >= 1 && o[0] <= 8 && o[1] >= 1 && o[1] <= 8, qPrintable(shown));
            QCOMPARE(o[2], chartCellLabel(o[0], o[1]));
            break;
        case 41:
            QVERIFY2(o[2] % 10 == 0 && o[2] >= 30 && o[2] <= 80, qPrintable(shown));
            break;
        case 42:
            QVERIFY2(o[0] != o[2], qPrintable(shown));
            break;
        case 43:
            QVERIFY2(o[0] % 10 == 0 && p.correctAnswer == o[0] - o[1] * o[2], qPrintable(shown));
            break;
        case 44:
            QCOMPARE(o.size(), 4);
            QVERIFY2(o[0] + o[2] == 9 && o[0] * o[2] == 20 && o[1] != o[2], qPrintable(shown));
            break;
        default: {
            const BoardNumbers board{o[0], o[1], 0, 0, p.correctAnswer};
            const auto split = parts.match(*submittedEquation(menuItem, kind, board));
            QVERIFY(split.hasMatch());
            const int first = split.captured(1).toInt();
            const int second = split.captured(2).toInt();
            QVERIFY2(first + second == o[1] && second - first == kind - 1, qPrintable(shown));
        }
        }
    }
}

void MultiplicationTest::selectorsJudgeTheExpressionAndItsOrder_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<bool>("judgedRight");
    const int fiveTimesSeven = expressionAnswer(5, 7);
    QTest::newRow("5 x 7 as ひだり 5, みぎ 7") << fiveTimesSeven << 5 << 7 << true;
    QTest::newRow("the reversed 7 x 5") << fiveTimesSeven << 7 << 5 << false;
    QTest::newRow("ひだり 5 alone is 50") << fiveTimesSeven << 5 << 0 << false;
    QTest::newRow("nothing chosen is 0") << fiveTimesSeven << 0 << 0 << false;
    QTest::newRow("chart 2 x 3: 一 = 6 alone") << 6 << 0 << 6 << true;
    QTest::newRow("chart 8 x 8: 十 6, 一 4") << 64 << 6 << 4 << true;
}

void MultiplicationTest::selectorsJudgeTheExpressionAndItsOrder() {
    QFETCH(int, answer);
    QFETCH(int, left);
    QFETCH(int, right);
    QTEST(enteredValue(left, right) == answer, "judgedRight");
}

void MultiplicationTest::kindsRotateFromAReset_data() {
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QList<int>>("kinds");
    QTest::newRow("expression: the seventh つぎへ tells kind 1 again")
        << 1 << QList<int>{1, 2, 3, 4, 5, 6, 1, 2};
    QTest::newRow("two steps: four kinds") << 4 << QList<int>{1, 2, 3, 4, 1, 2};
    QTest::newRow("split: even and odd alternate") << 5 << QList<int>{1, 2, 1, 2};
    QTest::newRow("chart: counts on") << 3 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
}

void MultiplicationTest::kindsRotateFromAReset() {
    QFETCH(int, menuItem);
    QFETCH(QList<int>, kinds);
    QList<int> told;
    for (int kind = resetProblemKind; told.size() < kinds.size();)
        told << (kind = nextProblemKind(menuItem, kind));
    QCOMPARE(told, kinds);
}

void MultiplicationTest::eachItemPromptsAndSwitchesModes_data() {
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("nextPrompt");
    QTest::addColumn<ModeSwitch>("modeButton");
    const QString select = QStringLiteral("こたえを えらんでから ◆を おしてね！");
    QTest::newRow("expression, study: the prompt closes with 」")
        << 1 << StudyMode << "「こたえ」ボタンを おしてね！」" << ModeSwitch::ToTest;
    QTest::newRow("expression, test")
        << 1 << TestMode << "かけられる数を「ひだり」で、かける数を「みぎ」で\rえらんでから ◆を おしてね！"
        << ModeSwitch::ToStudy;
    QTest::newRow("before any mode: counts as study")
        << 1 << 0 << "「こたえ」ボタンを おしてね！」" << ModeSwitch::ToTest;
    QTest::newRow("list: no problems, no test") << 2 << StudyMode << none << ModeSwitch::Refused;
    QTest::newRow("chart asks in study mode too") << 3 << StudyMode << select << ModeSwitch::ToTest;
    QTest::newRow("two steps, study")
        << 4 << StudyMode << "「こたえ」ボタンを おしてね！" << ModeSwitch::ToTest;
    QTest::newRow("split, test") << 5 << TestMode << select << ModeSwitch::ToStudy;
}

void MultiplicationTest::eachItemPromptsAndSwitchesModes() {
    QFETCH(int, menuItem);
    QFETCH(int, mode);
    const NextProblemEffect next = nextProblemEffect(menuItem, mode);
    QTEST(next.prompt.value_or(none), "nextPrompt");
    QCOMPARE(next.enableAnswer, next.prompt && !next.showSelectors);
    QTEST(modeButtonSwitch(mode, menuItem), "modeButton");
}

void MultiplicationTest::chartCellsAreNumberedRowByRow_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("caption");
    QTest::newRow("1 x 1 first") << 1 << 1 << "Label26" << QRect(43, 50, 39, 27) << "1";
    QTest::newRow("1 x 9 ends the first row") << 1 << 9 << "Label34" << QRect(379, 50, 39, 27) << "9";
    QTest::newRow("2 x 1 starts the second") << 2 << 1 << "Label35" << QRect(43, 90, 39, 27) << "2";
    QTest::newRow("7 x 4") << 7 << 4 << "Label83" << QRect(169, 290, 39, 27) << "28";
    QTest::newRow("8 x 8, the last cell asked") << 8 << 8 << "Label96" << QRect(337, 330, 39, 27) << "64";
    QTest::newRow("9 x 9 last") << 9 << 9 << "Label106" << QRect(379, 370, 39, 27) << "81";
}

void MultiplicationTest::chartCellsAreNumberedRowByRow() {
    QFETCH(int, row);
    QFETCH(int, column);
    const QList<ChartLabel> cells = chartCells();
    QCOMPARE(cells.size(), 81);
    const ChartLabel& cell = cells.at((row - 1) * 9 + column - 1);
    QTEST(cell.name, "name");
    QTEST(cell.rect, "rect");
    QTEST(cell.caption, "caption");
    QCOMPARE(cell.name, QStringLiteral("Label%1").arg(chartCellLabel(row, column)));
}

void MultiplicationTest::chartFrameAndColours() {
    const QList<ChartLabel> rows = chartRowHeadings();
    const QList<ChartLabel> columns = chartColumnHeadings();
    QCOMPARE(rows.last().name + columns.last().name, QStringLiteral("Label16Label25"));
    QCOMPARE(rows.last().rect.topLeft(), QPoint(0, 370));
    QCOMPARE(columns.first().rect.width() + columns.last().rect.width(), 39 + 40);
    const QList<ChartLine> lines = chartGridLines();
    QCOMPARE(lines.size(), 18);
    QCOMPARE(lines.at(4).name + lines.last().name, QStringLiteral("Shape10Shape23"));
    QCOMPARE(lines.at(4).rect, QRect(0, 202, 424, 1));
    QCOMPARE(lines.last().rect, QRect(378, 0, 1, 404));
    QCOMPARE(chartCellColour, QColor(0, 128, 128));
    QCOMPARE(askedCellColour, QColor(255, 0, 0));
    QCOMPARE(chartHeadingColour, QColor(0, 0, 0));
}

// --- the screen ---

void MultiplicationTest::studyThenTestCycle_data() {
    QTest::addColumn<int>("menu");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("explanationStart");
    QTest::addColumn<QStringList>("prompts");  // study, test
    QTest::addColumn<QStringList>("captions"); // the left and right lists, shown empty
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QString>("equation");
    QTest::addColumn<int>("entered");
    const QStringList expression{
        "「こたえ」ボタンを おしてね！」",
        "かけられる数を「ひだり」で、かける数を「みぎ」で\rえらんでから ◆を おしてね！"};
    const QStringList number{"「こたえ」ボタンを おしてね！", "こたえを えらんでから ◆を おしてね！"};
    const QString strawberries =
        "イチゴが 5 コずつ はいっている  \rはこが 7 つ あるよ。\rぜんぶで イチゴが いくつ "
        "あるかを \rもとめる しきは？";
    const QStringList leftRight{"ひだり", " みぎ"}, tensOnes{"\u3000十", "\u3000一"};
    QTest::newRow("expression 5 x 7: ひだり 5, みぎ 7 is right")
        << 0 << QList<int>{2, 3} << strawberries << "5 コ を 7 かい たすのは" << expression << leftRight
        << QStringList{"pick 3 5", "pick 2 7"} << "こたえ：5 x 7 = " << 57;
    QTest::newRow("expression reversed: 7 x 5 is wrong")
        << 0 << QList<int>{2, 3} << strawberries << "5 コ を 7 かい たすのは" << expression << leftRight
        << QStringList{"pick 3 7", "pick 2 5"} << "こたえ：5 x 7 = " << 75;
    QTest::newRow("paper and pencil: 6 x 4 + 50 = 74")
        << 3 << QList<int>{3, 1, 2}
        << "１まい 6 円の かみを 4 まいと 50 円の \rえんぴつを かうと、ぜんぶで いくら？"
        << "かみの ねだんを" << number << tensOnes << QStringList{"pick 3 7", "pick 2 4"}
        << "\u30006 * 4 + 50 = 74" << 74;
    QTest::newRow("split 7 x 14: only 一 chosen is 8")
        << 4 << QList<int>{5, 1} << "7 x 14 の こたえは？"
        << "九九 がつかえるように 14 を" << number << tensOnes << QStringList{"pick 2 8"}
        << "\u3000\u30007 * 14 = 7 * (7 + 7) \r\u3000\u3000\u3000\u3000  \u3000= 7 * 7 + 7 * 7\r"
           "\u3000\u3000\u3000 \u3000    = 98"
        << 8;
}

void MultiplicationTest::studyThenTestCycle() {
    QFETCH(int, menu);
    QFETCH(QList<int>, draws);
    QFETCH(QStringList, prompts);
    const QString next = QStringLiteral("「つぎへ」ボタンで すすめてね！");
    Times d;
    d.platform.random->script(draws);
    d.run({"open", QStringLiteral("menu %1").arg(menu), "next"});
    QTEST(d.caption(4), "problem");
    QVERIFY(!d.enabled(4) && d.enabled(5));
    QCOMPARE(d.caption(3), prompts[0]);
    d.act("answer");
    QFETCH(QString, explanationStart);
    QVERIFY2(d.caption(5).startsWith(explanationStart), qPrintable(d.caption(5)));
    QVERIFY(d.enabled(4) && !d.enabled(5));
    QCOMPARE(d.caption(3), next);

    // The switch to a test clears the board and tells the first kind again: the same draws, the same problem.
    d.platform.random->script(draws);
    d.run({"mode", "next"});
    QVERIFY(d.caption(5).isEmpty());
    QCOMPARE(d.caption(3), prompts[1]);
    QTEST(d.caption(4), "problem");
    QVERIFY(!d.enabled(4) && !d.enabled(5));
    QTEST((QStringList{d.list(3)->text(), d.list(2)->text()}), "captions");
    QFETCH(QStringList, picks);
    d.run(picks + QStringList{"pick 4 0"});
    QTEST(d.caption(5), "equation");
    QTEST(lessonState().enteredAnswer, "entered");
    const bool right = lessonState().enteredAnswer == lessonState().correctAnswer;
    QCOMPARE(d.caption(7), right ? "○" : "×");
    QCOMPARE(d.cues(), QStringList({"pipo.wav", "pipo.wav", "pipo.wav", "poon.wav", "pipo.wav", "pipo.wav"}) +
                           QStringList(picks.size(), "bun.wav") +
                           QStringList{right ? "pinpon.wav" : "bubuu.wav"});
    QVERIFY(d.enabled(4) && !d.enabled(5) && d.list(2)->isVisible());
    QCOMPARE(d.caption(3), next);

    // Back to study: the board stays, and the kinds start again from the first.
    d.act("mode");
    QVERIFY(!d.caption(7).isEmpty() && d.list(2)->isVisible() && d.enabled(4));
    d.platform.random->script(draws);
    d.act("next");
    QTEST(d.caption(4), "problem");
}

void MultiplicationTest::kukuListIsReadAgainAndHasNoTest() {
    Times d;
    auto* grid = d.child<DataGrid>("DBGrid1");
    lessonState().menuItem = 4; // left by another screen: every showing starts from item 1
    d.act("open");
    QCOMPARE(lessonState().menuItem, 1);
    d.act("menu 1");
    QVERIFY(grid->isVisible() && !d.enabled(4));
    QCOMPARE(grid->y(), 128);
    QCOMPARE(d.caption(3), QStringLiteral("メニューを えらんでね！"));
    const QList<QVariantList> rows =
        rowsInFile(d.folder.kyozai("kuku.db"), "select kakezan, kotae, yomi from kuku");
    QCOMPARE(grid->model()->rowCount(), rows.size());
    QCOMPARE(grid->model()->index(80, 2).data().toString(), rows.at(80).at(2).toString());
    QCOMPARE(grid->model()->headerData(2, Qt::Horizontal).toString() + QString::number(grid->columnWidth(2)),
             QStringLiteral("おぼえかた220"));

    const int played = d.cues().size();
    d.act("mode");
    QCOMPARE(d.platform.boxes->shown, QStringList{"information: このメニューには テストは ないよ。"});
    QCOMPARE(lessonState().mode, StudyMode);
    QCOMPARE(d.button(3)->caption(), QStringLiteral("べんきょう"));
    QVERIFY(grid->isVisible() && !d.enabled(4));
    QCOMPARE(d.cues().size(), played);
}

void MultiplicationTest::chartQuestionIsAnsweredInItsCell() {
    Times d;
    auto* panel = d.child("Panel1");
    d.run({"open", "menu 2"});
    QVERIFY(panel->isVisible() && !d.enabled(4));
    QCOMPARE(panel->geometry(), QRect(176, 128, 424, 404));
    QCOMPARE(d.caption(6), chartReadingHint);
    QCOMPARE(d.caption(37), QStringLiteral("6"));

    // The switch to a test puts the chart away until the first question shows it again.
    d.platform.random->script({1, 2}); // 2 x 3, Label37
    d.run({"mode", "next"});
    QVERIFY(panel->isVisible() && d.caption(6).isEmpty());
    QCOMPARE(d.caption(37) + d.caption(107), QStringLiteral("?2 x 3 ="));
    QCOMPARE(d.label(107)->pos(), QPoint(328, 550));
    QCOMPARE(d.colour(37), QColor(255, 0, 0));
    QCOMPARE(d.caption(3), QStringLiteral("こたえを えらんでから ◆を おしてね！"));

    // Back in study mode the question stays open, and 一 = 6 alone answers it.
    d.run({"mode", "pick 2 6", "pick 4 0"});
    QCOMPARE(d.caption(37) + d.caption(107) + d.caption(7), QStringLiteral("62 x 3 = 6○"));
    QCOMPARE(d.colour(37), QColor(255, 0, 0));

    // つぎへ turns every cell teal again before the next cell is asked.
    d.platform.random->script({7, 7}); // 8 x 8, Label96
    d.act("next");
    QCOMPARE(d.caption(37) + d.caption(96), QStringLiteral("6?"));
    for (int cell = 26; cell <= 106; ++cell)
        QCOMPARE(d.colour(cell), cell == 96 ? QColor(255, 0, 0) : QColor(0, 128, 128));

    // Left open, the question gives its cell back on the next showing of the chart, still red.
    d.run({"menu 2"});
    QCOMPARE(d.caption(96) + d.caption(107), QStringLiteral("64"));
    QCOMPARE(d.colour(96), QColor(255, 0, 0));
    QCOMPARE(d.label(107)->pos(), QPoint(616, 550));
}

QTEST_MAIN(MultiplicationTest)
#include "test_multiplication.moc"
