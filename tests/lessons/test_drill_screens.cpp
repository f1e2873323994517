// The three timed drills driven through their controls: a run's score, time
// and answer rows, the countdown and its time-out, the enabled controls from
// state to state, and the rules that keep a run honest.
#include "app/lesson_state.h"
#include "app/menu_screen.h"
#include "app/screens.h"
#include "controls/caption_label.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "controls/data_grid.h"
#include "lessons/drills/drill_screen.h"
#include "lessons/drills/drill_screen_rules.h"
#include "tests/support/lesson_driver.h"
#include "tests/support/program.h"
#include "tests/support/temp_kyozai.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace {

// The message boxes of the fake platform, with time passing while the
// information box stays open, as it does while the child reads it.
class TimedMessageBoxes final : public MessageBoxes {
public:
    explicit TimedMessageBoxes(ScriptedMessageBoxes& boxes) : boxes_(boxes) {}
    ConfirmAnswer confirm(const QString& text) override { return boxes_.confirm(text); }
    void information(const QString& text) override {
        boxes_.information(text);
        if (whileInformationOpen)
            whileInformationOpen();
    }
    void errorReport(const QString& text) override { boxes_.errorReport(text); }
    std::function<void()> whileInformationOpen;

private:
    ScriptedMessageBoxes& boxes_;
};

// Drives a drill screen as the child would, by short words:
//   "open", "back", "close"        show it, もくじへ, the close box
//   "menu <i>", "time <i>"         pick a problem kind, a time limit
//   "start", "next" [draws]        スタート, つぎへ; the problem's draws are
//                                  scripted first: the given ones ("4,6,6")
//                                  or the screen's own for that problem
//   "stop", "result"               ストップ, けっか
//   "right", "wrong", "submit"     pick the digits of the answer (of the answer
//                                  with another ones digit) and ◆; ◆ alone
//   "tick <n>"                     n seconds pass; Timer3 ticks while it runs
//   "wait <n>"                     n seconds pass on the clock only
//   "clock <hh:mm:ss>"             sets the clock
class DrillDriver {
public:
    DrillDriver(DrillScreen* screen, FakePlatform& platform) : screen_(screen), platform_(platform) {}

    void run(const QStringList& actions) const {
        for (const QString& action : actions)
            act(action);
    }

    void act(const QString& action) const {
        const QStringList w = action.split(u' ');
        const QString& word = w[0];
        if (word == "open")
            screen_->show();
        else if (word == "close")
            screen_->close();
        else if (word == "menu")
            pick(1, w.value(1).toInt());
        else if (word == "time")
            pick(2, w.value(1).toInt());
        else if (word == "start" || word == "next") {
            scriptProblem(word == "start" ? 1 : lessonState().problemCount + 1, w.value(1));
            click(word == "start" ? 3 : 4);
        } else if (word == "stop")
            click(5);
        else if (word == "result")
            click(6);
        else if (word == "back")
            click(2);
        else if (word == "right" || word == "wrong")
            answer(word == "right");
        else if (word == "submit")
            pick(screen_->rules().submitComboBox, 0);
        else if (word == "tick")
            for (int i = 0; i < w.value(1).toInt(); ++i) {
                pass(1);
                if (timer3()->isActive())
                    QMetaObject::invokeMethod(timer3(), "timeout");
            }
        else if (word == "wait")
            pass(w.value(1).toInt());
        else if (word == "clock")
            platform_.clock->at.setTime(QTime::fromString(w.value(1), "hh:mm:ss"));
        else
            QTest::qFail(qPrintable("unknown action: " + action), __FILE__, __LINE__);
    }

    QTimer* timer3() const { return screen_->findChild<QTimer*>("Timer3"); }
    DataGrid* grid() const { return screen_->findChild<DataGrid*>("DBGrid1"); }
    QString caption(int label) const { return screen_->label(label)->caption(); }

    // The controls the child can use now, by name.
    QString enabled() const {
        QStringList on;
        const DrillScreenRules& rules = screen_->rules();
        if (!rules.menuEntries.isEmpty() && screen_->comboBox(1)->isEnabled())
            on << "menu";
        if (screen_->comboBox(2)->isEnabled())
            on << "time";
        const QStringList buttons{"start", "next", "stop", "result"};
        for (int b = 3; b <= 6; ++b)
            if (screen_->cuteButton(b)->isEnabled())
                on << buttons[b - 3];
        int digits = 0;
        for (const DrillDigitSelector& selector : rules.digitSelectors)
            digits += screen_->comboBox(selector.comboBox)->isEnabled();
        if (digits > 0)
            on << (digits == rules.digitSelectors.size() ? "digits" : "some digits");
        if (screen_->comboBox(rules.submitComboBox)->isEnabled())
            on << "submit";
        return on.join(' ');
    }

private:
    void pass(int seconds) const { platform_.clock->at = platform_.clock->at.addSecs(seconds); }

    void click(int button) const { QTest::mouseClick(screen_->cuteButton(button), Qt::LeftButton); }

    void pick(int list, int entry) const {
        CaptionedList* l = screen_->comboBox(list);
        if (!l->isEnabled())
            QTest::qFail(qPrintable(QStringLiteral("ComboBox%1 is disabled").arg(list)), __FILE__, __LINE__);
        l->pick(entry);
    }

    // Problem n of a run: a known problem that changes from one to the next.
    void scriptProblem(int n, const QString& given) const {
        QList<int> draws;
        if (!given.isEmpty()) {
            for (const QString& d : given.split(u','))
                draws << d.toInt();
        } else if (screen_->objectName() == "Form5") {
            draws = {2, n, 10 + n}; // kind 1: (10 + n) + (20 + n)
        } else if (screen_->objectName() == "Form8") {
            draws = {0, 40 + n, 2 * n}; // kind 1: (51 + n) - (2n + 1)
        } else {
            draws = {n, n + 1}; // (n + 1) x (n + 2)
        }
        platform_.random->script(draws);
    }

    void answer(bool right) const {
        int value = lessonState().correctAnswer;
        if (!right)
            value += value % 10 == 9 ? -1 : 1;
        for (const DrillDigitSelector& selector : screen_->rules().digitSelectors) {
            if (selector.placeValue == 10000) {
                if (value >= 10000)
                    pick(selector.comboBox, 0);
            } else if (const int digit = value / selector.placeValue % 10; digit > 0) {
                pick(selector.comboBox, digit);
            }
        }
        pick(screen_->rules().submitComboBox, 0);
    }

    DrillScreen* screen_;
    FakePlatform& platform_;
};

DrillScreen* drill(const QString& name) {
    return Form1->findChild<DrillScreen*>(name);
}

// What the child does first on each drill to reach a run (with the time limit
// of the given item), and then.
QStringList toRun(const QString& screen, const QStringList& then = {}, int timeItem = 0) {
    QStringList actions{"open"};
    if (screen != "Form13")
        actions << "menu 0";
    return actions << QStringLiteral("time %1").arg(timeItem) << then;
}

// Runs one statement on the table file through a connection of its own.
void onTable(const QString& file, const QString& statement) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test-writer");
        db.setDatabaseName(file);
        QVERIFY(db.open());
        QVERIFY2(QSqlQuery(db).exec(statement), qPrintable(statement));
    }
    QSqlDatabase::removeDatabase("test-writer");
}

const QString answerPrompt = "こたえを えらんでから ◆を おしてね！";
const QString finished = "おつかれさま！";

} // namespace

class DrillScreensTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void aRunIsScoredAndEachAnswerLogged_data();
    void aRunIsScoredAndEachAnswerLogged();
    void cuesOfARun_data();
    void cuesOfARun();
    void controlsFollowTheRunsState_data();
    void controlsFollowTheRunsState();
    void timeOutEndsTheRunAfterItsLimit_data();
    void timeOutEndsTheRunAfterItsLimit();
    void theCountdownBelongsToItsRun_data();
    void theCountdownBelongsToItsRun();
    void eachProblemIsJudgedOnceAndOnlyWhenAsked_data();
    void eachProblemIsJudgedOnceAndOnlyWhenAsked();
    void twoRunsOnTwoScreensShareTheTable();
    void anAnswerTheTableRefusesIsNotCounted();

private:
    DrillDriver driver(const QString& screen) const { return DrillDriver(drill(screen), program_->platform); }
    QStringList rowsInTable() const;

    std::unique_ptr<TempKyozai> folder_;
    std::unique_ptr<StartedProgram> program_;
    TimedMessageBoxes* boxes_ = nullptr;
    std::unique_ptr<MessageBoxes> scripted_;
};

void DrillScreensTest::init() {
    folder_ = std::make_unique<TempKyozai>();
    program_ = std::make_unique<StartedProgram>();
    boxes_ = new TimedMessageBoxes(*program_->platform.boxes);
    scripted_ = Seam<MessageBoxes>::install(std::unique_ptr<MessageBoxes>(boxes_));
    program_->platform.clock->at = QDateTime(QDate(2024, 12, 8), QTime(10, 0, 0));
    lessonState().soundsEnabled = 1;
}

void DrillScreensTest::cleanup() {
    Seam<MessageBoxes>::install(std::move(scripted_));
    program_.reset();
    folder_.reset();
}

QStringList DrillScreensTest::rowsInTable() const {
    QStringList rows;
    for (const QVariantList& row : rowsInFile(folder_->kyozai("dorill.db"), "select * from dorill")) {
        QStringList fields;
        for (const QVariant& field : row)
            fields << field.toString();
        rows << fields.join(u'|');
    }
    return rows;
}

void DrillScreensTest::aRunIsScoredAndEachAnswerLogged_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("result"); // Label5 … Label8
    QTest::addColumn<QStringList>("rows");   // NB|MND|KAI|KOT|HNT
    const QString time = "じかん\u3000： %1 ふん %2 びょう";
    QTest::newRow("addition: 3 problems, 2 right make 66")
        << "Form5" << toRun("Form5", {"start", "right", "next", "wrong", "next", "right", "wait 65", "stop"})
        << QStringList{"もんだい： 3", "○のかず： 2", "せいせき： 66 てん", time.arg(1).arg(5)}
        << QStringList{"1|\u300011 + 21|32|32| ○", "2|\u300012 + 22|34|35| ×", "3|\u300013 + 23|36|36| ○"};
    QTest::newRow("subtraction: 3 problems, 1 right make 33")
        << "Form8" << toRun("Form8", {"start", "wrong", "next", "right", "next", "wrong", "wait 8", "stop"})
        << QStringList{"もんだい： 3", "○のかず： 1", "せいせき： 33 てん", time.arg(0).arg(8)}
        << QStringList{"1|\u300052 - 3|49|48| ×", "2|\u300053 - 5|48|48| ○", "3|\u300054 - 7|47|48| ×"};
    QTest::newRow("multiplication: an unanswered last problem counts, without a row")
        << "Form13" << toRun("Form13", {"start", "right", "next", "right", "next", "stop"})
        << QStringList{"もんだい： 3", "○のかず： 2", "せいせき： 66 てん", time.arg(0).arg(0)}
        << QStringList{"1|\u30002 x 3|6|6| ○", "2|\u30003 x 4|12|12| ○"};
    QTest::newRow("addition: a skipped problem counts, without a row")
        << "Form5" << toRun("Form5", {"start", "right", "next", "next", "wrong", "stop"})
        << QStringList{"もんだい： 3", "○のかず： 1", "せいせき： 33 てん", time.arg(0).arg(0)}
        << QStringList{"1|\u300011 + 21|32|32| ○", "3|\u300013 + 23|36|37| ×"};
    QTest::newRow("addition: 7000 + 7000 is entered with 万 and 千")
        << "Form5" << QStringList{"open", "menu 3", "time 0", "start 4,6,6", "right", "stop"}
        << QStringList{"もんだい： 1", "○のかず： 1", "せいせき： 100 てん", time.arg(0).arg(0)}
        << QStringList{"1|\u30007000 + 7000|14000|14000| ○"};
    QTest::newRow("addition: three numbers in the row")
        << "Form5" << QStringList{"open", "menu 1", "time 0", "start 4,31,22,13", "wrong", "stop"}
        << QStringList{"もんだい： 1", "○のかず： 0", "せいせき： 0 てん", time.arg(0).arg(0)}
        << QStringList{"1|\u300041 + 32 + 23|96|97| ×"};
    QTest::newRow("multiplication: ◆ right after スタート submits 0")
        << "Form13" << toRun("Form13", {"start", "submit", "stop"})
        << QStringList{"もんだい： 1", "○のかず： 0", "せいせき： 0 てん", time.arg(0).arg(0)}
        << QStringList{"1|\u30002 x 3|6|0| ×"};
    QTest::newRow("subtraction: a run across midnight takes its real time")
        << "Form8" << (QStringList{"clock 23:59:30"} + toRun("Form8", {"start", "right", "wait 100", "stop"}))
        << QStringList{"もんだい： 1", "○のかず： 1", "せいせき： 100 てん", time.arg(1).arg(40)}
        << QStringList{"1|\u300052 - 3|49|49| ○"};
}

void DrillScreensTest::aRunIsScoredAndEachAnswerLogged() {
    QFETCH(QString, screen);
    QFETCH(QStringList, actions);
    const DrillDriver d = driver(screen);
    d.run(actions);
    QTEST((QStringList{d.caption(5), d.caption(6), d.caption(7), d.caption(8)}), "result");
    QVERIFY(d.caption(3).isEmpty() && d.caption(4).isEmpty());
    QTEST(rowsInTable(), "rows");
    QVERIFY(program_->platform.boxes->shown.isEmpty());
}

void DrillScreensTest::cuesOfARun_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("cues");
    // show, menu, time; スタート: poon once the table is emptied, then pipo; each
    // digit bun, ◆ poon whether right or wrong; つぎへ pipo; ストップ chararan; けっか none
    QTest::newRow("addition: 11 + 21")
        << "Form5" << toRun("Form5", {"start", "right", "next", "stop", "result"})
        << QStringList{"pipo", "pipo", "pipo", "poon", "pipo", "bun", "bun", "poon", "pipo", "chararan"};
    QTest::newRow("subtraction: 52 - 3, then 53 - 5 answered wrong")
        << "Form8" << toRun("Form8", {"start", "right", "next", "wrong", "stop", "result"})
        << QStringList{"pipo", "pipo", "pipo", "poon", "pipo", "bun",     "bun",
                       "poon", "pipo", "bun",  "bun",  "poon", "chararan"};
    QTest::newRow("multiplication: no menu, no cue for the emptying")
        << "Form13" << toRun("Form13", {"start", "right", "next", "stop", "result"})
        << QStringList{"pipo", "pipo", "pipo", "bun", "poon", "pipo", "chararan"};
}

void DrillScreensTest::cuesOfARun() {
    QFETCH(QString, screen);
    QFETCH(QStringList, actions);
    driver(screen).run(actions);
    QStringList cues;
    for (const QString& file : playedCues(*program_->platform.media))
        cues << file.section('.', 0, 0);
    QTEST(cues, "cues");
}

void DrillScreensTest::controlsFollowTheRunsState_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<bool>("tableShown");
    QTest::addColumn<bool>("counting");

    QTest::newRow("addition shown") << "Form5" << QStringList{"open"} << "menu"
                                    << "メニューを えらんでね！" << false << false;
    QTest::newRow("subtraction shown") << "Form8" << QStringList{"open"} << "menu"
                                       << "メニューを えらんでね！" << false << false;
    QTest::newRow("multiplication shown: the time list and ◆ are open")
        << "Form13" << QStringList{"open"} << "time submit"
        << "じかんを えらんでね！" << false << false;
    for (const QString s : {"Form5", "Form8"})
        QTest::newRow(qPrintable(s + ": a kind chosen")) << s << QStringList{"open", "menu 0"} << "menu time"
                                                         << "じかんを えらんでね！" << false << false;

    struct Common {
        const char* state;
        QStringList actions; // after the time choice
        QString enabled[3];  // addition, subtraction, multiplication
        QString prompt[3];
        bool tableShown;
    };
    const QString plus = "こたえを えらんでから、◆を おしてね！";
    const QString answered = "「つぎへ」ボタンで すすめてね！";
    const QString next = "こたえは 大きい「くらい」から じゅんに えらんでね！";
    const QString shown = "もういちど「けっか」ボタンを おすと きえるよ！";
    const QList<Common> common{
        {"time chosen",
         {},
         {"menu start", "menu start", "start submit"},
         {"「スタート」ボタンを おしてね！", "「スタート」ボタンを おしてね！",
          "「スタート」ボタンを おしてね！"},
         false},
        {"answering after スタート",
         {"start"},
         {"menu digits submit", "menu digits submit", "digits submit"},
         {plus, answerPrompt, answerPrompt},
         false},
        {"answered",
         {"start", "right"},
         {"menu next stop digits submit", "menu next stop digits submit", "next stop digits submit"},
         {answered, answered, answered},
         false},
        {"answering after つぎへ: subtraction waits for ◆ again",
         {"start", "right", "next"},
         {"menu next stop digits submit", "menu digits submit", "next stop digits submit"},
         {next, answerPrompt, answerPrompt},
         false},
        {"finished",
         {"start", "right", "stop"},
         {"menu start result digits submit", "menu start result digits submit", "start result digits submit"},
         {finished, finished, finished},
         false},
        {"table shown",
         {"start", "right", "stop", "result"},
         {"menu start result digits submit", "menu start result digits submit", "start result digits submit"},
         {shown, shown, shown},
         true},
        {"table hidden again",
         {"start", "right", "stop", "result", "result"},
         {"menu start result digits submit", "menu start result digits submit", "start result digits submit"},
         {finished, finished, finished},
         false},
        {"a new run from the table: the table goes",
         {"start", "right", "stop", "result", "start"},
         {"menu digits submit", "menu digits submit", "digits submit"},
         {plus, answerPrompt, answerPrompt},
         false},
    };
    const QStringList screens{"Form5", "Form8", "Form13"};
    for (int i = 0; i < screens.size(); ++i)
        for (const Common& c : common)
            QTest::newRow(qPrintable(screens[i] + ": " + c.state))
                << screens[i] << toRun(screens[i], c.actions) << c.enabled[i] << c.prompt[i] << c.tableShown
                << false;
    for (const QString s : {"Form5", "Form8", "Form13"}) {
        QTest::newRow(qPrintable(s + ": a limit starts the countdown"))
            << s << toRun(s, {"start"}, 1) << (s == "Form13" ? "digits submit" : "menu digits submit")
            << (s == "Form5" ? plus : answerPrompt) << false << true;
    }
    QTest::newRow("addition: a menu choice after a run clears it")
        << "Form5" << toRun("Form5", {"start", "right", "stop", "result", "menu 1"}) << "menu time"
        << "じかんを えらんでね！" << false << false;
    QTest::newRow("multiplication shown again after a run")
        << "Form13" << toRun("Form13", {"start", "right", "stop", "result", "back", "open"}) << "time submit"
        << "じかんを えらんでね！" << false << false;
}

void DrillScreensTest::controlsFollowTheRunsState() {
    QFETCH(QString, screen);
    QFETCH(QStringList, actions);
    QFETCH(bool, tableShown);
    const DrillDriver d = driver(screen);
    d.run(actions);
    QTEST(d.enabled(), "enabled");
    QTEST(d.caption(2), "prompt");
    QCOMPARE(d.grid()->isVisible(), tableShown);
    if (tableShown) {
        QCOMPARE(lessonState().hintShown, 1);
        QCOMPARE(d.grid()->y(), 112);
    }
    QTEST(d.timer3()->isActive(), "counting");
    QVERIFY(program_->platform.boxes->shown.isEmpty());
}

void DrillScreensTest::timeOutEndsTheRunAfterItsLimit_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("timeItem");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("message");
    const QString timeOut = "じかんに なったから ドリルを おわるよ！";
    QTest::newRow("addition, 5 minutes") << "Form5" << 1 << 300 << timeOut;
    QTest::newRow("subtraction, 10 minutes") << "Form8" << 2 << 600 << timeOut;
    QTest::newRow("multiplication, 15 minutes")
        << "Form13" << 3 << 900 << "じかんになったから ドリルを おわるよ！";
}

void DrillScreensTest::timeOutEndsTheRunAfterItsLimit() {
    QFETCH(QString, screen);
    QFETCH(int, timeItem);
    QFETCH(int, limit);
    QFETCH(QString, message);
    const DrillDriver d = driver(screen);
    QStringList& shown = program_->platform.boxes->shown;
    // The child reads the message for 4 seconds before closing it.
    boxes_->whileInformationOpen = [this] {
        program_->platform.clock->at = program_->platform.clock->at.addSecs(4);
    };
    d.run(toRun(screen, {"start", "right", "next"}, timeItem));
    d.act(QStringLiteral("tick %1").arg(limit - 1));
    QVERIFY(shown.isEmpty());
    const QString before = d.enabled();
    d.act("tick 1");
    QCOMPARE(shown, QStringList{"information: " + message});
    const QString time = QStringLiteral("じかん\u3000： %1 ふん 4 びょう").arg(limit / 60);
    QCOMPARE((QStringList{d.caption(5), d.caption(6), d.caption(7), d.caption(8)}),
             (QStringList{"もんだい： 2", "○のかず： 1", "せいせき： 50 てん", time}));
    QVERIFY(d.caption(3).isEmpty() && d.caption(4).isEmpty());
    QVERIFY(!d.timer3()->isActive());
    // The time-out changes no control: the problem on screen can still be answered.
    QCOMPARE(d.enabled(), before);
    d.run({"right", "wait 10", "stop"});
    QCOMPARE(d.caption(7), QStringLiteral("せいせき： 100 てん"));
    QCOMPARE(d.caption(8), QStringLiteral("じかん\u3000： %1 ふん 14 びょう").arg(limit / 60));
    QCOMPARE(rowsInTable().size(), 2);
    d.act("tick 1000");
    QCOMPARE(shown.size(), 1);
}

void DrillScreensTest::theCountdownBelongsToItsRun_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("actions"); // after a run with a limit of 5 minutes started
    QTest::addColumn<int>("ticksToTimeOut");  // after the actions; 0: no time-out comes
    QTest::newRow("a menu choice ends it") << "Form5" << QStringList{"right", "menu 2"} << 0;
    QTest::newRow("a menu choice and a time choice end it")
        << "Form8" << QStringList{"tick 100", "menu 1", "time 1"} << 0;
    QTest::newRow("もくじへ ends it, and the screen shown again has none")
        << "Form13" << QStringList{"right", "back", "tick 400", "open"} << 0;
    QTest::newRow("the close box ends it") << "Form5" << QStringList{"tick 299", "close"} << 0;
    QTest::newRow("ストップ ends it") << "Form8" << QStringList{"right", "stop"} << 0;
    QTest::newRow("a new run counts its own limit from スタート")
        << "Form13" << QStringList{"tick 200", "right", "stop", "start"} << 300;
}

void DrillScreensTest::theCountdownBelongsToItsRun() {
    QFETCH(QString, screen);
    QFETCH(QStringList, actions);
    QFETCH(int, ticksToTimeOut);
    const DrillDriver d = driver(screen);
    d.run(toRun(screen, {"start"}, 1));
    d.run(actions);
    QStringList& shown = program_->platform.boxes->shown;
    if (ticksToTimeOut > 0) {
        d.act(QStringLiteral("tick %1").arg(ticksToTimeOut - 1));
        QVERIFY(shown.isEmpty());
        d.act("tick 1");
        QCOMPARE(shown.size(), 1);
    } else {
        QVERIFY(!d.timer3()->isActive());
        d.act("tick 1000");
        QVERIFY(shown.isEmpty());
    }
}

void DrillScreensTest::eachProblemIsJudgedOnceAndOnlyWhenAsked_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("score");    // Label7 after the last ストップ; empty: none taken
    QTest::addColumn<QStringList>("last"); // the cues of the last action
    for (const QString s : {"Form5", "Form8", "Form13"})
        QTest::newRow(qPrintable(s + ": a second ◆ on the same problem does nothing"))
            << s << toRun(s, {"start", "right", "submit", "wrong", "stop"}) << 1 << "せいせき： 100 てん"
            << QStringList{"chararan"};
    QTest::newRow("addition: a problem left open by ストップ is answered after it")
        << "Form5" << toRun("Form5", {"start", "right", "next", "stop", "right", "stop"}) << 2
        << "せいせき： 100 てん" << QStringList{"chararan"};
    QTest::newRow("subtraction: after ストップ a judged problem stays judged")
        << "Form8" << toRun("Form8", {"start", "right", "stop", "wrong"}) << 1 << "せいせき： 100 てん"
        << QStringList{"bun", "bun"};
    QTest::newRow("multiplication: ◆ before スタート does nothing")
        << "Form13" << QStringList{"open", "submit"} << 0 << "" << QStringList{};
    // The problem of the last showing is not this showing's: without the rule,
    // a row numbered 0 and a result of 0 problems would follow.
    QTest::newRow("multiplication: ◆ on the screen shown again after a run does nothing")
        << "Form13" << toRun("Form13", {"start", "right", "stop", "back", "open", "submit"}) << 1 << ""
        << QStringList{};
}

void DrillScreensTest::eachProblemIsJudgedOnceAndOnlyWhenAsked() {
    QFETCH(QString, screen);
    QFETCH(QStringList, actions);
    const DrillDriver d = driver(screen);
    RecordingMediaDevice& media = *program_->platform.media;
    d.run(actions.mid(0, actions.size() - 1));
    const int cuesBefore = static_cast<int>(playedCues(media).size());
    const QString promptBefore = d.caption(2);
    d.act(actions.last());
    QStringList last;
    for (const QString& file : playedCues(media).mid(cuesBefore))
        last << file.section('.', 0, 0);
    QTEST(last, "last");
    QTEST(int(rowsInTable().size()), "rows");
    QTEST(d.caption(7), "score");
    if (last.isEmpty()) { // nothing answered: nothing changed
        QCOMPARE(d.caption(2), promptBefore);
        QCOMPARE(d.enabled(), QStringLiteral("time submit"));
    }
}

void DrillScreensTest::twoRunsOnTwoScreensShareTheTable() {
    const DrillDriver addition = driver("Form5");
    addition.run(toRun("Form5", {"start", "right", "next", "wrong", "stop", "back"}));
    QCOMPARE(rowsInTable().size(), 2);

    const DrillDriver times = driver("Form13");
    times.run(toRun("Form13", {"start"}));
    QVERIFY(rowsInTable().isEmpty());
    times.run({"right", "stop", "result"});
    QCOMPARE(rowsInTable(), QStringList{"1|\u30002 x 3|6|6| ○"});
    QCOMPARE(times.grid()->model()->rowCount(), 1);
    QCOMPARE(times.grid()->model()->index(0, 1).data().toString(), QStringLiteral("\u30002 x 3"));
    times.run({"back"});

    // and the first screen's next run removes the second's.
    addition.run(toRun("Form5", {"start"}));
    QVERIFY(rowsInTable().isEmpty());
    addition.run({"right"});
    QCOMPARE(rowsInTable(), QStringList{"1|\u300011 + 21|32|32| ○"});
}

void DrillScreensTest::anAnswerTheTableRefusesIsNotCounted() {
    const DrillDriver d = driver("Form13");
    d.run(toRun("Form13", {"start"}));
    const QString table = folder_->kyozai("dorill.db");
    onTable(table, "CREATE TRIGGER refuse BEFORE INSERT ON dorill BEGIN SELECT RAISE(ABORT, 'full'); END");
    d.act("right");
    const QStringList& shown = program_->platform.boxes->shown;
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith("error: kyozai の dorill.db に かきこめません。\nfull"),
             qPrintable(shown[0]));
    QCOMPARE(lessonState().correctCount, 0);
    QCOMPARE(d.enabled(), QStringLiteral("digits submit"));
    QCOMPARE(d.caption(2), answerPrompt);

    // The problem is still open: once the table takes rows again it is logged, once.
    onTable(table, "DROP TRIGGER refuse");
    d.run({"submit", "submit", "stop"});
    QCOMPARE(rowsInTable(), QStringList{"1|\u30002 x 3|6|6| ○"});
    QCOMPARE(d.caption(7), QStringLiteral("せいせき： 100 てん"));
}

QTEST_MAIN(DrillScreensTest)
#include "test_drill_screens.moc"
