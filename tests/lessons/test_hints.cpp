// ポイント on every screen that has it, on the whole program: the hint comes up
// where it belongs with its lesson's text and cue, says how it goes away, and
// goes with a second press, or when the child leaves the screen.
#include "lessons/addsub/column_addition_problems.h"
#include "lessons/addsub/column_subtraction_problems.h"
#include "lessons/addsub/mental_addition_problems.h"
#include "lessons/multiplication/multiplication_screen_texts.h"
#include "lessons/numbers/number_problems.h"
#include "lessons/wordproblems/addsub_word_problem_texts.h"
#include "lessons/wordproblems/parentheses_word_problem_texts.h"
#include "tests/support/screen_driver.h"
#include "ui/lesson_screen.h"

#include <QPlainTextEdit>
#include <QTest>

class HintsTest : public QObject {
    Q_OBJECT
private slots:
    void pointShowsTheHintUntilPressedAgain_data();
    void pointShowsTheHintUntilPressedAgain();
};

void HintsTest::pointShowsTheHintUntilPressedAgain_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QString>("hint");      // what ポイント shows
    QTest::addColumn<int>("top");           // where it stands then
    QTest::addColumn<QStringList>("lines"); // of a memo; none for a table
    QTest::addColumn<QString>("cue");
    QTest::addColumn<int>("prompt");     // the prompt's label
    QTest::addColumn<QString>("hidden"); // the prompt once the hint is put away
    const QStringList open{"open"};
    const QString menu =
        QStringLiteral("「メニュー」を えらんでね！"); // as the screens word it, not the frame
    QTest::newRow("numbers, かん字を数字へ: the kanji numerals")
        << "Form2" << QStringList{"open", "menu 2"} << "Memo1" << 120 << kanjiHint() << "chararan.wav" << 2
        << menu;
    QTest::newRow("numbers, 数のあつまり１: the table of collections")
        << "Form2" << QStringList{"open", "menu 0"} << "DBGrid1" << 110 << QStringList{} << "chararan.wav"
        << 2 << menu;
    QTest::newRow("mental addition, over the problem")
        << "Form3" << open << "Memo1" << 152 << mentalAdditionHint() << "chararan.wav" << 3
        << LessonPrompts{}.hintHidden;
    QTest::newRow("column addition") << "Form4" << open << "Memo1" << 80 << columnAdditionHint()
                                     << "chararan.wav" << 3 << menu;
    // Its cue has no file of its own: the step's bun sounds again.
    QTest::newRow("column subtraction, over a step")
        << "Form7" << QStringList{"open", "menu 0", "draws 3,32,4", "next", "answer"} << "Memo1" << 80
        << columnSubtractionHint() << "bun.wav" << 3 << menu;
    QTest::newRow("addition and subtraction stories")
        << "Form9" << open << "Memo1" << 150 << addSubHintLines() << "pipo.wav" << 3 << menu;
    QTest::newRow("stories with parentheses")
        << "Form10" << open << "Memo1" << 150 << parenthesesHintLines() << "pipo.wav" << 3 << menu;
    QTest::newRow("multiplication") << "Form12" << open << "Memo1" << 173 << multiplicationScreen::hintLines()
                                    << "chararan.wav" << 3 << multiplicationScreen::hintHiddenPrompt;
}

void HintsTest::pointShowsTheHintUntilPressedAgain() {
    QFETCH(QString, screen);
    QFETCH(QStringList, setup);
    QFETCH(QString, hint);
    QFETCH(QString, cue);
    QFETCH(int, prompt);
    const ProgramScreen d(screen);
    d.run(setup);
    const qsizetype played = d.cues().size();
    d.act("hint");
    QWidget* shown = d.child(hint);
    QVERIFY(shown->isVisible());
    QTEST(shown->y(), "top");
    if (const auto* memo = qobject_cast<QPlainTextEdit*>(shown))
        QTEST(memo->toPlainText().split(u'\n'), "lines");
    for (const QString other : {"Memo1", "DBGrid1"})
        QVERIFY(other == hint || !d.child(other) || d.child(other)->isHidden());
    QCOMPARE(lessonState().hintShown, 1);
    QCOMPARE(d.caption(prompt), LessonScreen::hintShownPrompt);
    QCOMPARE(d.cues().mid(played), QStringList{cue});

    d.act("hint");
    QVERIFY(shown->isHidden());
    QCOMPARE(lessonState().hintShown, 0);
    QTEST(d.caption(prompt), "hidden");
    QCOMPARE(d.cues().last(), QStringLiteral("pipo.wav"));

    // Left showing, it is gone when the screen comes back.
    d.run({"hint", "back", "open"});
    QVERIFY(shown->isHidden());
    QCOMPARE(lessonState().hintShown, 0);
}

QTEST_MAIN(HintsTest)
#include "test_hints.moc"
