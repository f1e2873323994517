// The data module's queries on a temporary copy of the supplied tables: the
// requeries, the drill cursor, durability, the grids and the table faults.
#include "app/error_report.h"
#include "controls/data_grid.h"
#include "data/data_module.h"
#include "data/table_query.h"
#include "tests/support/fakes.h"
#include "tests/support/temp_kyozai.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <memory>

namespace {

// The file's bytes, or an empty text when it does not exist.
QByteArray fingerprint(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// What a drill's ◆ writes: problem number, problem, right answer, child's answer, mark.
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

// What a drill's スタート does; returns how many rows it deleted.
int startDrill(TDataModule1& data) {
    data.RequeryDorill();
    TableQuery* q = data.DorillQuery;
    q->first();
    int deleted = 0;
    while (!q->eof()) {
        q->deleteCurrent();
        ++deleted;
    }
    return deleted;
}

QList<QVariantList> dorillInFile(const TempKyozai& folder) {
    return rowsInFile(folder.kyozai(QStringLiteral("dorill.db")), QStringLiteral("select * from dorill"));
}

void makeDatabaseWithout(const QString& path) {
    QFile::remove(path);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other-table"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery(db).exec(QStringLiteral("CREATE TABLE other (x INTEGER)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other-table"));
}

void overwrite(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
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
    void gridFollowsItsQuery();
    void tableFaultsEndTheHandlerWithTheEnginesMessage_data();
    void tableFaultsEndTheHandlerWithTheEnginesMessage();
    void readingKazuAndKukuWorksOnReadOnlyTablesAndWritesNothing();

private:
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
    // The first field of every row, read straight from the file.
    QTest::addColumn<QString>("independentStatement");

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
    TableQuery* query = nullptr;
    if (table == "kazu") {
        data_->RequeryKazu(QStringLiteral("Where NB > 0"));
        query = data_->KazuQuery;
    } else if (table == "kuku") {
        data_->RequeryKuku();
        query = data_->KukuQuery;
    } else {
        data_->RequeryDorill();
        query = data_->DorillQuery;
    }
    QTEST(query->statement(), "expectedStatement");

    const QList<QVariantList> expected = rowsInFile(folder_->kyozai(table + ".db"), independentStatement);
    QList<QVariant> shown;
    for (int row = 0; row < query->rowCount(); ++row)
        shown << query->index(row, 0).data(Qt::EditRole);
    QList<QVariant> firstFields;
    for (const QVariantList& row : expected)
        firstFields << row.at(0);
    QCOMPARE(shown, firstFields);
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
        postAnswer(*data_, alike ? 1 : n, QStringLiteral("\u300012 + 34"), 46, alike ? 46 : 40 + n);
    QCOMPARE(dorillInFile(*folder_).size(), rows);

    QCOMPARE(startDrill(*data_), rows);
    QVERIFY(dorillInFile(*folder_).isEmpty());
    QVERIFY(platform_->boxes->shown.isEmpty());
}

void LessonTablesTest::postedRowsAreInTheFileOnceTheCallReturns() {
    postAnswer(*data_, 1, QStringLiteral("\u300012 + 34 + 5"), 51, 51);
    // Seen through another connection while the query is still open: committed.
    QCOMPARE(dorillInFile(*folder_),
             QList<QVariantList>({{1, QStringLiteral("\u300012 + 34 + 5"), 51, 51, QStringLiteral(" ○")}}));

    // An appended row starts empty, not as a copy of the current one.
    data_->RequeryDorill();
    data_->DorillQuery->append();
    data_->DorillQuery->setField(0, 2);
    data_->DorillQuery->setField(4, QStringLiteral(" ×"));
    data_->DorillQuery->post();
    const QVariantList second = dorillInFile(*folder_).value(1);
    QCOMPARE(second.size(), 5);
    QCOMPARE(second.at(0), 2);
    QVERIFY(second.at(1).isNull() && second.at(2).isNull() && second.at(3).isNull());
    QCOMPARE(second.at(4), QStringLiteral(" ×"));

    // A program started afresh finds both rows, in the order they were posted.
    data_.reset();
    data_ = std::make_unique<TDataModule1>();
    data_->RequeryDorill();
    QCOMPARE(data_->DorillQuery->rowCount(), 2);
    QCOMPARE(data_->DorillQuery->index(0, 1).data(), QStringLiteral("\u300012 + 34 + 5"));
    QCOMPARE(data_->DorillQuery->index(1, 4).data(), QStringLiteral(" ×"));
}

void LessonTablesTest::gridFollowsItsQuery() {
    DataGrid grid;
    grid.setColumns({{"NB", "Ｎｏ", 40}, {"MND", "もんだい", 140}, {"HNT", "○×", 40}, {"EXTRA", "?", 40}});
    grid.setDataSource(data_->DataSource2);
    QAbstractItemModel* shown = grid.model();

    postAnswer(*data_, 1, QStringLiteral("\u30003 x 4"), 12, 12);
    postAnswer(*data_, 2, QStringLiteral("\u30005 x 6"), 30, 31);
    QCOMPARE(shown->rowCount(), 2);
    // Columns are the grid's own, found by field name: MND is the second here.
    QCOMPARE(shown->index(1, 1).data().toString(), QStringLiteral("\u30005 x 6"));
    QCOMPARE(shown->index(1, 2).data().toString(), QStringLiteral(" ×"));
    QCOMPARE(shown->index(1, 3).data(), QVariant());
    QCOMPARE(shown->headerData(1, Qt::Horizontal).toString(), QStringLiteral("もんだい"));

    startDrill(*data_);
    QCOMPARE(shown->rowCount(), 0);
}

void LessonTablesTest::tableFaultsEndTheHandlerWithTheEnginesMessage_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("handler");
    QTest::addColumn<QString>("message"); // what SQLite says, within the report

    const QString cannotOpen = QStringLiteral("unable to open database file");
    QTest::newRow("kyozai missing: kazu hint") << "no folder"
                                               << "kazu" << cannotOpen;
    QTest::newRow("kyozai missing: drill answer") << "no folder"
                                                  << "answer" << cannotOpen;
    QTest::newRow("table file missing: kuku") << "no kuku.db"
                                              << "kuku" << cannotOpen;
    QTest::newRow("table file missing: drill start") << "no dorill.db"
                                                     << "start" << cannotOpen;
    QTest::newRow("table missing: kazu") << "no kazu table"
                                         << "kazu"
                                         << "no such table: kazu";
    QTest::newRow("table missing: drill answer") << "no dorill table"
                                                 << "answer"
                                                 << "no such table: dorill";
    QTest::newRow("garbage file: drill start") << "garbage dorill.db"
                                               << "start"
                                               << "file is not a database";
    QTest::newRow("truncated file: kuku") << "truncated kuku.db"
                                          << "kuku"
                                          << "database disk image is malformed";
    QTest::newRow("read-only file: drill answer") << "read-only dorill.db"
                                                  << "answer"
                                                  << "attempt to write a readonly database";
    QTest::newRow("read-only file: drill start") << "read-only dorill.db"
                                                 << "start"
                                                 << "attempt to write a readonly database";
    QTest::newRow("read-only folder: drill answer") << "read-only kyozai"
                                                    << "answer"
                                                    << "attempt to write a readonly database";
    QTest::newRow("read-only folder: drill start") << "read-only kyozai"
                                                   << "start"
                                                   << "attempt to write a readonly database";
}

void LessonTablesTest::tableFaultsEndTheHandlerWithTheEnginesMessage() {
    QFETCH(QString, fault);
    QFETCH(QString, handler);
    QFETCH(QString, message);
    postAnswer(*data_, 1, QStringLiteral("\u300012 + 34"), 46, 46);
    postAnswer(*data_, 2, QStringLiteral("\u300020 + 7"), 27, 26);
    data_->DorillQuery->close();

    const QStringList tables{"kazu", "dorill", "kuku"};
    const QString kyozai = folder_->kyozai();
    if (fault == "no folder")
        QVERIFY(QDir(kyozai).removeRecursively());
    else if (fault.startsWith("no ") && fault.endsWith(".db"))
        QVERIFY(QFile::remove(folder_->kyozai(fault.mid(3))));
    else if (fault.startsWith("no ") && fault.endsWith(" table"))
        makeDatabaseWithout(folder_->kyozai(fault.section(u' ', 1, 1) + ".db"));
    else if (fault == "garbage dorill.db")
        overwrite(folder_->kyozai("dorill.db"), QByteArray("not a table file\n").repeated(64));
    else if (fault == "truncated kuku.db")
        QVERIFY(QFile::resize(folder_->kyozai("kuku.db"), 1000));
    else if (fault == "read-only dorill.db")
        QVERIFY(QFile::setPermissions(folder_->kyozai("dorill.db"),
                                      QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    else if (fault == "read-only kyozai")
        QVERIFY(QFile::setPermissions(kyozai, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                                  QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));

    QMap<QString, QByteArray> before;
    for (const QString& t : tables)
        before[t] = fingerprint(folder_->kyozai(t + ".db"));

    bool finished = false;
    {
        OrdinaryUser user;
        runGuarded([&] {
            if (handler == "kazu")
                data_->RequeryKazu(QStringLiteral("Where NB > 0"));
            else if (handler == "kuku")
                data_->RequeryKuku();
            else if (handler == "answer")
                postAnswer(*data_, 3, QStringLiteral("\u30001 + 1"), 2, 2);
            else
                startDrill(*data_);
            finished = true;
        });
    }

    QVERIFY(!finished);
    QCOMPARE(platform_->boxes->shown.size(), 1);
    QVERIFY2(platform_->boxes->shown.first().startsWith("error: ") &&
                 platform_->boxes->shown.first().contains(message),
             qPrintable(platform_->boxes->shown.first()));
    // Nothing made in place of what is missing, nothing changed in what is there.
    QCOMPARE(QFileInfo::exists(kyozai), fault != "no folder");
    for (const QString& t : tables)
        QVERIFY2(fingerprint(folder_->kyozai(t + ".db")) == before[t], qPrintable(t));
}

void LessonTablesTest::readingKazuAndKukuWorksOnReadOnlyTablesAndWritesNothing() {
    const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto search = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    const QByteArray kazu = fingerprint(folder_->kyozai("kazu.db"));
    const QByteArray kuku = fingerprint(folder_->kyozai("kuku.db"));
    QFile::setPermissions(folder_->kyozai("kazu.db"), readOnly);
    QFile::setPermissions(folder_->kyozai("kuku.db"), readOnly);
    QFile::setPermissions(folder_->kyozai(), readOnly | search);
    {
        OrdinaryUser user;
        runGuarded([&] {
            data_->RequeryKazu(QStringLiteral("Where NB > 0"));
            data_->RequeryKuku();
        });
    }
    QVERIFY(platform_->boxes->shown.isEmpty());
    QVERIFY(data_->KazuQuery->rowCount() > 0);
    QCOMPARE(data_->KukuQuery->rowCount(), 81);
    data_.reset();
    QCOMPARE(fingerprint(folder_->kyozai("kazu.db")), kazu);
    QCOMPARE(fingerprint(folder_->kyozai("kuku.db")), kuku);
    QCOMPARE(QDir(folder_->kyozai()).entryList(QDir::Files).size(), 3);
}

QTEST_MAIN(LessonTablesTest)
#include "test_lesson_tables.moc"
