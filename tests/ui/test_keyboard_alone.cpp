// Every screen used without a mouse: each key goes to the control with the
// focus, as the child's keyboard sends it, and the focus never ends up nowhere.
#include "app/lesson_state.h"
#include "app/menu_screen.h"
#include "app/screens.h"
#include "controls/caption_label.h"
#include "controls/captioned_list.h"
#include "lessons/drills/drill_screen.h"
#include "lessons/wordproblems/addsub_word_problem_texts.h"
#include "tests/support/program.h"
#include "tests/support/seeded_random.h"
#include "tests/support/temp_kyozai.h"
#include "ui/keyboard_focus.h"
#include "ui/lesson_screen.h"

#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace {

// What the child answers for the problem up, in the parts the screen takes.
using Parts = std::function<QList<int>(const LessonState&)>;
const Parts wholeAnswer = [](const LessonState& s) { return QList<int>{s.correctAnswer}; };

class Keys {
public:
    explicit Keys(QWidget* window) : window_(window) {}

    QWidget* focused() const { return window_->focusWidget() ? window_->focusWidget() : window_; }
    QString on() const { return focused()->objectName(); }
    void press(int key) {
        QTest::keyClick(focused(), Qt::Key(key));
        lost_ = lost_ || !keyboard::reachable(focused());
    }
    void type(int digit) { QTest::keyClicks(focused(), QString::number(digit)); }
    bool tabTo(const QString& name) {
        for (int i = 0; i < 30 && on() != name; ++i)
            press(Qt::Key_Tab);
        return on() == name;
    }
    // The names Tab goes through from the focus round to it again.
    QString ring() {
        QStringList names;
        const QString start = on();
        do {
            press(Qt::Key_Tab);
            names << on();
        } while (on() != start && names.size() < 30);
        return names.join(' ');
    }
    // Each part into the answer lists from the focused one on, a digit each,
    // the last list being ◆; a single list takes one digit per part.
    void answer(const QList<int>& parts, int nextColumn, int submit) {
        for (int part : parts) {
            QList<QWidget*> lists;
            for (QWidget* w = focused(); lists.size() < 10; w = w->nextInFocusChain()) {
                if (!(w->focusPolicy() & Qt::TabFocus) || !keyboard::reachable(w))
                    continue;
                if (!qobject_cast<CaptionedList*>(w))
                    break;
                lists << w;
            }
            if (lists.size() == 1) {
                type(part);
                continue;
            }
            for (qsizetype i = lists.size() - 2, place = 1; i >= 0; --i, place *= 10)
                digits_.prepend(part / place % 10);
            for (int digit : std::exchange(digits_, {})) {
                type(digit);
                press(nextColumn);
            }
            press(submit);
        }
    }
    bool lostFocus() const { return lost_; }

private:
    QWidget* window_;
    QList<int> digits_;
    bool lost_ = false;
};

} // namespace

class KeyboardAloneTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        folder_ = std::make_unique<TempKyozai>();
        program_ = std::make_unique<StartedProgram>();
        random_ = Seam<RandomSource>::install(std::make_unique<SeededRandom>());
        program_->platform.clock->at = QDateTime(QDate(2024, 12, 8), QTime(10, 0));
    }
    void cleanup() {
        Seam<RandomSource>::install(std::move(random_));
        program_.reset();
        folder_.reset();
    }
    void studyAndTestCycle_data();
    void studyAndTestCycle();
    void drillRun_data();
    void drillRun();
    void menuButtonsOpenTheirScreens_data();
    void menuButtonsOpenTheirScreens();

private:
    std::unique_ptr<TempKyozai> folder_;
    std::unique_ptr<StartedProgram> program_;
    std::unique_ptr<RandomSource> random_;
};

void KeyboardAloneTest::studyAndTestCycle_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("menuEntry"); // -1: no menu
    QTest::addColumn<Parts>("parts");
    QTest::addColumn<int>("verdictLabel");
    QTest::addColumn<QString>("ring"); // Tab from the first digit list of a test problem
    const QString buttons = "CuteButton1 CuteButton2 CuteButton3";
    QTest::newRow("numbers") << "Form2" << 0 << wholeAnswer << 5
                             << "ComboBox6 ComboBox5 ComboBox4 ComboBox3 ComboBox2 CuteButton4 CuteButton6 " +
                                    buttons + " ComboBox1 ComboBox7";
    QTest::newRow("mental addition") << "Form3" << 1 << wholeAnswer << 6
                                     << "ComboBox5 ComboBox4 ComboBox3 ComboBox2 ComboBox7 CuteButton6 " +
                                            buttons + " ComboBox1 ComboBox6";
    // The ones column first, then the tens with the carry in.
    QTest::newRow("column addition") << "Form4" << 0 << Parts([](const LessonState& s) {
        const int ones = s.operand2 % 10 + s.operand3 % 10;
        return QList<int>{ones, (s.correctAnswer - ones % 10) / 10};
    }) << 12 << "ComboBox2 ComboBox4 CuteButton6 " + buttons + " ComboBox1 ComboBox3";
    QTest::newRow("mental subtraction")
        << "Form6" << 2 << wholeAnswer << 6
        << "ComboBox4 ComboBox3 ComboBox2 ComboBox6 " + buttons + " ComboBox1 ComboBox5";
    QTest::newRow("column subtraction, a digit per column")
        << "Form7" << 0 << Parts([](const LessonState& s) {
               return QList<int>{s.correctAnswer % 10, s.correctAnswer / 10};
           })
        << 12 << "CuteButton6 " + buttons + " ComboBox1 ComboBox2";
    QTest::newRow("word problems") << "Form9" << -1 << Parts([](const LessonState& s) {
        return QList<int>{addSubQuestion(s.problemKind, {s.operand1, s.operand2})->answer};
    }) << 4 << "ComboBox2 ComboBox1 CuteButton6 " + buttons + " ComboBox3";
    QTest::newRow("parentheses: the increase, then the total")
        << "Form10" << -1 << Parts([](const LessonState& s) {
               return QList<int>{s.operand4, s.correctAnswer};
           })
        << 4 << "ComboBox2 ComboBox1 CuteButton6 " + buttons + " ComboBox3";
    QTest::newRow("length") << "Form11" << 0 << wholeAnswer << 6
                            << "ComboBox3 ComboBox2 ComboBox5 " + buttons + " ComboBox1 ComboBox4";
    QTest::newRow("times tables in use")
        << "Form12" << 3 << wholeAnswer << 7
        << "ComboBox2 ComboBox4 CuteButton6 " + buttons + " ComboBox1 ComboBox3";
}

// The menu entry, つぎへ and the explanation to its end; the switch to test
// mode, つぎへ, the digits typed column by column and ◆.
void KeyboardAloneTest::studyAndTestCycle() {
    QFETCH(QString, screen);
    QFETCH(int, menuEntry);
    QFETCH(Parts, parts);
    QFETCH(int, verdictLabel);
    QFETCH(QString, ring);
    auto* s = Form1->findChild<LessonScreen*>(screen);
    s->show();
    Keys keys(s);
    QCOMPARE(keys.on(), menuEntry < 0 ? "CuteButton4" : "ComboBox1");
    for (int i = 0; i < menuEntry; ++i)
        keys.press(Qt::Key_Down);
    if (menuEntry >= 0)
        keys.press(Qt::Key_Return);
    if (s->findChild<QWidget*>("CuteButton5")) {
        QCOMPARE(keys.on(), "CuteButton4");
        keys.press(Qt::Key_Return);
        QCOMPARE(keys.on(), "CuteButton5");
        for (int step = 0; step < 10 && keys.on() == "CuteButton5"; ++step)
            keys.press(Qt::Key_Return);
        QCOMPARE(keys.on(), "CuteButton4");
    }

    QVERIFY(keys.tabTo("CuteButton3"));
    keys.press(Qt::Key_Return);
    QVERIFY(keys.tabTo("CuteButton4"));
    keys.press(Qt::Key_Space);
    QCOMPARE(lessonState().mode, TestMode);
    QVERIFY(qobject_cast<CaptionedList*>(keys.focused()));
    QCOMPARE(keys.ring(), ring);
    keys.answer(parts(lessonState()), Qt::Key_Tab, Qt::Key_Return);
    QCOMPARE(s->label(verdictLabel)->caption(), "○");
    QCOMPARE(keys.on(), "CuteButton4");
    QVERIFY(!keys.lostFocus());
}

void KeyboardAloneTest::drillRun_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("hasMenu");
    QTest::newRow("addition") << "Form5" << true;
    QTest::newRow("subtraction") << "Form8" << true;
    QTest::newRow("multiplication") << "Form13" << false;
}

// The menu, the time list, スタート, two answers with つぎへ between them,
// ストップ and けっか.
void KeyboardAloneTest::drillRun() {
    QFETCH(QString, screen);
    QFETCH(bool, hasMenu);
    auto* s = Form1->findChild<DrillScreen*>(screen);
    s->show();
    Keys keys(s);
    if (hasMenu)
        keys.press(Qt::Key_Space);
    QCOMPARE(keys.on(), "ComboBox2");
    keys.press(Qt::Key_Return);
    QCOMPARE(keys.on(), "CuteButton3");
    keys.press(Qt::Key_Return);
    keys.answer({lessonState().correctAnswer}, Qt::Key_Right, Qt::Key_Space);
    QCOMPARE(keys.on(), "CuteButton4");
    keys.press(Qt::Key_Return);
    keys.answer({lessonState().correctAnswer}, Qt::Key_Right, Qt::Key_Return);
    QVERIFY(keys.tabTo("CuteButton5"));
    keys.press(Qt::Key_Space);
    QVERIFY(keys.tabTo("CuteButton6"));
    keys.press(Qt::Key_Return);
    QCOMPARE(s->label(7)->caption(), "せいせき： 100 てん");
    QVERIFY(s->findChild<QWidget*>("DBGrid1")->isVisible());
    QVERIFY(!keys.lostFocus());
}

void KeyboardAloneTest::menuButtonsOpenTheirScreens_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("screen");
    QTest::newRow("first topic, Enter") << QList<int>{Qt::Key_Return} << "Form2";
    QTest::newRow("down a column, space") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Space} << "Form4";
    QTest::newRow("across to the nearest, then down")
        << QList<int>{Qt::Key_Down, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return} << "Form12";
    QTest::newRow("Tab through every topic")
        << QList<int>(11, Qt::Key_Tab) + QList<int>{Qt::Key_Return} << "Form13";
    QTest::newRow("Tab round past おわる")
        << QList<int>(13, Qt::Key_Tab) + QList<int>{Qt::Key_Return} << "Form2";
}

// The menu's topic buttons from the first one; the screen opens modally with
// its first control focused, and もくじへ by the keyboard brings the child back.
void KeyboardAloneTest::menuButtonsOpenTheirScreens() {
    QFETCH(QList<int>, keys);
    QFETCH(QString, screen);
    Form1->show();
    Form1->findChild<QWidget*>("CuteButton3")->setFocus();
    Keys menu(Form1);
    QString opened, focusedThere;
    QTimer::singleShot(0, Form1, [&] {
        auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!open)
            return;
        opened = open->objectName();
        Keys there(open);
        focusedThere = there.on();
        if (there.tabTo("CuteButton2"))
            there.press(Qt::Key_Return);
        open->close();
    });
    for (int key : keys)
        menu.press(key);
    QCOMPARE(opened, screen);
    QCOMPARE(focusedThere, screen == "Form13" ? "ComboBox2" : "ComboBox1");
}

QTEST_MAIN(KeyboardAloneTest)
#include "test_keyboard_alone.moc"
