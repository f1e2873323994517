// The drills' answer table through the live query: lazy reading that stays
// true to the file, an emptying that is all or nothing (even when the program
// dies midway), answers that survive a crash, and a table file swapped or
// removed while the program runs.
#include "app/error_report.h"
#include "app/lesson_state.h"
#include "app/menu_screen.h"
#include "app/screens.h"
#include "controls/captioned_list.h"
#include "controls/cute_button.h"
#include "controls/data_grid.h"
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
#include <QDir>
#include <QHeaderView>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <memory>

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

// Every row the query offers, read through its model as a grid reads it.
QList<QVariantList> shownRows(const QAbstractItemModel& model) {
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

// The child process of the drill: the real multiplication drill with no
// limit, answering (right, wrong, right, …) and dying right after the count-th
// ◆ returns; or dying inside スタート, where the trigger calls die().
int drillDiesWhile(const QString& what, int count) {
    StartedProgram program;
    auto deals = Seam<RandomSource>::install(std::make_unique<SeededRandom>());
    lessonState().soundsEnabled = 1;
    auto* drill = Form1->findChild<DrillScreen*>("Form13");
    drill->show();
    drill->comboBox(2)->pick(0);
    if (what == "clearing") {
        DataModule1->RequeryDorill();
        if (!teachTheEngineToDie())
            std::fputs("the engine cannot be taught to die\n", stderr);
        drill->cuteButton(3)->click();
    } else {
        drill->cuteButton(3)->click();
        for (int n = 1; n <= count; ++n) {
            if (n > 1)
                drill->cuteButton(4)->click();
            const LessonState& s = lessonState();
            if (n % 2 == 1) {
                if (s.correctAnswer >= 10)
                    drill->comboBox(4)->pick(s.correctAnswer / 10);
                drill->comboBox(3)->pick(s.correctAnswer % 10);
            }
            drill->comboBox(5)->pick(0);
            // What ◆ has written once it returned.
            const AnswerRow row =
                answerRow(s.problemCount, {DrillOperator::Times, {s.operand1, s.operand2}, s.correctAnswer},
                          s.enteredAnswer);
            std::printf("%d|%s|%d|%d|%s\n", row.number, qPrintable(row.problem), row.correctAnswer,
                        row.enteredAnswer, qPrintable(row.mark));
        }
        dieNow();
    }
    for (const QString& shown : program.platform.boxes->shown)
        std::fprintf(stderr, "%s\n", qPrintable(shown));
    return 1;
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
    void failedEmptyingLeavesTheTableUntouched_data();
    void failedEmptyingLeavesTheTableUntouched();
    void programDyingMidwayLosesNoAnswerAndHalvesNoEmptying_data();
    void programDyingMidwayLosesNoAnswerAndHalvesNoEmptying();
    void drillDyingMidwayLosesNoAnswerAndHalvesNoEmptying_data();
    void drillDyingMidwayLosesNoAnswerAndHalvesNoEmptying();
    void answersFollowTheTableFileWhenItIsSwapped_data();
    void answersFollowTheTableFileWhenItIsSwapped();

private:
    QString dorill() const { return folder_->kyozai("dorill.db"); }
    QList<QVariantList> inFile() const { return rowsInFile(dorill(), "select * from dorill"); }

    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<TempKyozai> folder_;
    std::unique_ptr<TDataModule1> data_;
    std::unique_ptr<QAbstractItemModelTester> tester_;
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

void AnswerTableTest::drillDyingMidwayLosesNoAnswerAndHalvesNoEmptying_data() {
    QTest::addColumn<QString>("dying");
    QTest::addColumn<int>("count");       // answers given
    QTest::addColumn<QString>("trigger"); // where スタート dies, on a table of 200 rows
    QTest::newRow("right after the first ◆ returned") << "answering" << 1 << "";
    QTest::newRow("right after the fourth ◆ returned, a wrong answer") << "answering" << 4 << "";
    QTest::newRow("right after the seventh ◆ returned") << "answering" << 7 << "";
    QTest::newRow("スタート, before the first row is deleted")
        << "clearing" << 0 << "BEFORE DELETE ON dorill WHEN old.NB = 1";
    QTest::newRow("スタート, after 99 of 200 rows")
        << "clearing" << 0 << "BEFORE DELETE ON dorill WHEN old.NB = 100";
    QTest::newRow("スタート, after the last row, before the commit")
        << "clearing" << 0 << "AFTER DELETE ON dorill WHEN old.NB = 200";
}

void AnswerTableTest::drillDyingMidwayLosesNoAnswerAndHalvesNoEmptying() {
    QFETCH(QString, dying);
    QFETCH(int, count);
    QFETCH(QString, trigger);
    fill(dorill(), 200);
    if (!trigger.isEmpty())
        onFile(dorill(), {"CREATE TRIGGER die_here " + trigger + " BEGIN SELECT die(); END"});
    const QList<QVariantList> before = inFile();
    tester_.reset();
    data_.reset();
    QProcess child;
    child.setWorkingDirectory(folder_->folder());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {"--drill-dies-while", dying, QString::number(count)});
    QVERIFY(child.waitForFinished(60000));
    const QStringList said = QString::fromUtf8(child.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QVERIFY2(said.value(said.size() - 1) == "dying",
             child.readAllStandardError().constData()); // it got that far
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    QCOMPARE(rowsInFile(dorill(), "PRAGMA integrity_check"), QList<QVariantList>{{"ok"}});
    if (dying == "clearing") {
        QCOMPARE(inFile(), before); // untouched, not half emptied
        return;
    }
    // Emptied by スタート, then every answer ◆ returned from is in the file.
    QStringList rows;
    for (const QVariantList& row : inFile()) {
        QStringList fields;
        for (const QVariant& field : row)
            fields << field.toString();
        rows << fields.join('|');
    }
    QCOMPARE(rows, said.mid(0, count));
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
    if (argc == 4 && qstrcmp(argv[1], "--drill-dies-while") == 0) {
        QApplication application(argc, argv);
        return drillDiesWhile(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
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
