// The drills' answer table through the live query: lazy reading that stays
// true to the file, an emptying that is all or nothing (even when the program
// dies midway), answers that survive a crash, and a table file swapped or
// removed while the program runs.
#include "app/error_report.h"
#include "controls/data_grid.h"
#include "data/data_module.h"
#include "data/table_query.h"
#include "lessons/drills/drill_table.h"
#include "tests/support/fakes.h"
#include "tests/support/temp_kyozai.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <memory>

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
    std::fputs("dying\n", stdout);
    std::fflush(stdout);
    std::raise(SIGKILL);
    return 0;
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
