// Every screen used without a mouse: each key goes to the control with the
// focus, as a keyboard sends it, and the focus goes where the child goes on,
// never nowhere. A child who listens is told, on the control the focus is on,
// every text a key put up.
#include "app/menu_screen.h"
#include "app/screens.h"
#include "controls/caption_label.h"
#include "controls/captioned_list.h"
#include "core/display_text.h"
#include "core/help_viewer.h"
#include "core/lesson_state.h"
#include "lessons/wordproblems/addsub_word_problem_texts.h"
#include "tests/support/program.h"
#include "tests/support/seeded_random.h"
#include "tests/support/temp_kyozai.h"
#include "ui/keyboard_focus.h"
#include "ui/screen_frame.h"

#include <QAccessible>
#include <QKeySequence>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// The answer to the problem up, in the parts the screen takes it in.
using Parts = std::function<QList<int>(const LessonState&)>;

class KeyboardAloneTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TempKyozai> folder_;
    std::unique_ptr<StartedProgram> program_;
    std::unique_ptr<RandomSource> random_;
    ScreenFrame* screen_ = nullptr;
    bool lost_ = false;
    QWidget* focused() const { return screen_->focusWidget() ? screen_->focusWidget() : screen_; }
    QAccessibleInterface* spoken() const { return QAccessible::queryAccessibleInterface(focused()); }
    QString told() const { return spoken()->text(QAccessible::Description); }
    // Each key: every text it changed is in what the focused control tells.
    void press(int key) {
        step([this, key] { QTest::keyClick(focused(), Qt::Key(key)); });
    }
    void step(const std::function<void()>& action) {
        QHash<CaptionLabel*, QString> shown;
        for (CaptionLabel* label : screen_->findChildren<CaptionLabel*>())
            shown.insert(label, label->caption());
        const QWidget* focusedBefore = focused();
        action();
        lost_ = lost_ || !keyboard::reachable(focused());
        bool news = false;
        for (auto [label, before] : shown.asKeyValueRange())
            if (label->caption() != before && label->isVisibleTo(screen_)) {
                news = true;
                QVERIFY2(told().contains(displayText(label->caption()).trimmed()), qPrintable(told()));
            }
        // Where the focus stays, a notification in the focused control says it.
        if (news && focused() == focusedBefore)
            for (QWidget* inside : focused()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (QAccessibleInterface* notice = QAccessible::queryAccessibleInterface(inside);
                    notice->role() == QAccessible::Notification && inside->isVisible())
                    news = notice->text(QAccessible::Name) != told();
        QVERIFY(!news || focused() != focusedBefore);
    }
    // The list of the answer's highest place, where Return picks nothing.
    void checkAnswerBegins(int answer) {
        auto* list = qobject_cast<CaptionedList*>(focused());
        DigitPlace highest = DigitPlace::Ones;
        for (DigitPlace place :
             {DigitPlace::Tens, DigitPlace::Hundreds, DigitPlace::Thousands, DigitPlace::TenThousands})
            highest = answer >= placeValue(place) ? place : highest;
        QCOMPARE(list->caption().trimmed(), placeCaption(highest));
        press(Qt::Key_Return);
        QCOMPARE(list->itemIndex(), -1);
    }
    // A typed digit is the list's value, and said.
    void type(const QString& digits) {
        QTest::keyClicks(focused(), digits);
        if (auto* list = qobject_cast<CaptionedList*>(focused()); list && list->itemIndex() >= 0) {
            QCOMPARE(spoken()->text(QAccessible::Value), list->text());
            QCOMPARE(told(), list->text().trimmed());
        }
    }
    // Each part typed into the lists from the focused one on, a digit per
    // list, then ◆; a lone list takes one digit per part.
    void answer(const QList<int>& parts) {
        for (int part : parts) {
            int lists = 0, place = 1;
            for (QWidget* w = focused(); lists < 9; w = w->nextInFocusChain())
                if ((w->focusPolicy() & Qt::TabFocus) && keyboard::reachable(w)) {
                    if (!qobject_cast<CaptionedList*>(w))
                        break;
                    place *= ++lists > 2 ? 10 : 1;
                }
            for (; lists > 1 && place > 0; place /= 10) {
                type(QString::number(part / place % 10));
                press(Qt::Key_Right);
            }
            lists > 1 ? press(Qt::Key_Return) : type(QString::number(part));
        }
    }

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

    // "=Name" the focus is there; ">Name" Tab until it is; "answer"; a key.
    void studyTestAndDrillCycles_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<Parts>("parts");
        QTest::addColumn<int>("label");
        QTest::addColumn<QString>("caption");
        const Parts whole = [](const LessonState& s) { return QList<int>{s.correctAnswer}; };
        const QString test = " >CuteButton3 Return >CuteButton4 Space ";
        QTest::newRow("numbers") << "Form2"
                                 << "=ComboBox1 Return =CuteButton4 Return =CuteButton5 Return =CuteButton4" +
                                        test + "=place answer =CuteButton4"
                                 << whole << 5 << "○";
        QTest::newRow("mental addition") << "Form3"
                                         << "Down Return Return Return =CuteButton4" + test +
                                                "=place answer =CuteButton4 >ComboBox1 Return"
                                         << whole << 6 << "○";
        QTest::newRow("column addition: ones, then tens and carry")
            << "Form4"
            << "Return Return =CuteButton5 Return Return Return =CuteButton4" + test + "=ComboBox3 answer"
            << Parts([](const LessonState& s) {
                   const int ones = s.operand2 % 10 + s.operand3 % 10;
                   return QList<int>{ones, (s.correctAnswer - ones % 10) / 10};
               })
            << 12 << "○";
        QTest::newRow("mental subtraction")
            << "Form6"
            << "Down Down Return Return Return =CuteButton4" + test + "=place answer =CuteButton4" << whole
            << 6 << "○";
        QTest::newRow("column subtraction: a digit per column")
            << "Form7"
            << "Return Return Return Return Return =CuteButton4" + test + "=ComboBox2 answer =CuteButton4"
            << Parts([](const LessonState& s) {
                   return QList<int>{s.correctAnswer % 10, s.correctAnswer / 10};
               })
            << 12 << "○";
        QTest::newRow("word problems")
            << "Form9"
            << "=CuteButton4 Return Return Return Return =CuteButton4" + test + "=place answer"
            << Parts([](const LessonState& s) {
                   return QList<int>{addSubQuestion(s.problemKind, {s.operand1, s.operand2})->answer};
               })
            << 4 << "○";
        QTest::newRow("parentheses: the increase, then the total")
            << "Form10"
            << "Return Return Return Return Return =CuteButton4" + test + "=ComboBox3 answer =CuteButton4"
            << Parts([](const LessonState& s) {
                   return QList<int>{s.operand4, s.correctAnswer};
               })
            << 4 << "○";
        QTest::newRow("length: the menu explains, test mode asks")
            << "Form11"
            << "Return =ComboBox1 >CuteButton3 Return =CuteButton4 Space =ComboBox4 answer =CuteButton4"
            << whole << 6 << "○";
        QTest::newRow("times tables in use")
            << "Form12"
            << "Down Down Down Return Return Return =CuteButton4" + test + "=ComboBox3 answer" << whole << 7
            << "○";
        const QString run =
            "=CuteButton3 Return =place answer =CuteButton4 Return =place answer >CuteButton5 Space "
            "=CuteButton6 Return";
        const QString score = QStringLiteral("せいせき： 100 てん");
        QTest::newRow("addition drill")
            << "Form5"
            << "Space =ComboBox2 Return " + run + " >ComboBox1 Return" << whole << 7 << score;
        QTest::newRow("subtraction drill")
            << "Form8"
            << "Space =ComboBox2 Return " + run + " >ComboBox1 Return" << whole << 7 << score;
        QTest::newRow("addition drill, the time runs out")
            << "Form5"
            << "Space =ComboBox2 Down Return =CuteButton3 Return =place answer =CuteButton4 timeout "
               "=CuteButton6 Return"
            << whole << 7 << score;
        QTest::newRow("multiplication drill, no menu") << "Form13"
                                                       << "=ComboBox2 Return " + run << whole << 7 << score;
    }

    void studyTestAndDrillCycles() {
        QFETCH(QString, screen);
        QFETCH(QString, keys);
        QFETCH(Parts, parts);
        QFETCH(int, label);
        QFETCH(QString, caption);
        auto* s = Form1->findChild<ScreenFrame*>(screen);
        screen_ = s;
        s->show();
        s->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s));
        QVERIFY(told().contains(s->label(1)->caption()));
        for (const QString& word : keys.split(' ', Qt::SkipEmptyParts)) {
            if (QTest::currentTestFailed())
                return;
            if (word == "=place")
                checkAnswerBegins(parts(lessonState()).first());
            else if (word.startsWith('=')) {
                QCOMPARE(focused()->objectName(), word.mid(1));
                QCOMPARE(spoken()->role(), qobject_cast<CaptionedList*>(focused()) ? QAccessible::List
                                                                                   : QAccessible::PushButton);
            } else if (word == "timeout")
                step([s] {
                    auto* countdown = s->findChild<QTimer*>("Timer3");
                    for (int tick = 0; tick < 1000 && countdown->isActive(); ++tick)
                        QMetaObject::invokeMethod(countdown, "timeout");
                });
            else if (word.startsWith('>'))
                for (int i = 0; i < 30 && focused()->objectName() != word.mid(1); ++i)
                    press(Qt::Key_Tab);
            else if (word == "answer")
                answer(parts(lessonState()));
            else
                press(QKeySequence::fromString(word)[0].key());
        }
        QCOMPARE(s->label(label)->caption(), caption);
        QVERIFY(!lost_);
    }

    // F1 on the menu asks for the help; the help window goes with Escape or its own button.
    void helpComesWithF1AndGoes_data() {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("Escape") << true;
        QTest::newRow("its button") << false;
    }
    void helpComesWithF1AndGoes() {
        QFETCH(bool, byEscape);
        Form1->show();
        Form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        QTest::keyClick(Form1, Qt::Key_F1);
        QCOMPARE(program_->platform.help->requests.size(), 1);
        auto recording = Seam<HelpViewer>::install(nullptr);
        helpViewer().showContents(program_->platform.help->requests.first(), Form1);
        auto* help = Form1->findChild<QWidget*>("HelpWindow");
        QVERIFY(QTest::qWaitForWindowActive(help));
        byEscape ? QTest::keyClick(help->focusWidget() ? help->focusWidget() : help, Qt::Key_Escape)
                 : QTest::mouseClick(help->findChild<QWidget*>("HelpClose"), Qt::LeftButton);
        const bool gone = !help->isVisible();
        Seam<HelpViewer>::install(std::move(recording));
        QVERIFY(gone);
    }
};

QTEST_MAIN(KeyboardAloneTest)
#include "test_keyboard_alone.moc"
