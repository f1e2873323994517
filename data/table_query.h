#pragma once

#include <QAbstractTableModel>
#include <QIdentityProxyModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>

class QSqlDatabase;
class QSqlError;
class QSqlQuery;

enum class TableAccess { ReadOnly, ReadWrite };

// A query over one table of the lesson tables folder. Each table lives in its
// own SQLite file, kyozai/<table>.db, named relative to the working directory.
// The file is opened with mode=ro or mode=rw, never created: a missing folder
// or file is the engine's error, not a fresh empty table.
//
// The result is read lazily: open() only counts its rows (the engine counts a
// table's rows from its pages, which stay cached while the file stays open),
// and rows are read in growing pages when the cursor or a grid first needs
// them. It is offered as a model for the grids with its full row count from
// the start, and follows every change made through the query. reopen() keeps
// a result that is still the table's, so a requery after the query's own
// changes reads nothing at all.
//
// A ReadWrite query reads "select * from <its table> ..." and also carries each
// row's rowid, so the cursor changes exactly the row it stands on. Outside a
// TableTransaction every delete and every post is its own committed
// transaction: it is in the file once the call returns, and stays there
// through a crash or a power cut (rollback journal, synchronous=EXTRA). Every
// failure throws PorunaError with the engine's own message.
class TableQuery final : public QAbstractTableModel {
    Q_OBJECT
public:
    TableQuery(const QString& name, const QString& table, TableAccess access, QObject* parent = nullptr);
    ~TableQuery() override;

    QString table() const { return table_; }
    // The database name as handed to the engine, e.g. "file:kyozai/kazu.db?mode=ro".
    QString databaseName() const;

    // A single SELECT without LIMIT (the query pages with its own), set by
    // reopen(); the file stays open for the next open(), which checks it is
    // still the same file.
    QString statement() const { return statement_; }

    // Runs the statement (counting its rows, reading none yet); the cursor
    // stands on the first row. Opening an open query does nothing.
    void open();
    // Closes the result, sets the statement and opens it, in one step that
    // the views see as one reset. When the statement is the same and no other
    // connection committed to the file since the result was read (so it holds
    // every change, all made through this query), the result stands and only
    // the cursor goes back to the first row: a drill answer costs no reading.
    void reopen(const QString& statement);
    // Closes the result and lets go of the file, so the next open() finds the
    // folder as it is then.
    void close();
    bool isOpen() const { return open_; }

    // --- the cursor ---
    void first();
    // Past the last row; at once on an empty result.
    bool eof() const { return current_ >= total_; }
    int currentRow() const { return eof() ? -1 : current_; }
    // Deletes the current row from the table; the next row becomes current.
    void deleteCurrent();
    // Starts a new row with every field empty; post() writes it.
    void append();
    void setField(int position, int value);
    void setField(int position, const QString& value);
    // Writes the appended row at the end of the result; it becomes current.
    void post();

    // --- the model ---
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // Reads the rows up to the one asked for when they are not read yet. A
    // failure then cannot end a handler: the row shows empty and the standard
    // error report follows from the event loop.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The field names, which the grids pick their columns by.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    friend class TableTransaction;
    struct Row {
        qint64 key = 0; // the rowid, on a ReadWrite query
        QVariantList values;
    };
    struct Statements;
    struct Reading;
    enum class Failure { Open, Read, Write };

    // The query's connection; invalid until connectFile() first makes it.
    QSqlDatabase database() const;
    QSqlDatabase addConnection() const;
    void connectFile();
    void disconnectFile() noexcept;
    // The live query's statement with its rowid: columns "rowid, *" or "rowid".
    QString readStatement(const QString& columns) const;
    void forgetStatement();
    QString filePath() const;
    Reading readResult();
    void showResult(const Reading& reading);
    std::optional<qint64> dataVersion();
    bool resultIsCurrent();
    QSqlQuery& pageQuery();
    // Reads rows from the file until row `row` is read (or the result ends).
    void fetchThrough(int row);
    const Row* rowAt(int row) const;
    void requireOpen(const char* operation) const;
    void requireWritable(const char* operation) const;
    void requireNoTransaction(const char* operation) const;
    void setPendingField(int position, const QVariant& value);
    void closeResult() noexcept;
    // The statement in the slot, prepared on first use.
    QSqlQuery& prepared(std::optional<QSqlQuery>& slot, const std::function<QString()>& sql, Failure failure);
    // Runs a prepared statement whose values are bound; outside a
    // transaction the engine commits it before this returns.
    void runChange(QSqlQuery& query);
    [[noreturn]] void fail(Failure failure, const QSqlError& error) const;
    [[noreturn]] void failAndRelease(Failure failure, const QSqlError& error);

    void beginTransaction();
    void commitTransaction();
    void rollbackTransaction() noexcept;

    QString connection_;
    QString table_;
    TableAccess access_;
    QString statement_;
    bool open_ = false;
    QStringList fields_;
    QList<Row> rows_; // the first rows of the result, as far as they were read
    int total_ = 0;   // rows in the result
    int current_ = 0;
    std::optional<QVariantList> pending_;
    bool transactionOpen_ = false;
    bool removing_ = false; // the current row is gone from the file, not yet from rows_
    mutable bool fetchFailed_ = false;
    std::unique_ptr<Statements> statements_;
    std::optional<qint64> resultVersion_;
    // Which file the connection has open: device and inode.
    std::optional<std::pair<quint64, quint64>> openFile_;
};

// Makes the changes made through a ReadWrite query one transaction: they reach
// the table together when commit() returns, or not at all. The scope rolls
// back when it ends without commit() (a failing change threw), and the engine
// rolls back when the program dies first. After a rollback the query's result
// is closed, since it no longer matches the table; the next open reads it.
// While the scope is open the query keeps its statement (no requery), and its
// views see the outcome once, when the scope ends.
//
//     TableTransaction emptying(*query);
//     for (query->first(); !query->eof();)
//         query->deleteCurrent();
//     emptying.commit();
class TableTransaction {
public:
    explicit TableTransaction(TableQuery& query);
    ~TableTransaction();
    TableTransaction(const TableTransaction&) = delete;
    TableTransaction& operator=(const TableTransaction&) = delete;

    void commit();

private:
    TableQuery& query_;
    bool committed_ = false;
};

// What a grid binds to: a view of one query that follows it when the query is
// reopened or its rows change.
class DataSource final : public QIdentityProxyModel {
    Q_OBJECT
public:
    DataSource(const QString& name, TableQuery* query, QObject* parent = nullptr);
    TableQuery* query() const { return query_; }

private:
    TableQuery* query_;
};
