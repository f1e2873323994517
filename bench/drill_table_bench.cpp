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

constexpr int answerSamples = 31;
constexpr int emptyingRuns = 7;

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Milliseconds of one kind of work, each call measured on the wall clock and
// in this thread's processor time: the part that neither the disk nor the
// other processes of the machine decide.
struct Figures {
    QList<double> wall;
    QList<double> processor;

    void measure(const std::function<void()>& work) {
        const double startProcessor = threadMilliseconds();
        const auto start = std::chrono::steady_clock::now();
        work();
        wall << std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        processor << threadMilliseconds() - startProcessor;
    }
    double wallMedian() const { return median(wall); }
    double processorMedian() const { return median(processor); }
};

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

    // One prepared INSERT in autocommit: its own committed transaction.
    void insertOne(Figures& figures) {
        QSqlQuery q(db());
        q.prepare(QStringLiteral("INSERT INTO dorill VALUES (?, ?, ?, ?, ?)"));
        const QVariantList values{sampleAnswer.number, sampleAnswer.problem, sampleAnswer.correctAnswer,
                                  sampleAnswer.enteredAnswer, sampleAnswer.mark};
        figures.measure([&] {
            for (int i = 0; i < values.size(); ++i)
                q.bindValue(i, values.at(i));
            if (!q.exec())
                die(q.lastError().text());
        });
    }

    void deleteAll(Figures& figures) {
        QSqlQuery q(db());
        figures.measure([&] { run(q, QStringLiteral("DELETE FROM dorill")); });
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

    struct Line {
        int rows;
        Figures insertFull, insertExtra, answer, deleteAll, emptying;
    };
    QList<Line> lines;
    for (const int rows : {100, 1000, 10000}) {
        Line line{rows, {}, {}, {}, {}, {}};
        bare.fill(rows);
        filler.fill(rows);
        for (int i = 0; i < answerSamples; ++i) {
            bare.setSynchronous(QStringLiteral("FULL"));
            bare.insertOne(line.insertFull);
            bare.setSynchronous(QStringLiteral("EXTRA"));
            bare.insertOne(line.insertExtra);
            line.answer.measure([&] { appendAnswerRow(data, sampleAnswer); });
            QCoreApplication::processEvents();
        }
        for (int i = 0; i < emptyingRuns; ++i) {
            bare.fill(rows);
            // The answers' result holds the file's read lock until it is read to
            // its end, as a grid scrolled to the bottom reads it; the filler is
            // another connection, so that is done first.
            while (data.DorillQuery->canFetchMore())
                data.DorillQuery->fetchMore();
            filler.fill(rows);
            bare.deleteAll(line.deleteAll);
            line.emptying.measure([&] { emptyAnswerTable(data); });
            QCoreApplication::processEvents();
            if (data.DorillQuery->rowCount() != 0)
                die(QStringLiteral("the emptying left rows"));
        }
        lines << line;
    }

    std::printf("◆ (requery, append, post) beside a bare committed INSERT, ms (processor ms)\n");
    std::printf("%6s  %-18s %-18s %-18s %10s\n", "rows", "INSERT, FULL", "INSERT, EXTRA", "◆", "◆ / INSERT");
    for (const Line& l : lines)
        std::printf("%6d  %7.3f (%6.3f)   %7.3f (%6.3f)   %7.3f (%6.3f)   %10.2f\n", l.rows,
                    l.insertFull.wallMedian(), l.insertFull.processorMedian(), l.insertExtra.wallMedian(),
                    l.insertExtra.processorMedian(), l.answer.wallMedian(), l.answer.processorMedian(),
                    l.answer.wallMedian() / l.insertExtra.wallMedian());
    std::printf("\nスタート (requery, delete row by row in one transaction) beside a bare DELETE FROM, ms "
                "(processor ms)\n");
    std::printf("%6s  %-18s %-18s\n", "rows", "DELETE FROM", "スタート");
    for (const Line& l : lines)
        std::printf("%6d  %7.3f (%6.3f)   %7.3f (%6.3f)\n", l.rows, l.deleteAll.wallMedian(),
                    l.deleteAll.processorMedian(), l.emptying.wallMedian(), l.emptying.processorMedian());
    std::printf("\nMedians of %d answers and %d emptyings per size, each beside its bare twin. The program\n"
                "writes with synchronous=EXTRA (FULL is the engine's default); the ratio compares like with\n"
                "like. Targets: ◆ / INSERT at most 2 at 10000 rows; スタート at most 100 ms at 10000 rows.\n"
                "Folder: %s\n",
                answerSamples, emptyingRuns, qPrintable(QDir::currentPath()));
    return 0;
}
