// The drills' answer table through the live query: lazy reading that stays
// true to the file, an emptying that is all or nothing (even when the program
// dies midway), answers that survive a crash, and a table file swapped or
// removed while the program runs. The real drill is also killed at a hundred
// random moments of ◆ and スタート, in a child process each time.
#include "app/menu_screen.h"
#include "app/screens.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "controls/data_grid.h"
#include "core/error_report.h"
#include "core/lesson_state.h"
#include "data/data_module.h"
#include "data/table_query.h"
#include "lessons/drills/drill_problems.h"
#include "lessons/drills/drill_run.h"
#include "lessons/drills/drill_screen.h"
#include "lessons/drills/drill_table.h"
#include "tests/support/fakes.h"
#include "tests/support/program.h"
#include "tests/support/seeded_random.h"
#include "tests/support/temp_kyozai.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QHash>
#include <QHeaderView>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTest>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <memory>
#include <random>
#include <thread>
#include <unistd.h>

// The engine's own types, enough to hand it a function of ours.
struct sqlite3;
struct sqlite3_context;
struct sqlite3_value;

namespace {

AnswerRow answer(int n) {
    return {n, QStringLiteral("\u3000%1 + 5").arg(n), n + 5, n % 2 ? n + 5 : 0, n % 2 ? " ○" : " ×"};
}

// Runs statements on the file through a connection of their own.
void onFile(const QString& file, const QStringList& statements) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test-writer");
        db.setDatabaseName(file);
        QVERIFY(db.open());
        QSqlQuery q(db);
        for (const QString& sql : statements)
            QVERIFY2(q.exec(sql), qPrintable(sql));
    }
    QSqlDatabase::removeDatabase("test-writer");
}

void fill(const QString& file, int rows) {
    QStringList sql{"BEGIN"};
    for (int n = 1; n <= rows; ++n)
        sql << QStringLiteral("INSERT INTO dorill VALUES (%1, '\u3000%1 + 5', %2, %2, ' ○')")
                   .arg(n)
                   .arg(n + 5);
    onFile(file, sql << "COMMIT");
}

// What fill() writes, as its rows read back: "NB|MND|KAI|KOT|HNT".
QStringList fillRows(int rows) {
    QStringList lines;
    for (int n = 1; n <= rows; ++n)
        lines << QStringLiteral("%1|\u3000%1 + 5|%2|%2| ○").arg(n).arg(n + 5);
    return lines;
}

// Every row the query offers, read through its model as a grid reads it:
// scrolled to the end, so it fetches every row the model has not read yet.
QList<QVariantList> shownRows(QAbstractItemModel& model) {
    while (model.canFetchMore({}))
        model.fetchMore({});
    QList<QVariantList> rows;
    for (int r = 0; r < model.rowCount(); ++r) {
        QVariantList row;
        for (int c = 0; c < model.columnCount(); ++c)
            row << model.index(r, c).data(Qt::EditRole);
        rows << row;
    }
    return rows;
}

// Tells the parent it got this far, then dies without any clean-up.
[[noreturn]] void dieNow() {
    std::fputs("dying\n", stdout);
    std::fflush(stdout);
    std::raise(SIGKILL);
    std::abort();
}

// The child process: answers or empties, then dies without any clean-up.
int dieWhile(const QString& what, int count) {
    TDataModule1 data;
    if (what == "answering") {
        for (int n = 1; n <= count; ++n)
            appendAnswerRow(data, answer(n));
    } else {
        data.RequeryDorill();
        TableTransaction emptying(*data.DorillQuery);
        for (data.DorillQuery->first(); count-- > 0;)
            data.DorillQuery->deleteCurrent();
    }
    dieNow();
}

// The engine calls this from a trigger, in the middle of a statement.
void dieInsideTheEngine(sqlite3_context*, int, sqlite3_value**) {
    dieNow();
}

// Gives the answer table's connection a function die() that kills the
// process, for a trigger to call while スタート deletes the rows.
bool teachTheEngineToDie() {
    using SqlFunction = void (*)(sqlite3_context*, int, sqlite3_value**);
    using CreateFunction =
        int (*)(sqlite3*, const char*, int, int, void*, SqlFunction, SqlFunction, void (*)(sqlite3_context*));
    constexpr int utf8 = 1;
    void* engine = dlopen("libsqlite3.so.0", RTLD_NOW | RTLD_NOLOAD);
    const auto create =
        engine ? reinterpret_cast<CreateFunction>(dlsym(engine, "sqlite3_create_function")) : nullptr;
    for (const QString& name : QSqlDatabase::connectionNames()) {
        const QVariant handle = QSqlDatabase::database(name, false).driver()->handle();
        if (!name.startsWith("DorillQuery") || qstrcmp(handle.typeName(), "sqlite3*") != 0)
            continue;
        sqlite3* db = *static_cast<sqlite3* const*>(handle.constData());
        return create && create(db, "die", 0, utf8, nullptr, dieInsideTheEngine, nullptr, nullptr) == 0;
    }
    return false;
}

// Where and how a drill child dies, as its command line carries it:
//   where  "◆" (answering) or "スタート" (the clearing)
//   how    "returned": right after the count-th ◆ returned
//          "trigger":  inside the engine, where the parent's trigger calls die()
//          "delay":    SIGKILL from a thread, `fraction` of the handler's own
//                      time after the handler began (the count-th ◆, or a
//                      スタート on a table refilled to `rows` rows)
struct DrillKill {
    QString where;
    QString how;
    int count = 0;
    double fraction = 0;
    int rows = 0;
    quint32 seed = 0;

    QStringList arguments() const {
        return {"--drill-killed",
                where,
                how,
                QString::number(count),
                QString::number(fraction, 'g', 17),
                QString::number(rows),
                QString::number(seed)};
    }
    static DrillKill from(char** argv) {
        return {QString::fromUtf8(argv[2]),     QString::fromUtf8(argv[3]),  QByteArray(argv[4]).toInt(),
                QByteArray(argv[5]).toDouble(), QByteArray(argv[6]).toInt(), QByteArray(argv[7]).toUInt()};
    }
};

// One line to the parent, in the pipe before anything else happens.
void say(const QString& line) {
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

void killAfter(double milliseconds) {
    say(QStringLiteral("armed %1 ms").arg(milliseconds, 0, 'f', 3));
    std::thread([milliseconds] {
        std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(milliseconds));
        ::kill(::getpid(), SIGKILL);
    }).detach();
}

template <typename Handler> double millisecondsOf(const Handler& handler) {
    const auto start = std::chrono::steady_clock::now();
    handler();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The child process: the real multiplication drill with no limit. It tells
// the parent each step before it takes it ("clearing", "answering <row>") and
// once the handler returned ("cleared", "answered"), answers right or wrong
// as the seed deals, and goes on answering until it is killed.
int drillKilled(const DrillKill& kill) {
    StartedProgram program;
    auto deals = Seam<RandomSource>::install(std::make_unique<SeededRandom>(kill.seed));
    std::mt19937 rightOrWrong(kill.seed);
    lessonState().soundsEnabled = 1;
    auto* drill = Form1->findChild<DrillScreen*>("Form13");
    drill->show();
    drill->comboBox(2)->pick(0);
    if (kill.how == "trigger") {
        DataModule1->RequeryDorill();
        if (!teachTheEngineToDie())
            std::fputs("the engine cannot be taught to die\n", stderr);
    }
    auto start = [&] {
        say("clearing");
        const double took = millisecondsOf([&] { drill->cuteButton(3)->click(); });
        say("cleared");
        return took;
    };
    const bool killedAtStart = kill.where == QStringLiteral("スタート");
    if (killedAtStart && kill.how == "delay") {
        // The same スタート on the same rows, once to learn how long it takes.
        const double took = start();
        fill("kyozai/dorill.db", kill.rows);
        // スタート disabled itself for the run it began; a stopped run leaves
        // it enabled, and a disabled button takes no click.
        drill->cuteButton(3)->setEnabled(true);
        say(QStringLiteral("rows %1").arg(kill.rows));
        killAfter(kill.fraction * took);
    }
    start();
    double lastAnswer = 0;
    for (int n = 1; n <= kill.count + 50; ++n) {
        if (n > 1)
            drill->cuteButton(4)->click();
        const LessonState& s = lessonState();
        const bool right = kill.seed == 0 ? n % 2 == 1 : std::bernoulli_distribution(0.5)(rightOrWrong);
        if (right) {
            if (s.correctAnswer >= 10)
                drill->comboBox(4)->pick(s.correctAnswer / 10);
            drill->comboBox(3)->pick(s.correctAnswer % 10);
        }
        // What ◆ writes: no digit picked enters 0, never a times-table answer.
        const AnswerRow row =
            answerRow(s.problemCount, {DrillOperator::Times, {s.operand1, s.operand2}, s.correctAnswer},
                      right ? s.correctAnswer : 0);
        say(QStringLiteral("answering %1|%2|%3|%4|%5")
                .arg(row.number)
                .arg(row.problem)
                .arg(row.correctAnswer)
                .arg(row.enteredAnswer)
                .arg(row.mark));
        if (!killedAtStart && kill.how == "delay" && n == kill.count)
            killAfter(kill.fraction * lastAnswer);
        lastAnswer = millisecondsOf([&] { drill->comboBox(5)->pick(0); });
        say("answered");
        if (!killedAtStart && kill.how == "returned" && n == kill.count)
            dieNow();
    }
    std::this_thread::sleep_for(std::chrono::seconds(2)); // a killer still asleep
    for (const QString& shown : program.platform.boxes->shown)
        std::fprintf(stderr, "%s\n", qPrintable(shown));
    std::fputs("not killed\n", stderr);
    return 1;
}

// What the table may hold after the child died, from what it said: every row
// whose ◆ returned; the row of a ◆ that had not returned, or not; a スタート
// that had not returned either emptied the table or left it as it was.
struct Outcome {
    QList<QStringList> allowed;
    QString landed; // "◆", "スタート" or "between handlers"
};

Outcome outcomeOf(const QStringList& said, const QStringList& before) {
    QStringList rows = before;
    QString inFlight;
    QString pending;
    for (const QString& line : said) {
        if (line == "clearing") {
            inFlight = QStringLiteral("スタート");
        } else if (line == "cleared") {
            rows.clear();
            inFlight.clear();
        } else if (line.startsWith("answering ")) {
            inFlight = QStringLiteral("◆");
            pending = line.section(' ', 1);
        } else if (line == "answered") {
            rows << pending;
            inFlight.clear();
        } else if (line.startsWith("rows ")) {
            rows = fillRows(line.section(' ', 1).toInt());
        }
    }
    if (inFlight == QStringLiteral("スタート"))
        return {{rows, {}}, inFlight};
    if (inFlight == QStringLiteral("◆"))
        return {{rows, rows + QStringList{pending}}, inFlight};
    return {{rows}, QStringLiteral("between handlers")};
}

QStringList joined(const QList<QVariantList>& rows) {
    QStringList lines;
    for (const QVariantList& row : rows) {
        QStringList fields;
        for (const QVariant& field : row)
            fields << field.toString();
        lines << fields.join('|');
    }
    return lines;
}

} // namespace

class AnswerTableTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void resultStaysTrueToTheFile_data();
    void resultStaysTrueToTheFile();
    void gridShowsEveryRowAfterManyAnswers();
    void readFailureWhileAGridScrollsGoesToTheReport();
    void failedEmptyingLeavesTheTableUntouched_data();
    void failedEmptyingLeavesTheTableUntouched();
    void programDyingMidwayLosesNoAnswerAndHalvesNoEmptying_data();
    void programDyingMidwayLosesNoAnswerAndHalvesNoEmptying();
    void drillDyingMidwayLosesNoAnswerAndHalvesNoEmptying_data();
    void drillDyingMidwayLosesNoAnswerAndHalvesNoEmptying();
    void drillKilledAtRandomMomentsLosesNoAnswerAndHalvesNoEmptying_data();
    void drillKilledAtRandomMomentsLosesNoAnswerAndHalvesNoEmptying();
    void answersFollowTheTableFileWhenItIsSwapped_data();
    void answersFollowTheTableFileWhenItIsSwapped();

    void cleanupTestCase();

private:
    // The drill run in a child process, killed where the row says, and the
    // table it leaves.
    static void addDrillKillColumns();
    void killDrillAndCheck();
    QString dorill() const { return folder_->kyozai("dorill.db"); }
    QList<QVariantList> inFile() const { return rowsInFile(dorill(), "select * from dorill"); }

    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<TempKyozai> folder_;
    std::unique_ptr<TDataModule1> data_;
    std::unique_ptr<QAbstractItemModelTester> tester_;
    QHash<QString, int> landings_; // where the kills landed
};

void AnswerTableTest::init() {
    platform_ = std::make_unique<FakePlatform>();
    folder_ = std::make_unique<TempKyozai>();
    data_ = std::make_unique<TDataModule1>();
    // Fails the test on any change the query makes without telling its views.
    tester_ = std::make_unique<QAbstractItemModelTester>(
        data_->DorillQuery, QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void AnswerTableTest::cleanup() {
    tester_.reset();
    data_.reset();
    folder_.reset();
    platform_.reset();
}

void AnswerTableTest::resultStaysTrueToTheFile_data() {
    QTest::addColumn<QStringList>("steps"); // on a table of 100 rows
    QTest::newRow("posted after reading only the first row") << QStringList{"requery", "read 1", "post 3"};
    QTest::newRow("posted after reading every row") << QStringList{"requery", "read 100", "post 2"};
    QTest::newRow("deleted across a page, the rest unread") << QStringList{"requery", "delete 40"};
    QTest::newRow("read past a page, deleted, posted")
        << QStringList{"requery", "read 40", "delete 5", "post 2", "read 60"};
    QTest::newRow("emptied, then answered") << QStringList{"empty", "answer 3"};
    QTest::newRow("another program added rows between two requeries")
        << QStringList{"requery", "read 100", "others add 5", "requery"};
    QTest::newRow("answered again and again") << QStringList{"answer 12"};
}

void AnswerTableTest::resultStaysTrueToTheFile() {
    QFETCH(QStringList, steps);
    fill(dorill(), 100);
    TableQuery& q = *data_->DorillQuery;
    for (const QString& step : steps) {
        const int n = step.section(' ', 1).toInt();
        if (step == "requery")
            data_->RequeryDorill();
        else if (step == "empty")
            emptyAnswerTable(*data_);
        else if (step.startsWith("others"))
            onFile(dorill(),
                   {"INSERT INTO dorill (NB) SELECT NB + 100 FROM dorill LIMIT " + step.section(' ', 2)});
        else if (step.startsWith("read"))
            q.index(n - 1, 0).data();
        else if (step.startsWith("delete")) {
            q.first();
            for (int i = 0; i < n; ++i)
                q.deleteCurrent();
        } else if (step.startsWith("answer")) {
            for (int i = 1; i <= n; ++i)
                appendAnswerRow(*data_, answer(1000 + i));
        } else { // post without a requery first
            for (int i = 1; i <= n; ++i) {
                q.append();
                q.setField(0, 1000 + i);
                q.setField(1, answer(1000 + i).problem);
                q.post();
            }
        }
    }
    QCOMPARE(shownRows(q), inFile());
    // The journal is gone after every commit: kyozai holds the three tables only.
    QCOMPARE(QDir(folder_->kyozai()).entryList(QDir::Files).size(), 3);
}

void AnswerTableTest::gridShowsEveryRowAfterManyAnswers() {
    fill(dorill(), 500);
    DataGrid grid;
    grid.setColumns({{"NB", "Ｎｏ", 40}, {"MND", "もんだい", 140}});
    grid.setDataSource(data_->DataSource2);
    for (int n = 501; n <= 503; ++n)
        appendAnswerRow(*data_, answer(n));
    grid.show();
    grid.scrollToBottom();
    QCoreApplication::processEvents();
    QCOMPARE(grid.verticalHeader()->count(), 503);
    QCOMPARE(grid.model()->index(502, 1).data().toString(), QStringLiteral("\u3000503 + 5"));
    QCOMPARE(grid.model()->index(250, 0).data().toString(), QStringLiteral("251"));
}

void AnswerTableTest::readFailureWhileAGridScrollsGoesToTheReport() {
    fill(dorill(), 600);
    data_->RequeryDorill();
    QVERIFY(data_->DorillQuery->canFetchMore());
    // The rows not read yet are gone from the file under the open result.
    QVERIFY(QFile::resize(dorill(), QFileInfo(dorill()).size() / 2));
    data_->DataSource2->fetchMore({}); // as a grid scrolled to its last row asks
    QVERIFY(platform_->boxes->shown.isEmpty());
    QCoreApplication::processEvents();
    QCOMPARE(platform_->boxes->shown.size(), 1);
    QVERIFY2(platform_->boxes->shown.first().startsWith("error: kyozai の dorill.db が よめません。\n"),
             qPrintable(platform_->boxes->shown.first()));
    QVERIFY(!data_->DorillQuery->canFetchMore());
}

void AnswerTableTest::failedEmptyingLeavesTheTableUntouched_data() {
    QTest::addColumn<int>("refused"); // the NB of the row whose delete fails, of 100
    QTest::newRow("the first row") << 1;
    QTest::newRow("a row in the middle") << 50;
    QTest::newRow("the last row") << 100;
}

void AnswerTableTest::failedEmptyingLeavesTheTableUntouched() {
    QFETCH(int, refused);
    fill(dorill(), 100);
    onFile(dorill(), {QStringLiteral("CREATE TRIGGER refuse BEFORE DELETE ON dorill WHEN old.NB = %1 "
                                     "BEGIN SELECT RAISE(ABORT, 'refused here'); END")
                          .arg(refused)});
    const QList<QVariantList> before = inFile();
    runGuarded([&] { emptyAnswerTable(*data_); });
    QCOMPARE(platform_->boxes->shown.size(), 1);
    QVERIFY(
        platform_->boxes->shown.first().contains("kyozai の dorill.db に かきこめません。\nrefused here"));
    QCOMPARE(inFile(), before);
    QCOMPARE(data_->DorillQuery->rowCount(), 0); // closed: it no longer matched the table

    data_->RequeryDorill();
    QCOMPARE(shownRows(*data_->DorillQuery), before);
    onFile(dorill(), {"DROP TRIGGER refuse"});
    emptyAnswerTable(*data_);
    QVERIFY(inFile().isEmpty());
}

void AnswerTableTest::programDyingMidwayLosesNoAnswerAndHalvesNoEmptying_data() {
    QTest::addColumn<QString>("dying");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("rowsAfter"); // of 200 rows before
    QTest::newRow("right after the fifth answer returned") << "answering" << 5 << 205;
    QTest::newRow("after deleting 100 of 200 rows") << "emptying" << 100 << 200;
    QTest::newRow("after deleting all 200 rows, before the commit") << "emptying" << 200 << 200;
}

void AnswerTableTest::programDyingMidwayLosesNoAnswerAndHalvesNoEmptying() {
    QFETCH(QString, dying);
    QFETCH(int, count);
    fill(dorill(), 200);
    tester_.reset();
    data_.reset();
    QProcess child;
    child.setWorkingDirectory(folder_->folder());
    child.start(QCoreApplication::applicationFilePath(), {"--die-while", dying, QString::number(count)});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.readAllStandardOutput(), QByteArray("dying\n")); // it got that far
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    QCOMPARE(rowsInFile(dorill(), "PRAGMA integrity_check"), QList<QVariantList>{{"ok"}});
    const QList<QVariantList> rows = inFile();
    QTEST(int(rows.size()), "rowsAfter");
    if (dying == "answering")
        for (int n = 1; n <= count; ++n)
            QCOMPARE(rows.at(199 + n).at(1).toString(), answer(n).problem);
}

void AnswerTableTest::addDrillKillColumns() {
    QTest::addColumn<QString>("where");   // "◆" or "スタート"
    QTest::addColumn<QString>("how");     // "returned", "trigger" or "delay"
    QTest::addColumn<int>("count");       // which ◆
    QTest::addColumn<double>("fraction"); // of the handler's time, for a delay
    QTest::addColumn<int>("rows");        // in the table before the child starts
    QTest::addColumn<QString>("trigger"); // where the engine calls die()
    QTest::addColumn<uint>("seed");       // the child's problems and answers; 0: right, wrong, right, …
}

void AnswerTableTest::drillDyingMidwayLosesNoAnswerAndHalvesNoEmptying_data() {
    addDrillKillColumns();
    QTest::newRow("right after the first ◆ returned") << "◆"
                                                      << "returned" << 1 << 0.0 << 200 << "" << 0u;
    QTest::newRow("right after the fourth ◆ returned, a wrong answer")
        << "◆"
        << "returned" << 4 << 0.0 << 200 << "" << 0u;
    QTest::newRow("right after the seventh ◆ returned") << "◆"
                                                        << "returned" << 7 << 0.0 << 200 << "" << 0u;
    QTest::newRow("スタート, before the first row is deleted")
        << "スタート"
        << "trigger" << 0 << 0.0 << 200 << "BEFORE DELETE ON dorill WHEN old.NB = 1" << 0u;
    QTest::newRow("スタート, after 99 of 200 rows")
        << "スタート"
        << "trigger" << 0 << 0.0 << 200 << "BEFORE DELETE ON dorill WHEN old.NB = 100" << 0u;
    QTest::newRow("スタート, after the last row, before the commit")
        << "スタート"
        << "trigger" << 0 << 0.0 << 200 << "AFTER DELETE ON dorill WHEN old.NB = 200" << 0u;
}

void AnswerTableTest::drillDyingMidwayLosesNoAnswerAndHalvesNoEmptying() {
    killDrillAndCheck();
}

// Half the kills come from the engine at a random row or answer (never in
// the commit itself), half from a clock at a random moment of the handler (in
// the commit too). The runs are dealt from one seed, printed; CRASH_SEED
// replays them, CRASH_RUNS changes how many there are.
void AnswerTableTest::drillKilledAtRandomMomentsLosesNoAnswerAndHalvesNoEmptying_data() {
    addDrillKillColumns();
    const quint32 base = qEnvironmentVariableIsSet("CRASH_SEED")
                             ? quint32(qEnvironmentVariableIntValue("CRASH_SEED"))
                             : quint32(QDateTime::currentMSecsSinceEpoch());
    const int runs =
        qEnvironmentVariableIsSet("CRASH_RUNS") ? qEnvironmentVariableIntValue("CRASH_RUNS") : 100;
    qInfo("%d drills killed at moments dealt from CRASH_SEED=%u", runs, base);
    std::mt19937 deal(base);
    auto uniform = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(deal); };
    for (int run = 1; run <= runs; ++run) {
        const bool atStart = run % 2 == 0;
        const bool inEngine = run % 4 < 2;
        const int rows = uniform(atStart ? 1 : 0, 300);
        const QString when = uniform(0, 1) ? QStringLiteral("BEFORE") : QStringLiteral("AFTER");
        const QString where = atStart ? QStringLiteral("スタート") : QStringLiteral("◆");
        const quint32 seed = deal() | 1u;
        QString name;
        if (inEngine) {
            const int at = uniform(1, atStart ? rows : 8);
            const QString trigger =
                atStart ? QStringLiteral("%1 DELETE ON dorill WHEN old.NB = %2").arg(when).arg(at)
                        : QStringLiteral("%1 INSERT ON dorill WHEN new.NB = %2").arg(when).arg(at);
            name = atStart ? QStringLiteral("run %1: スタート on %2 rows, die() %3 row %4 is deleted")
                                 .arg(run)
                                 .arg(rows)
                                 .arg(when.toLower(), QString::number(at))
                           : QStringLiteral("run %1: ◆ #%2, die() %3 its row is inserted")
                                 .arg(run)
                                 .arg(at)
                                 .arg(when.toLower());
            QTest::newRow(qPrintable(name))
                << where << "trigger" << (atStart ? 0 : at) << 0.0 << rows << trigger << seed;
        } else {
            const double fraction = std::uniform_real_distribution<double>(0, 1.25)(deal);
            const int count = atStart ? 0 : uniform(2, 8);
            name = atStart ? QStringLiteral("run %1: スタート on %2 rows, SIGKILL %3 of its time in")
                                 .arg(run)
                                 .arg(rows)
                                 .arg(fraction, 0, 'f', 2)
                           : QStringLiteral("run %1: ◆ #%2, SIGKILL %3 of its time in")
                                 .arg(run)
                                 .arg(count)
                                 .arg(fraction, 0, 'f', 2);
            QTest::newRow(qPrintable(name)) << where << "delay" << count << fraction << rows << "" << seed;
        }
    }
}

void AnswerTableTest::drillKilledAtRandomMomentsLosesNoAnswerAndHalvesNoEmptying() {
    killDrillAndCheck();
}

void AnswerTableTest::killDrillAndCheck() {
    QFETCH(QString, where);
    QFETCH(QString, how);
    QFETCH(int, count);
    QFETCH(double, fraction);
    QFETCH(int, rows);
    QFETCH(QString, trigger);
    QFETCH(uint, seed);
    fill(dorill(), rows);
    if (!trigger.isEmpty())
        onFile(dorill(), {"CREATE TRIGGER die_here " + trigger + " BEGIN SELECT die(); END"});
    tester_.reset();
    data_.reset();
    QProcess child;
    child.setWorkingDirectory(folder_->folder());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                DrillKill{where, how, count, fraction, rows, seed}.arguments());
    QVERIFY(child.waitForFinished(60000));
    QStringList said = QString::fromUtf8(child.readAllStandardOutput()).split('\n');
    said.removeLast(); // after the last line break: nothing, or a line the kill cut short
    QVERIFY2(child.exitStatus() == QProcess::CrashExit, child.readAllStandardError().constData());
    if (how != "delay")
        QCOMPARE(said.value(said.size() - 1), QStringLiteral("dying")); // it got that far

    // The program's next start: its own query opens the file, which rolls back
    // what the engine left half done, and shows the rows.
    QStringList shown;
    {
        TDataModule1 next;
        next.RequeryDorill();
        shown = joined(shownRows(*next.DorillQuery));
    }
    QCOMPARE(rowsInFile(dorill(), "PRAGMA integrity_check"), QList<QVariantList>{{"ok"}});
    const Outcome outcome = outcomeOf(said, fillRows(rows));
    ++landings_[outcome.landed];
    // Killed by the engine before its commit, or between handlers: one table only.
    const QList<QStringList> allowed = how == "delay" ? outcome.allowed : outcome.allowed.mid(0, 1);
    if (how == "trigger")
        QCOMPARE(outcome.landed, where);
    QVERIFY2(
        allowed.contains(shown),
        qPrintable(QStringLiteral("%1 rows after a kill inside %2 (%3 rows allowed); the child said:\n%4")
                       .arg(shown.size())
                       .arg(outcome.landed)
                       .arg(allowed.first().size())
                       .arg(said.mid(std::max<qsizetype>(0, said.size() - 6)).join('\n'))));
}

void AnswerTableTest::cleanupTestCase() {
    qInfo("drills killed inside ◆: %d, inside スタート: %d, between handlers: %d", landings_.value("◆"),
          landings_.value("スタート"), landings_.value("between handlers"));
}

void AnswerTableTest::answersFollowTheTableFileWhenItIsSwapped_data() {
    QTest::addColumn<bool>("putBack"); // a fresh copy of the table, or none
    QTest::newRow("replaced by a fresh copy: the next answer goes into it") << true;
    QTest::newRow("removed: the next answer fails instead of going nowhere") << false;
}

void AnswerTableTest::answersFollowTheTableFileWhenItIsSwapped() {
    QFETCH(bool, putBack);
    appendAnswerRow(*data_, answer(1));
    appendAnswerRow(*data_, answer(2));
    QVERIFY(QFile::remove(dorill()));
    if (putBack)
        QVERIFY(QFile::copy(suppliedKyozai() + "/dorill.db", dorill()));
    runGuarded([&] { appendAnswerRow(*data_, answer(3)); });
    if (putBack) {
        QVERIFY(platform_->boxes->shown.isEmpty());
        QCOMPARE(inFile().size(), 1);
        QCOMPARE(data_->DorillQuery->rowCount(), 1);
    } else {
        QCOMPARE(platform_->boxes->shown.size(), 1);
        QVERIFY(platform_->boxes->shown.first().contains("kyozai の dorill.db が ひらけません。"));
        QVERIFY(!QFile::exists(dorill()));
    }
}

int main(int argc, char* argv[]) {
    if (argc == 8 && qstrcmp(argv[1], "--drill-killed") == 0) {
        QApplication application(argc, argv);
        return drillKilled(DrillKill::from(argv));
    }
    if (argc == 4 && qstrcmp(argv[1], "--die-while") == 0) {
        QCoreApplication application(argc, argv);
        return dieWhile(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    }
    QApplication application(argc, argv);
    AnswerTableTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_answer_table.moc"
