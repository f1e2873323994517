// The drills' two table operations against the bare engine, on a copy of the
// supplied dorill table holding 100, 1 000 and 10 000 rows:
//   ◆       requery, append, set the five fields, post (lessons/drills/drill_table)
//   スタート requery, then delete row by row until end of data, in one transaction
// beside a bare committed INSERT and a bare "DELETE FROM dorill" on a plain
// connection to a twin of the table in the same folder. Prints median
// milliseconds; passes or fails nothing. Targets: ◆ at most 2 × the bare insert at 10 000 rows, スタート at
// most 100 ms at 10 000 rows.
#include "controls/data_grid.h"
#include "data/data_module.h"
#include "data/table_query.h"
#include "lessons/drills/drill_table.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

constexpr int answerSamples = 21;
constexpr int emptyingRuns = 7;

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Milliseconds taken by one call.
double timed(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Milliseconds of this thread's processor time taken by one call: the part of
// the figure that neither the disk nor other processes decide.
double processorTimed(const std::function<void()>& work) {
    timespec start{}, end{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
    work();
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
    return (end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6;
}

[[noreturn]] void die(const QString& what) {
    std::fprintf(stderr, "drill_table_bench: %s\n", qPrintable(what));
    std::exit(1);
}

void run(QSqlQuery& query, const QString& sql) {
    if (!query.exec(sql))
        die(sql + QStringLiteral(": ") + query.lastError().text());
}

const AnswerRow sampleAnswer{7, QStringLiteral("\u300012 + 34 + 5"), 51, 51, QStringLiteral(" ○")};

// A plain connection to a file, as any program would open it.
class BareTable {
public:
    BareTable(const QString& name, const QString& file) : name_(name) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(file);
        if (!db.open())
            die(db.lastError().text());
    }
    ~BareTable() { QSqlDatabase::removeDatabase(name_); }

    QSqlDatabase db() const { return QSqlDatabase::database(name_); }

    void setSynchronous(const QString& level) {
        QSqlQuery q(db());
        run(q, QStringLiteral("PRAGMA synchronous = ") + level);
    }

    // The table holds exactly `rows` answers afterwards.
    void fill(int rows) {
        QSqlDatabase d = db();
        QSqlQuery q(d);
        run(q, QStringLiteral("DELETE FROM dorill"));
        d.transaction();
        q.prepare(QStringLiteral("INSERT INTO dorill VALUES (?, ?, ?, ?, ?)"));
        for (int n = 1; n <= rows; ++n) {
            q.bindValue(0, n);
            q.bindValue(1, sampleAnswer.problem);
            q.bindValue(2, 46);
            q.bindValue(3, n % 3 ? 46 : 45);
            q.bindValue(4, n % 3 ? QStringLiteral(" ○") : QStringLiteral(" ×"));
            if (!q.exec())
                die(q.lastError().text());
        }
        d.commit();
    }

    // One INSERT in autocommit: its own committed transaction.
    double insertOne() {
        QSqlQuery q(db());
        q.prepare(QStringLiteral("INSERT INTO dorill VALUES (?, ?, ?, ?, ?)"));
        const QVariantList values{sampleAnswer.number, sampleAnswer.problem, sampleAnswer.correctAnswer,
                                  sampleAnswer.enteredAnswer, sampleAnswer.mark};
        return timed([&] {
            for (int i = 0; i < values.size(); ++i)
                q.bindValue(i, values.at(i));
            if (!q.exec())
                die(q.lastError().text());
        });
    }

    double deleteAll() {
        QSqlQuery q(db());
        return timed([&] { run(q, QStringLiteral("DELETE FROM dorill")); });
    }

private:
    QString name_;
};

QString seedTable() {
    const QString file =
        QCoreApplication::applicationDirPath() + QStringLiteral("/tests/kyozai-seed/dorill.db");
    if (!QFile::exists(file))
        die(QStringLiteral("the supplied tables are not built: ") + file);
    return file;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    // A program folder of its own beside the real one (same disk), so the
    // figures are the disk's and no drill run of the user is touched.
    QTemporaryDir folder(QDir::currentPath() + QStringLiteral("/drill-bench-XXXXXX"));
    if (!folder.isValid() || !QDir(folder.path()).mkdir(QStringLiteral("kyozai")) ||
        !QFile::copy(seedTable(), folder.filePath(QStringLiteral("kyozai/dorill.db"))))
        die(QStringLiteral("cannot prepare a folder in ") + QDir::currentPath());
    QDir::setCurrent(folder.path());
    // The bare statements run on a twin of the table in a file of its own, so
    // they do not spoil the program's page cache, and each sample of one kind
    // sits right beside a sample of the other: both meet the disk alike.
    const QString twin = folder.filePath(QStringLiteral("twin.db"));
    if (!QFile::copy(seedTable(), twin))
        die(QStringLiteral("cannot copy the table to ") + twin);
    BareTable bare(QStringLiteral("bench-bare"), twin);
    BareTable filler(QStringLiteral("bench-filler"), QStringLiteral("kyozai/dorill.db"));

    TDataModule1 data;
    // The drill screens' grid is bound to the query (and hidden) while they run.
    DataGrid grid;
    grid.setColumns({{QStringLiteral("NB"), QStringLiteral("Ｎｏ"), 40},
                     {QStringLiteral("MND"), QStringLiteral("もんだい"), 140},
                     {QStringLiteral("KAI"), QStringLiteral("せいかい"), 70},
                     {QStringLiteral("KOT"), QStringLiteral("こたえ"), 70},
                     {QStringLiteral("HNT"), QStringLiteral("○×"), 40}});
    grid.setDataSource(data.DataSource2);

    std::printf("%-6s | %11s %11s %11s %6s %6s | %11s %11s %11s\n", "rows", "bare insert", "bare insert", "◆",
                "◆ /", "◆ /", "bare DELETE", "スタート", "スタート");
    std::printf("%-6s | %11s %11s %11s %6s %6s | %11s %11s %11s\n", "", "FULL", "EXTRA", "", "FULL", "EXTRA",
                "FROM", "emptying", "processor");
    for (const int rows : {100, 1000, 10000}) {
        QList<double> insertFull, insertExtra, answer, deleteAll, emptying, emptyingProcessor;
        bare.fill(rows);
        filler.fill(rows);
        for (int i = 0; i < answerSamples; ++i) {
            bare.setSynchronous(QStringLiteral("FULL"));
            insertFull << bare.insertOne();
            bare.setSynchronous(QStringLiteral("EXTRA"));
            insertExtra << bare.insertOne();
            answer << timed([&] { appendAnswerRow(data, sampleAnswer); });
            QCoreApplication::processEvents();
        }
        for (int i = 0; i < emptyingRuns; ++i) {
            bare.fill(rows);
            filler.fill(rows);
            deleteAll << bare.deleteAll();
            emptying << timed([&] { emptyingProcessor << processorTimed([&] { emptyAnswerTable(data); }); });
            QCoreApplication::processEvents();
            if (data.DorillQuery->rowCount() != 0)
                die(QStringLiteral("the emptying left rows"));
        }
        std::printf("%-6d | %8.3f ms %8.3f ms %8.3f ms %6.2f %6.2f | %8.3f ms %8.3f ms %8.3f ms\n", rows,
                    median(insertFull), median(insertExtra), median(answer),
                    median(answer) / median(insertFull), median(answer) / median(insertExtra),
                    median(deleteAll), median(emptying), median(emptyingProcessor));
    }
    std::printf("Median of %d answers and %d emptyings per size, each beside its bare twin.\n"
                "FULL is the engine's default; the program writes with synchronous=EXTRA.\n"
                "Folder: %s\n",
                answerSamples, emptyingRuns, qPrintable(QDir::currentPath()));
    return 0;
}
