// The three timed drills driven through their controls: a run's score, time,
// cues and answer rows, the enabled controls from state to state, the
// countdown and its time-out, and the rules that keep a run honest.
#include "app/menu_screen.h"
#include "app/screens.h"
#include "controls/caption_label.h"
#include "controls/data_grid.h"
#include "core/lesson_state.h"
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

// The fake platform's message boxes, with time passing while the information
// box stays open, as it does while the child reads it.
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

// Drives a drill screen as the child would, by short words: "open", "back"
// (もくじへ), "close" (the close box), "menu <i>", "time <i>", "start" and
// "next" (with the problem's draws scripted first: the given ones, "start
// 4,6,6", or the screen's own for that problem), "stop", "result", "right" and
// "wrong" (the digits of the answer, or of the answer with another ones digit,
// then ◆), "submit" (◆ alone), "tick <n>" (n seconds pass, Timer3 ticking
// while it runs), "wait <n>" (n seconds pass) and "clock <hh:mm:ss>".
class DrillDriver {
public:
    DrillDriver(const QString& screen, FakePlatform& platform)
        : s_(Form1->findChild<DrillScreen*>(screen)), platform_(platform) {}

    void run(const QStringList& actions) const {
        for (const QString& action : actions)
            act(action);
    }

    void act(const QString& action) const {
        const QString word = action.section(' ', 0, 0);
        const QString arg = action.section(' ', 1);
        const QStringList buttons{"back", "start", "next", "stop", "result"};
        if (word == "start" || word == "next")
            scriptProblem(word == "start" ? 1 : lessonState().problemCount + 1, arg);
        if (word == "open")
            s_->show();
        else if (word == "close")
            s_->close();
        else if (word == "menu" || word == "time")
            pick(word == "menu" ? 1 : 2, arg.toInt());
        else if (buttons.contains(word))
            QTest::mouseClick(s_->cuteButton(int(buttons.indexOf(word)) + 2), Qt::LeftButton);
        else if (word == "right" || word == "wrong")
            answer(word == "right");
        else if (word == "submit")
            pick(s_->rules().submitComboBox, 0);
        else if (word == "tick")
            for (int i = 0; i < arg.toInt(); ++i) {
                pass(1);
                if (timer3()->isActive())
                    QMetaObject::invokeMethod(timer3(), "timeout");
            }
        else if (word == "wait")
            pass(arg.toInt());
        else if (word == "clock")
            platform_.clock->at.setTime(QTime::fromString(arg, "hh:mm:ss"));
    }

    QString caption(int label) const { return s_->label(label)->caption(); }
    QStringList result() const { return {caption(5), caption(6), caption(7), caption(8)}; }
    QTimer* timer3() const { return s_->findChild<QTimer*>("Timer3"); }
    DataGrid* grid() const { return s_->findChild<DataGrid*>("DBGrid1"); }

    // The controls the child can use now.
    QString enabled() const {
        const DrillScreenRules& rules = s_->rules();
        QStringList on;
        if (!rules.menuEntries.isEmpty() && s_->comboBox(1)->isEnabled())
            on << "menu";
        if (s_->comboBox(2)->isEnabled())
            on << "time";
        const QStringList buttons{"start", "next", "stop", "result"};
        for (int b = 3; b <= 6; ++b)
            if (s_->cuteButton(b)->isEnabled())
                on << buttons[b - 3];
        // The digit selectors are enabled and disabled together.
        if (s_->comboBox(rules.digitSelectors.last().comboBox)->isEnabled())
            on << "digits";
        if (s_->comboBox(rules.submitComboBox)->isEnabled())
            on << "submit";
        return on.join(' ');
    }

private:
    void pass(int seconds) const { platform_.clock->at = platform_.clock->at.addSecs(seconds); }

    void pick(int list, int entry) const {
        if (!s_->comboBox(list)->isEnabled())
            QTest::qFail(qPrintable(QStringLiteral("ComboBox%1 is disabled").arg(list)), __FILE__, __LINE__);
        s_->comboBox(list)->pick(entry);
    }

    // Problem n of a run: known, and another one each time.
    void scriptProblem(int n, const QString& given) const {
        QList<int> draws;
        for (const QString& d : given.split(u',', Qt::SkipEmptyParts))
            draws << d.toInt();
        if (draws.isEmpty())
            draws = s_->objectName() == "Form5"   ? QList<int>{2, n, 10 + n}     // (10 + n) + (20 + n)
                    : s_->objectName() == "Form8" ? QList<int>{0, 40 + n, 2 * n} // (51 + n) - (2n + 1)
                                                  : QList<int>{n, n + 1};        // (n + 1) x (n + 2)
        platform_.random->script(draws);
    }

    void answer(bool right) const {
        int value = lessonState().correctAnswer;
        if (!right)
            value += value % 10 == 9 ? -1 : 1;
        for (const DrillDigitSelector& selector : s_->rules().digitSelectors) {
            const int place = placeValue(selector.place);
            if (place == 10000 && value >= 10000)
                pick(selector.comboBox, 0);
            else if (const int digit = value / place % 10; place < 10000 && digit > 0)
                pick(selector.comboBox, digit);
        }
        pick(s_->rules().submitComboBox, 0);
    }

    DrillScreen* s_;
    FakePlatform& platform_;
};

// What the child does first on each drill, up to the time choice, and then.
QStringList toRun(const QString& screen, const QStringList& then = {}, int timeItem = 0) {
    QStringList actions{"open"};
    if (screen != "Form13")
        actions << "menu 0";
    return actions << QStringLiteral("time %1").arg(timeItem) << then;
}

// One expectation for the three screens, or "addition / subtraction / multiplication".
QString onScreen(const QString& expected, int screen) {
    const QStringList each = expected.split(" / ");
    return each.size() == 3 ? each.at(screen) : expected;
}

void onTable(const QString& file, const QString& statement) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test-writer");
        db.setDatabaseName(file);
        QVERIFY(db.open());
        QVERIFY2(QSqlQuery(db).exec(statement), qPrintable(statement));
    }
    QSqlDatabase::removeDatabase("test-writer");
}

const QStringList screens{"Form5", "Form8", "Form13"};
const QString timeText = QStringLiteral("じかん\u3000： %1 ふん %2 びょう");

} // namespace

class DrillScreensTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void aRunIsScoredAndEachAnswerLogged_data();
    void aRunIsScoredAndEachAnswerLogged();
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
    DrillDriver driver(const QString& screen) const { return DrillDriver(screen, program_->platform); }
    QStringList rowsInTable() const;
    QStringList cues() const;

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

QStringList DrillScreensTest::cues() const {
    QStringList names;
    for (const QString& file : playedCues(*program_->platform.media))
        names << file.section('.', 0, 0);
    return names;
}

void DrillScreensTest::aRunIsScoredAndEachAnswerLogged_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("result"); // Label5 … Label8
    QTest::addColumn<QStringList>("rows");   // NB|MND|KAI|KOT|HNT
    QTest::addColumn<QStringList>("cues");   // of the whole run, where given
    // The cues: show, menu, time; スタート: poon once the table is emptied (not
    // on the multiplication drill), pipo; each digit bun; ◆ poon, right or
    // wrong; つぎへ pipo; ストップ chararan.
    QTest::newRow("addition: 3 problems, 2 right make 66")
        << "Form5" << toRun("Form5", {"start", "right", "next", "wrong", "next", "right", "wait 65", "stop"})
        << QStringList{"もんだい： 3", "○のかず： 2", "せいせき： 66 てん", timeText.arg(1).arg(5)}
        << QStringList{"1|\u300011 + 21|32|32| ○", "2|\u300012 + 22|34|35| ×", "3|\u300013 + 23|36|36| ○"}
        << QStringList{"pipo", "pipo", "pipo", "poon", "pipo", "bun", "bun",  "poon",    "pipo",
                       "bun",  "bun",  "poon", "pipo", "bun",  "bun", "poon", "chararan"};
    QTest::newRow("subtraction: 3 problems, 1 right make 33")
        << "Form8" << toRun("Form8", {"start", "wrong", "next", "right", "next", "wrong", "wait 8", "stop"})
        << QStringList{"もんだい： 3", "○のかず： 1", "せいせき： 33 てん", timeText.arg(0).arg(8)}
        << QStringList{"1|\u300052 - 3|49|48| ×", "2|\u300053 - 5|48|48| ○", "3|\u300054 - 7|47|48| ×"}
        << QStringList{};
    QTest::newRow("multiplication: an unanswered last problem counts, without a row")
        << "Form13" << toRun("Form13", {"start", "right", "next", "right", "next", "stop"})
        << QStringList{"もんだい： 3", "○のかず： 2", "せいせき： 66 てん", timeText.arg(0).arg(0)}
        << QStringList{"1|\u30002 x 3|6|6| ○", "2|\u30003 x 4|12|12| ○"}
        << QStringList{"pipo", "pipo", "pipo", "bun",  "poon",    "pipo",
                       "bun",  "bun",  "poon", "pipo", "chararan"};
    QTest::newRow("addition: a skipped problem counts, without a row")
        << "Form5" << toRun("Form5", {"start", "right", "next", "next", "wrong", "stop"})
        << QStringList{"もんだい： 3", "○のかず： 1", "せいせき： 33 てん", timeText.arg(0).arg(0)}
        << QStringList{"1|\u300011 + 21|32|32| ○", "3|\u300013 + 23|36|37| ×"} << QStringList{};
    QTest::newRow("addition: 7000 + 7000 is entered with 万 and 千")
        << "Form5" << QStringList{"open", "menu 3", "time 0", "start 4,6,6", "right", "stop"}
        << QStringList{"もんだい： 1", "○のかず： 1", "せいせき： 100 てん", timeText.arg(0).arg(0)}
        << QStringList{"1|\u30007000 + 7000|14000|14000| ○"} << QStringList{};
    QTest::newRow("multiplication: ◆ right after スタート submits 0")
        << "Form13" << toRun("Form13", {"start", "submit", "stop"})
        << QStringList{"もんだい： 1", "○のかず： 0", "せいせき： 0 てん", timeText.arg(0).arg(0)}
        << QStringList{"1|\u30002 x 3|6|0| ×"} << QStringList{};
    QTest::newRow("subtraction: a run across midnight takes its real time")
        << "Form8" << (QStringList{"clock 23:59:30"} + toRun("Form8", {"start", "right", "wait 100", "stop"}))
        << QStringList{"もんだい： 1", "○のかず： 1", "せいせき： 100 てん", timeText.arg(1).arg(40)}
        << QStringList{"1|\u300052 - 3|49|49| ○"} << QStringList{};
}

void DrillScreensTest::aRunIsScoredAndEachAnswerLogged() {
    QFETCH(QString, screen);
    QFETCH(QStringList, actions);
    QFETCH(QStringList, cues);
    const DrillDriver d = driver(screen);
    d.run(actions);
    QTEST(d.result(), "result");
    QVERIFY(d.caption(3).isEmpty() && d.caption(4).isEmpty());
    QTEST(rowsInTable(), "rows");
    if (!cues.isEmpty())
        QCOMPARE(this->cues(), cues);
    QVERIFY(program_->platform.boxes->shown.isEmpty());
}

void DrillScreensTest::controlsFollowTheRunsState_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<bool>("tableShown");
    QTest::addColumn<bool>("counting");
    // A state of the three screens after the time choice; enabled and prompt
    // for all three, or each: "addition / subtraction / multiplication".
    auto state = [](const char* name, const QStringList& actions, const QString& enabled,
                    const QString& prompt, bool tableShown = false, int timeItem = 0) {
        for (int i = 0; i < screens.size(); ++i)
            QTest::newRow(qPrintable(screens[i] + ": " + name))
                << screens[i] << toRun(screens[i], actions, timeItem) << onScreen(enabled, i)
                << onScreen(prompt, i) << tableShown << (timeItem > 0);
    };
    const QString answer = "こたえを えらんでから ◆を おしてね！";
    const QString afterStart = "こたえを えらんでから、◆を おしてね！ / " + answer + " / " + answer;
    const QString answering = "menu digits submit / menu digits submit / digits submit";
    const QString answered =
        "menu next stop digits submit / menu next stop digits submit / next stop digits submit";
    const QString finished = "menu start result digits submit / menu start result digits submit / "
                             "start result digits submit";
    state("time chosen", {}, "menu start / menu start / start submit", "「スタート」ボタンを おしてね！");
    state("answering", {"start"}, answering, afterStart);
    state("answering, counting down", {"start"}, answering, afterStart, false, 1);
    state("answered", {"start", "right"}, answered, "「つぎへ」ボタンで すすめてね！");
    state("answering after つぎへ: only subtraction waits for ◆ again", {"start", "right", "next"},
          "menu next stop digits submit / menu digits submit / next stop digits submit",
          "こたえは 大きい「くらい」から じゅんに えらんでね！ / " + answer + " / " + answer);
    state("finished", {"start", "right", "stop"}, finished, "おつかれさま！");
    state("table shown", {"start", "right", "stop", "result"}, finished,
          "もういちど「けっか」ボタンを おすと きえるよ！", true);
    state("table hidden again", {"start", "right", "stop", "result", "result"}, finished, "おつかれさま！");
    state("a new run from the table: the table goes", {"start", "right", "stop", "result", "start"},
          answering, afterStart);
    const QString chooseTime = "じかんを えらんでね！";
    for (const QString s : {"Form5", "Form8"}) {
        QTest::newRow(qPrintable(s + ": shown")) << s << QStringList{"open"} << "menu"
                                                 << "メニューを えらんでね！" << false << false;
        QTest::newRow(qPrintable(s + ": a kind chosen, after a run too"))
            << s << toRun(s, {"start", "right", "stop", "result", "menu 1"}) << "menu time" << chooseTime
            << false << false;
    }
    QTest::newRow("Form13: shown, the time list and ◆ open")
        << "Form13" << QStringList{"open"} << "time submit" << chooseTime << false << false;
    QTest::newRow("Form13: shown again after a run")
        << "Form13" << toRun("Form13", {"start", "right", "stop", "result", "back", "open"}) << "time submit"
        << chooseTime << false << false;
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
    QTest::newRow("addition, 5 minutes") << "Form5" << 1 << 300 << "じかんに なったから ドリルを おわるよ！";
    QTest::newRow("subtraction, 10 minutes")
        << "Form8" << 2 << 600 << "じかんに なったから ドリルを おわるよ！";
    QTest::newRow("multiplication, 15 minutes")
        << "Form13" << 3 << 900 << "じかんになったから ドリルを おわるよ！";
}

void DrillScreensTest::timeOutEndsTheRunAfterItsLimit() {
    QFETCH(QString, screen);
    QFETCH(int, timeItem);
    QFETCH(int, limit);
    const DrillDriver d = driver(screen);
    const QStringList& shown = program_->platform.boxes->shown;
    // The child reads the message for 4 seconds before closing it.
    boxes_->whileInformationOpen = [this] {
        program_->platform.clock->at = program_->platform.clock->at.addSecs(4);
    };
    d.run(toRun(screen, {"start", "right", "next", QStringLiteral("tick %1").arg(limit - 1)}, timeItem));
    QVERIFY(shown.isEmpty());
    const QString before = d.enabled();
    d.act("tick 1");
    QFETCH(QString, message);
    QCOMPARE(shown, QStringList{"information: " + message});
    QCOMPARE(d.result(), (QStringList{"もんだい： 2", "○のかず： 1", "せいせき： 50 てん",
                                      timeText.arg(limit / 60).arg(4)}));
    QVERIFY(d.caption(3).isEmpty() && d.caption(4).isEmpty() && !d.timer3()->isActive());
    // No control changes but けっか, which opens the run's answers: the
    // problem on screen is still answered, logged and counted.
    QCOMPARE(d.enabled().remove(QStringLiteral("result ")), before);
    QVERIFY(d.enabled().contains(QStringLiteral("result")));
    d.run({"right", "wait 10", "stop", "tick 1000"});
    QCOMPARE(d.result().mid(2), (QStringList{"せいせき： 100 てん", timeText.arg(limit / 60).arg(14)}));
    QCOMPARE(rowsInTable().size(), 2);
    QCOMPARE(shown.size(), 1);
}

void DrillScreensTest::theCountdownBelongsToItsRun_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("actions"); // after スタート with a limit of 5 minutes
    QTest::addColumn<int>("ticksToTimeOut");  // then; 0: no time-out comes
    QTest::newRow("a menu choice ends it") << "Form5" << QStringList{"right", "menu 2"} << 0;
    QTest::newRow("a menu choice and a time choice end it")
        << "Form8" << QStringList{"tick 100", "menu 1", "time 1"} << 0;
    QTest::newRow("もくじへ ends it; shown again, none runs")
        << "Form13" << QStringList{"right", "back", "tick 400", "open"} << 0;
    QTest::newRow("the close box ends it") << "Form5" << QStringList{"tick 299", "close"} << 0;
    QTest::newRow("ストップ ends it") << "Form8" << QStringList{"right", "stop"} << 0;
    QTest::newRow("a new run counts its own limit from its スタート")
        << "Form13" << QStringList{"tick 200", "right", "stop", "start"} << 300;
}

void DrillScreensTest::theCountdownBelongsToItsRun() {
    QFETCH(QString, screen);
    QFETCH(QStringList, actions);
    QFETCH(int, ticksToTimeOut);
    const DrillDriver d = driver(screen);
    d.run(toRun(screen, QStringList{"start"} + actions, 1));
    const QStringList& shown = program_->platform.boxes->shown;
    QCOMPARE(d.timer3()->isActive(), ticksToTimeOut > 0);
    d.act(QStringLiteral("tick %1").arg(ticksToTimeOut > 0 ? ticksToTimeOut - 1 : 1000));
    QVERIFY(shown.isEmpty());
    d.act("tick 1");
    QCOMPARE(shown.size(), ticksToTimeOut > 0 ? 1 : 0);
}

void DrillScreensTest::eachProblemIsJudgedOnceAndOnlyWhenAsked_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("score");    // Label7 at the end
    QTest::addColumn<QStringList>("last"); // the cues of the last action; none: it did nothing
    for (const QString s : screens)
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
    // Without the rule the last showing's problem would be logged again and a
    // result of 0 problems could follow.
    QTest::newRow("multiplication: ◆ on the screen shown again after a run does nothing")
        << "Form13" << toRun("Form13", {"start", "right", "stop", "back", "open", "submit"}) << 1 << ""
        << QStringList{};
}

void DrillScreensTest::eachProblemIsJudgedOnceAndOnlyWhenAsked() {
    QFETCH(QString, screen);
    QFETCH(QStringList, actions);
    const DrillDriver d = driver(screen);
    d.run(actions.mid(0, actions.size() - 1));
    const qsizetype cuesBefore = cues().size();
    const QString promptBefore = d.caption(2);
    d.act(actions.last());
    QTEST(cues().mid(cuesBefore), "last");
    QTEST(int(rowsInTable().size()), "rows");
    QTEST(d.caption(7), "score");
    if (cues().size() == cuesBefore) {
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
    addition.run(toRun("Form5", {"start"}));
    QVERIFY(rowsInTable().isEmpty());
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
    // Still open: once the table takes rows again it is logged, once.
    onTable(table, "DROP TRIGGER refuse");
    d.run({"submit", "submit", "stop"});
    QCOMPARE(rowsInTable(), QStringList{"1|\u30002 x 3|6|6| ○"});
    QCOMPARE(d.caption(7), QStringLiteral("せいせき： 100 てん"));
}

QTEST_MAIN(DrillScreensTest)
#include "test_drill_screens.moc"
