// The three timed drills driven through their controls: a run's score, time,
// cues and answer rows, the enabled controls from state to state, the
// countdown and its time-out, and the rules that keep a run honest.
#include "app/menu_screen.h"
#include "app/screens.h"
#include "controls/data_grid.h"
#include "tests/support/screen_driver.h"
#include "tests/support/screen_promises.h"

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

// A drill on the whole program, driven, its clock on a December morning: each
// problem of a run known in advance, another one each time, unless the row
// scripts its draws.
class Drill : public ProgramScreen {
public:
    explicit Drill(const QString& screen) : ProgramScreen(screen) {
        platform.clock->at = QDateTime(QDate(2024, 12, 8), QTime(10, 0, 0));
        scripted_ = Seam<MessageBoxes>::install(std::unique_ptr<MessageBoxes>(boxes));
        knowProblems(*this);
    }
    ~Drill() override { Seam<MessageBoxes>::install(std::move(scripted_)); }

    // Another drill of the same program.
    ScreenDriver other(const QString& screen) const {
        ScreenDriver d(Form1->findChild<QWidget*>(screen));
        knowProblems(d);
        return d;
    }

    QStringList result() const { return {caption(5), caption(6), caption(7), caption(8)}; }
    QTimer* timer3() const { return screen()->findChild<QTimer*>("Timer3"); }
    DataGrid* grid() const { return child<DataGrid>("DBGrid1"); }

    // The controls the child can use now.
    QString usable() const {
        const AnswerLists lists = *answerListsOf(screen()->objectName());
        QStringList on;
        if (list(1) && list(1)->isEnabled())
            on << "menu";
        if (list(2)->isEnabled())
            on << "time";
        const QStringList buttons{"start", "next", "stop", "result"};
        for (int b = 3; b <= 6; ++b)
            if (enabled(b))
                on << buttons[b - 3];
        // The digit selectors are enabled and disabled together.
        if (list(lists.digits.last().comboBox)->isEnabled())
            on << "digits";
        if (list(lists.submit)->isEnabled())
            on << "submit";
        return on.join(' ');
    }

    QStringList rows() const {
        QStringList rows;
        for (const QVariantList& row : rowsInFile(folder.kyozai("dorill.db"), "select * from dorill")) {
            QStringList fields;
            for (const QVariant& field : row)
                fields << field.toString();
            rows << fields.join(u'|');
        }
        return rows;
    }

    QStringList cueNames() const {
        QStringList names;
        for (const QString& file : cues())
            names << file.section('.', 0, 0);
        return names;
    }

    // Installed over the fake platform's boxes while the drill lives.
    TimedMessageBoxes* boxes = new TimedMessageBoxes(*platform.boxes);

private:
    void knowProblems(ScreenDriver& d) const {
        d.beforeEach = [random = platform.random, screen = d.screen()->objectName()](const QString& action) {
            if ((action != "start" && action != "next") || random->remaining() > 0)
                return;
            const int n = action == "start" ? 1 : lessonState().problemCount + 1;
            random->script(screen == "Form5"   ? QList<int>{2, n, 10 + n}     // (10 + n) + (20 + n)
                           : screen == "Form8" ? QList<int>{0, 40 + n, 2 * n} // (51 + n) - (2n + 1)
                                               : QList<int>{n, n + 1});       // (n + 1) x (n + 2)
        };
    }

    std::unique_ptr<MessageBoxes> scripted_;
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
};

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
        << "Form5" << QStringList{"open", "menu 3", "time 0", "draws 4,6,6", "start", "right", "stop"}
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
    const Drill d(screen);
    d.run(actions);
    QTEST(d.result(), "result");
    QVERIFY(d.caption(3).isEmpty() && d.caption(4).isEmpty());
    QTEST(d.rows(), "rows");
    if (!cues.isEmpty())
        QCOMPARE(d.cueNames(), cues);
    QVERIFY(d.platform.boxes->shown.isEmpty());
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
    const Drill d(screen);
    d.run(actions);
    QTEST(d.usable(), "enabled");
    QTEST(d.caption(2), "prompt");
    QCOMPARE(d.grid()->isVisible(), tableShown);
    if (tableShown) {
        QCOMPARE(lessonState().hintShown, 1);
        QCOMPARE(d.grid()->y(), 112);
    }
    QTEST(d.timer3()->isActive(), "counting");
    QVERIFY(d.platform.boxes->shown.isEmpty());
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
    const Drill d(screen);
    const QStringList& shown = d.platform.boxes->shown;
    // The child reads the message for 4 seconds before closing it.
    d.boxes->whileInformationOpen = [&d] { d.platform.clock->at = d.platform.clock->at.addSecs(4); };
    d.run(toRun(screen, {"start", "right", "next", QStringLiteral("tick %1").arg(limit - 1)}, timeItem));
    QVERIFY(shown.isEmpty());
    const QString before = d.usable();
    d.act("tick 1");
    QFETCH(QString, message);
    QCOMPARE(shown, QStringList{"information: " + message});
    QCOMPARE(d.result(), (QStringList{"もんだい： 2", "○のかず： 1", "せいせき： 50 てん",
                                      timeText.arg(limit / 60).arg(4)}));
    QVERIFY(d.caption(3).isEmpty() && d.caption(4).isEmpty() && !d.timer3()->isActive());
    // No control changes but けっか, which opens the run's answers: the
    // problem on screen is still answered, logged and counted.
    QCOMPARE(d.usable().remove(QStringLiteral("result ")), before);
    QVERIFY(d.usable().contains(QStringLiteral("result")));
    d.run({"right", "wait 10", "stop", "tick 1000"});
    QCOMPARE(d.result().mid(2), (QStringList{"せいせき： 100 てん", timeText.arg(limit / 60).arg(14)}));
    QCOMPARE(d.rows().size(), 2);
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
    const Drill d(screen);
    d.run(toRun(screen, QStringList{"start"} + actions, 1));
    const QStringList& shown = d.platform.boxes->shown;
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
    const Drill d(screen);
    d.run(actions.mid(0, actions.size() - 1));
    const qsizetype cuesBefore = d.cueNames().size();
    const QString promptBefore = d.caption(2);
    d.act(actions.last());
    QTEST(d.cueNames().mid(cuesBefore), "last");
    QTEST(int(d.rows().size()), "rows");
    QTEST(d.caption(7), "score");
    if (d.cueNames().size() == cuesBefore) {
        QCOMPARE(d.caption(2), promptBefore);
        QCOMPARE(d.usable(), QStringLiteral("time submit"));
    }
}

void DrillScreensTest::twoRunsOnTwoScreensShareTheTable() {
    const Drill addition("Form5");
    addition.run(toRun("Form5", {"start", "right", "next", "wrong", "stop", "back"}));
    QCOMPARE(addition.rows().size(), 2);
    const ScreenDriver times = addition.other("Form13");
    times.run(toRun("Form13", {"start"}));
    QVERIFY(addition.rows().isEmpty());
    times.run({"right", "stop", "result"});
    QCOMPARE(addition.rows(), QStringList{"1|\u30002 x 3|6|6| ○"});
    QCOMPARE(times.child<DataGrid>("DBGrid1")->model()->rowCount(), 1);
    QCOMPARE(times.child<DataGrid>("DBGrid1")->model()->index(0, 1).data().toString(),
             QStringLiteral("\u30002 x 3"));
    times.run({"back"});
    addition.run(toRun("Form5", {"start"}));
    QVERIFY(addition.rows().isEmpty());
}

void DrillScreensTest::anAnswerTheTableRefusesIsNotCounted() {
    const Drill d("Form13");
    d.run(toRun("Form13", {"start"}));
    const QString table = d.folder.kyozai("dorill.db");
    onTable(table, "CREATE TRIGGER refuse BEFORE INSERT ON dorill BEGIN SELECT RAISE(ABORT, 'full'); END");
    d.act("right");
    const QStringList& shown = d.platform.boxes->shown;
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith("error: kyozai の dorill.db に かきこめません。\nfull"),
             qPrintable(shown[0]));
    QCOMPARE(lessonState().correctCount, 0);
    QCOMPARE(d.usable(), QStringLiteral("digits submit"));
    // Still open: once the table takes rows again it is logged, once.
    onTable(table, "DROP TRIGGER refuse");
    d.run({"submit", "submit", "stop"});
    QCOMPARE(d.rows(), QStringList{"1|\u30002 x 3|6|6| ○"});
    QCOMPARE(d.caption(7), QStringLiteral("せいせき： 100 てん"));
}

QTEST_MAIN(DrillScreensTest)
#include "test_drill_screens.moc"
