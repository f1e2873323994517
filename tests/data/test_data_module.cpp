// The data module's queries on a temporary copy of the supplied tables: the
// requeries, the drill cursor, durability and the table faults.
#include "core/error_report.h"
#include "data/data_module.h"
#include "data/table_query.h"
#include "tests/support/fakes.h"
#include "tests/support/temp_kyozai.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTest>
#include <memory>

namespace {

// A digest of the file's bytes; empty when it does not exist.
QByteArray fingerprint(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

// A drill's ◆: problem number, problem, right answer, child's answer, mark.
void postAnswer(TDataModule1& data, int number, const QString& problem, int right, int given) {
    data.RequeryDorill();
    TableQuery* q = data.DorillQuery;
    q->append();
    q->setField(0, number);
    q->setField(1, problem);
    q->setField(2, right);
    q->setField(3, given);
    q->setField(4, right == given ? QStringLiteral(" ○") : QStringLiteral(" ×"));
    q->post();
}

// A drill's スタート; returns how many rows it deleted.
int startDrill(TDataModule1& data) {
    data.RequeryDorill();
    data.DorillQuery->first();
    int deleted = 0;
    for (; !data.DorillQuery->eof(); ++deleted)
        data.DorillQuery->deleteCurrent();
    return deleted;
}

} // namespace

class LessonTablesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void requeryOpensOnTheFirstRowOfTheWholeResult_data();
    void requeryOpensOnTheFirstRowOfTheWholeResult();
    void drillStartDeletesUntilEndOfData_data();
    void drillStartDeletesUntilEndOfData();
    void postedRowsAreInTheFileOnceTheCallReturns();
    void tableFaultsEndTheHandlerWithTheEnginesMessage_data();
    void tableFaultsEndTheHandlerWithTheEnginesMessage();
    void readingKazuAndKukuWorksOnReadOnlyTablesAndWritesNothing();

private:
    QList<QVariantList> dorillInFile() const {
        return rowsInFile(folder_->kyozai("dorill.db"), "select * from dorill");
    }

    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<TempKyozai> folder_;
    std::unique_ptr<TDataModule1> data_;
};

void LessonTablesTest::init() {
    platform_ = std::make_unique<FakePlatform>();
    folder_ = std::make_unique<TempKyozai>();
    data_ = std::make_unique<TDataModule1>();
}

void LessonTablesTest::cleanup() {
    data_.reset();
    folder_.reset();
    platform_.reset();
}

void LessonTablesTest::requeryOpensOnTheFirstRowOfTheWholeResult_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("expectedStatement");
    QTest::addColumn<QString>("independentStatement"); // the first field of every row, straight from the file

    QTest::newRow("kazu: only NB above 0, ascending, whatever the stored order")
        << "kazu"
        << "select * from kazu\r\nWhere NB > 0\r\nOrder By NB"
        << "select NB from kazu where NB > 0 order by NB";
    QTest::newRow("kuku: every fact in stored order") << "kuku"
                                                      << "select * from kuku"
                                                      << "select kakezan from kuku order by rowid";
    QTest::newRow("dorill: empty, at end of data at once") << "dorill"
                                                           << "select * from dorill"
                                                           << "select NB from dorill";
}

void LessonTablesTest::requeryOpensOnTheFirstRowOfTheWholeResult() {
    QFETCH(QString, table);
    QFETCH(QString, independentStatement);
    // Each query first stands somewhere else than on its first row.
    postAnswer(*data_, 1, "\u30001 + 1", 2, 2);
    startDrill(*data_);
    TableQuery* query = data_->DorillQuery;
    if (table == "kazu") {
        data_->RequeryKazu("Where NB > 0");
        query = data_->KazuQuery;
    } else if (table == "kuku") {
        data_->RequeryKuku();
        query = data_->KukuQuery;
    } else {
        data_->RequeryDorill();
    }
    QTEST(query->statement(), "expectedStatement");

    QList<QVariant> expected, shown;
    for (const QVariantList& row : rowsInFile(folder_->kyozai(table + ".db"), independentStatement))
        expected << row.at(0);
    for (int row = 0; row < query->rowCount(); ++row)
        shown << query->index(row, 0).data(Qt::EditRole);
    QCOMPARE(shown, expected);
    QCOMPARE(query->eof(), expected.isEmpty());
    QCOMPARE(query->currentRow(), expected.isEmpty() ? -1 : 0);
}

void LessonTablesTest::drillStartDeletesUntilEndOfData_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("alike"); // every row the same in every field
    QTest::newRow("empty table: nothing to delete") << 0 << false;
    QTest::newRow("one row") << 1 << false;
    QTest::newRow("a run of five") << 5 << false;
    QTest::newRow("rows alike in every field") << 3 << true;
}

void LessonTablesTest::drillStartDeletesUntilEndOfData() {
    QFETCH(int, rows);
    QFETCH(bool, alike);
    for (int n = 1; n <= rows; ++n)
        postAnswer(*data_, alike ? 1 : n, "\u300012 + 34", 46, alike ? 46 : 40 + n);
    QCOMPARE(dorillInFile().size(), rows);
    QCOMPARE(startDrill(*data_), rows);
    QVERIFY(dorillInFile().isEmpty());
    QVERIFY(platform_->boxes->shown.isEmpty());
}

void LessonTablesTest::postedRowsAreInTheFileOnceTheCallReturns() {
    postAnswer(*data_, 1, "\u300012 + 34 + 5", 51, 51);
    // Seen through another connection while the query is still open: committed.
    QCOMPARE(dorillInFile(), QList<QVariantList>({{1, "\u300012 + 34 + 5", 51, 51, " ○"}}));

    // An appended row starts empty, not as a copy of the current one.
    data_->RequeryDorill();
    data_->DorillQuery->append();
    data_->DorillQuery->setField(0, 2);
    data_->DorillQuery->setField(4, QStringLiteral(" ×"));
    data_->DorillQuery->post();
    const QVariantList second = dorillInFile().value(1);
    QCOMPARE(second.value(0), 2);
    QVERIFY(second.value(1).isNull() && second.value(2).isNull() && second.value(3).isNull());

    // A program started afresh finds both rows, in the order they were posted.
    data_ = std::make_unique<TDataModule1>();
    data_->RequeryDorill();
    QCOMPARE(data_->DorillQuery->rowCount(), 2);
    QCOMPARE(data_->DorillQuery->index(0, 1).data(), "\u300012 + 34 + 5");
    QCOMPARE(data_->DorillQuery->index(1, 4).data(), " ×");
}

void LessonTablesTest::tableFaultsEndTheHandlerWithTheEnginesMessage_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("handler");
    QTest::addColumn<QString>("message"); // what SQLite says, within the report
    QTest::addColumn<QString>("told");    // the report's first line, for the family

    const QString cannotOpen = "unable to open database file";
    const QString readOnly = "attempt to write a readonly database";
    const QString openKazu = "kyozai の kazu.db が ひらけません。";
    const QString openDorill = "kyozai の dorill.db が ひらけません。";
    const QString writeDorill = "kyozai の dorill.db に かきこめません。";
    QTest::newRow("kyozai missing: kazu hint") << "no folder"
                                               << "kazu" << cannotOpen << openKazu;
    QTest::newRow("kyozai missing: drill answer") << "no folder"
                                                  << "answer" << cannotOpen << openDorill;
    QTest::newRow("table file missing: kuku")
        << "no kuku.db"
        << "kuku" << cannotOpen << "kyozai の kuku.db が ひらけません。";
    QTest::newRow("table file missing: drill start") << "no dorill.db"
                                                     << "start" << cannotOpen << openDorill;
    QTest::newRow("table missing: kazu") << "kuku.db as kazu.db"
                                         << "kazu"
                                         << "no such table: kazu"
                                         << "kyozai の kazu.db が よめません。";
    QTest::newRow("table missing: drill answer") << "kazu.db as dorill.db"
                                                 << "answer"
                                                 << "no such table: dorill"
                                                 << "kyozai の dorill.db が よめません。";
    QTest::newRow("garbage file: drill start") << "garbage dorill.db"
                                               << "start"
                                               << "file is not a database"
                                               << "kyozai の dorill.db が よめません。";
    QTest::newRow("truncated file: kuku") << "truncated kuku.db"
                                          << "kuku"
                                          << "database disk image is malformed"
                                          << "kyozai の kuku.db が よめません。";
    QTest::newRow("read-only file: drill answer") << "read-only dorill.db"
                                                  << "answer" << readOnly << writeDorill;
    QTest::newRow("read-only file: drill start") << "read-only dorill.db"
                                                 << "start" << readOnly << writeDorill;
    QTest::newRow("read-only folder: drill answer") << "read-only kyozai"
                                                    << "answer" << readOnly << writeDorill;
    QTest::newRow("read-only folder: drill start") << "read-only kyozai"
                                                   << "start" << readOnly << writeDorill;
}

void LessonTablesTest::tableFaultsEndTheHandlerWithTheEnginesMessage() {
    QFETCH(QString, fault);
    QFETCH(QString, handler);
    QFETCH(QString, message);
    postAnswer(*data_, 1, "\u300012 + 34", 46, 46);
    postAnswer(*data_, 2, "\u300020 + 7", 27, 26);
    data_->DorillQuery->close();

    const QString kyozai = folder_->kyozai();
    const QString file = folder_->kyozai(fault.section(u' ', -1));
    const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    if (fault == "no folder")
        QVERIFY(QDir(kyozai).removeRecursively());
    else if (fault.startsWith("no "))
        QVERIFY(QFile::remove(file));
    else if (fault.contains(" as ")) // a sound database without the table asked for
        QVERIFY(QFile::remove(file) && QFile::copy(folder_->kyozai(fault.section(u' ', 0, 0)), file));
    else if (fault.startsWith("garbage")) {
        QFile garbage(file);
        QVERIFY(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
        garbage.write(QByteArray("not a table file\n").repeated(64));
    } else if (fault.startsWith("truncated"))
        QVERIFY(QFile::resize(file, 1000));
    else if (fault == "read-only kyozai")
        QVERIFY(
            QFile::setPermissions(kyozai, readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther));
    else if (fault.startsWith("read-only"))
        QVERIFY(QFile::setPermissions(file, readable));

    const QStringList tables{"kazu.db", "dorill.db", "kuku.db"};
    QList<QByteArray> before;
    for (const QString& t : tables)
        before << fingerprint(folder_->kyozai(t));
    bool finished = false;
    {
        OrdinaryUser user;
        runGuarded([&] {
            if (handler == "kazu")
                data_->RequeryKazu("Where NB > 0");
            else if (handler == "kuku")
                data_->RequeryKuku();
            else if (handler == "answer")
                postAnswer(*data_, 3, "\u30001 + 1", 2, 2);
            else
                startDrill(*data_);
            finished = true;
        });
    }

    QVERIFY(!finished);
    const QStringList shown = platform_->boxes->shown;
    QCOMPARE(shown.size(), 1);
    QFETCH(QString, told);
    QVERIFY2(shown.first().startsWith("error: " + told + "\n") && shown.first().contains(message),
             qPrintable(shown.first()));
    // Nothing made in place of what is missing, nothing changed in what is there.
    QCOMPARE(QFileInfo::exists(kyozai), fault != "no folder");
    for (int t = 0; t < tables.size(); ++t)
        QVERIFY2(fingerprint(folder_->kyozai(tables[t])) == before[t], qPrintable(tables[t]));
}

void LessonTablesTest::readingKazuAndKukuWorksOnReadOnlyTablesAndWritesNothing() {
    const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const QByteArray kazu = fingerprint(folder_->kyozai("kazu.db"));
    const QByteArray kuku = fingerprint(folder_->kyozai("kuku.db"));
    QFile::setPermissions(folder_->kyozai("kazu.db"), readOnly);
    QFile::setPermissions(folder_->kyozai("kuku.db"), readOnly);
    QFile::setPermissions(folder_->kyozai(), readOnly | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
    {
        OrdinaryUser user;
        runGuarded([&] {
            data_->RequeryKazu("Where NB > 0");
            data_->RequeryKuku();
        });
    }
    QVERIFY(platform_->boxes->shown.isEmpty());
    QCOMPARE(data_->KukuQuery->rowCount(), 81);
    data_.reset();
    QCOMPARE(fingerprint(folder_->kyozai("kazu.db")), kazu);
    QCOMPARE(fingerprint(folder_->kyozai("kuku.db")), kuku);
    QCOMPARE(QDir(folder_->kyozai()).entryList(QDir::Files).size(), 3);
}

QTEST_MAIN(LessonTablesTest)
#include "test_data_module.moc"
