// The tables supplied with the program, as the build makes them, and the build
// step that must never wipe a program folder's tables.
#include "tests/support/temp_kyozai.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

namespace {

QString suppliedFile(const QString& table) {
    return suppliedKyozai() + u'/' + table + QStringLiteral(".db");
}

// The chanted readings of the times tables, one table per line, written out by
// hand from a school chart: a reading is the two numbers, が before a one-digit
// product, then the product.
const char* const readings[9][9] = {
    {"いんいちが いち", "いんにが に", "いんさんが さん", "いんしが し", "いんごが ご", "いんろくが ろく",
     "いんしちが しち", "いんはちが はち", "いんくが く"},
    {"にいちが に", "ににんが し", "にさんが ろく", "にしが はち", "にご じゅう", "にろく じゅうに",
     "にしち じゅうし", "にはち じゅうろく", "にく じゅうはち"},
    {"さんいちが さん", "さんにが ろく", "さざんが く", "さんし じゅうに", "さんご じゅうご",
     "さぶろく じゅうはち", "さんしち にじゅういち", "さんぱ にじゅうし", "さんく にじゅうしち"},
    {"しいちが し", "しにが はち", "しさん じゅうに", "しし じゅうろく", "しご にじゅう", "しろく にじゅうし",
     "ししち にじゅうはち", "しは さんじゅうに", "しく さんじゅうろく"},
    {"ごいちが ご", "ごに じゅう", "ごさん じゅうご", "ごし にじゅう", "ごご にじゅうご", "ごろく さんじゅう",
     "ごしち さんじゅうご", "ごは しじゅう", "ごっく しじゅうご"},
    {"ろくいちが ろく", "ろくに じゅうに", "ろくさん じゅうはち", "ろくし にじゅうし", "ろくご さんじゅう",
     "ろくろく さんじゅうろく", "ろくしち しじゅうに", "ろくは しじゅうはち", "ろっく ごじゅうし"},
    {"しちいちが しち", "しちに じゅうし", "しちさん にじゅういち", "しちし にじゅうはち",
     "しちご さんじゅうご", "しちろく しじゅうに", "しちしち しじゅうく", "しちは ごじゅうろく",
     "しちく ろくじゅうさん"},
    {"はちいちが はち", "はちに じゅうろく", "はっさん にじゅうし", "はっし さんじゅうに", "はちご しじゅう",
     "はちろく しじゅうはち", "はちしち ごじゅうろく", "はっぱ ろくじゅうし", "はっく しちじゅうに"},
    {"くいちが く", "くに じゅうはち", "くさん にじゅうしち", "くし さんじゅうろく", "くご しじゅうご",
     "くろく ごじゅうし", "くしち ろくじゅうさん", "くは しちじゅうに", "くく はちじゅういち"},
};

QString makeKyozaiTool() {
    for (QDir dir(QCoreApplication::applicationDirPath());;) {
        if (QFileInfo::exists(dir.filePath(QStringLiteral("tools/make_kyozai"))))
            return dir.filePath(QStringLiteral("tools/make_kyozai"));
        if (!dir.cdUp())
            return {};
    }
}

QString seedSource() {
    return QFINDTESTDATA("../../data/seed");
}

} // namespace

class SuppliedTablesTest : public QObject {
    Q_OBJECT
private slots:
    void kukuHoldsEveryFactWithItsProductAndReading();
    void kazuExamplesAddUpAndAreStoredOutOfOrder();
    void dorillIsSuppliedEmptyWithItsFieldsInPositionOrder();
    void buildStepKeepsAnExistingFolder();
};

void SuppliedTablesTest::kukuHoldsEveryFactWithItsProductAndReading() {
    const QList<QVariantList> rows =
        rowsInFile(suppliedFile("kuku"), "select kakezan, kotae, yomi from kuku order by rowid");
    QCOMPARE(rows.size(), 81);
    for (int a = 1; a <= 9; ++a)
        for (int b = 1; b <= 9; ++b) {
            const QVariantList& row = rows.at((a - 1) * 9 + (b - 1));
            QCOMPARE(row.at(0).toString(), QStringLiteral("%1 × %2").arg(a).arg(b));
            QCOMPARE(row.at(1).toInt(), a * b);
            QCOMPARE(row.at(2).toString(), QString::fromUtf8(readings[a - 1][b - 1]));
        }
}

void SuppliedTablesTest::kazuExamplesAddUpAndAreStoredOutOfOrder() {
    const QList<QVariantList> rows =
        rowsInFile(suppliedFile("kazu"), "select NB, K1000, K100, K10, K1, KAZU from kazu order by rowid");
    QList<int> numbers;
    int shown = 0;
    for (const QVariantList& r : rows) {
        QCOMPARE(r.at(1).toInt() * 1000 + r.at(2).toInt() * 100 + r.at(3).toInt() * 10 + r.at(4).toInt(),
                 r.at(5).toInt());
        QVERIFY2(!numbers.contains(r.at(0).toInt()), "NB twice");
        numbers << r.at(0).toInt();
        shown += r.at(0).toInt() > 0 ? 1 : 0;
    }
    // Enough to fill the hint's table, some rows the lesson's filter keeps out,
    // and a stored order that the lesson's ordering has to put right.
    QVERIFY(shown >= 12);
    QVERIFY(shown < rows.size());
    QList<int> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    QVERIFY(numbers != sorted);
}

void SuppliedTablesTest::dorillIsSuppliedEmptyWithItsFieldsInPositionOrder() {
    const QList<QVariantList> fields =
        rowsInFile(suppliedFile("dorill"), "select name, type from pragma_table_info('dorill') order by cid");
    QCOMPARE(
        fields,
        QList<QVariantList>(
            {{"NB", "INTEGER"}, {"MND", "TEXT"}, {"KAI", "INTEGER"}, {"KOT", "INTEGER"}, {"HNT", "TEXT"}}));
    QVERIFY(rowsInFile(suppliedFile("dorill"), "select * from dorill").isEmpty());
}

void SuppliedTablesTest::buildStepKeepsAnExistingFolder() {
    const QString tool = makeKyozaiTool();
    QVERIFY2(!tool.isEmpty(), "make_kyozai was not built");
    QVERIFY(!seedSource().isEmpty());
    QTemporaryDir dir;
    const QString kyozai = dir.filePath("kyozai");
    const QStringList args{"--if-absent", seedSource(), kyozai};
    QCOMPARE(QProcess::execute(tool, args), 0);
    QCOMPARE(QDir(kyozai).entryList(QDir::Files), QStringList({"dorill.db", "kazu.db", "kuku.db"}));

    // A drill run leaves a row; the next build must keep it.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "drill-run");
        db.setDatabaseName(kyozai + "/dorill.db");
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec("insert into dorill values (1, '\u30001 + 1', 2, 2, ' ○')"));
        db.close();
    }
    QSqlDatabase::removeDatabase("drill-run");
    QCOMPARE(QProcess::execute(tool, args), 0);
    QCOMPARE(rowsInFile(kyozai + "/dorill.db", "select NB from dorill").size(), 1);
    QVERIFY(!QFileInfo::exists(kyozai + ".part"));
}

QTEST_MAIN(SuppliedTablesTest)
#include "test_data_supplied_tables.moc"
