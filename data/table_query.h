#pragma once

#include <QIdentityProxyModel>
#include <QList>
#include <QSqlQueryModel>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>

class QSqlDatabase;
class QSqlError;
class QSqlQuery;

enum class TableAccess { ReadOnly, ReadWrite };

// A query over one table of the lesson tables folder, with a cursor, offered
// to the grids as Qt's query model. Each table lives in its own SQLite file,
// kyozai/<table>.db, named relative to the working directory. The file is
// opened with mode=ro or mode=rw, never created: a missing folder or file is
// the engine's error, not a fresh empty table.
//
// The model reads the result lazily: its first page when the statement runs,
// the next when a grid scrolls to the last row read. Until a result is read to
// its end the engine keeps its read lock on the file, so another program's
// write to that file waits meanwhile. reopen() keeps a result that is still
// the table's, so a requery after the query's own changes reads nothing.
//
// A ReadWrite query reads "select * from <its table> ..."; its cursor knows
// the rows by rowid, so it changes exactly the row it stands on. Outside a
// TableTransaction every delete and every post is its own committed
// transaction: it is in the file once the call returns, and stays there
// through a crash or a power cut (rollback journal, synchronous=EXTRA), and
// the result is read again for the views. Every failure throws PorunaError
// with the engine's own message.
class TableQuery final : public QSqlQueryModel {
    Q_OBJECT
public:
    TableQuery(const QString& name, const QString& table, TableAccess access, QObject* parent = nullptr);
    ~TableQuery() override;

    // A single SELECT, set by reopen(); the file stays open for the next
    // one, which checks it is still the same file.
    QString statement() const { return statement_; }

    // Sets the statement and runs it, in one step that the views see as one
    // reset; the cursor stands on the first row. When the statement is the
    // same and no other connection committed to the file since the result
    // was read (so it holds every change, all made through this query), the
    // result stands and only the cursor goes back: the requery before each
    // drill answer reads nothing.
    void reopen(const QString& statement);
    // Closes the result and lets go of the file, so the next reopen() finds
    // the folder as it is then.
    void close();

    // --- the cursor ---
    void first();
    // Past the last row; at once on an empty result.
    bool eof();
    int currentRow();
    // Deletes the current row from the table; the next row becomes current.
    void deleteCurrent();
    // Starts a new row with every field empty; post() writes it.
    void append();
    void setField(int position, const QVariant& value);
    // Writes the appended row at the end of the table; the cursor stays.
    void post();

    // --- the model ---
    // A field shows as the engine's text (a number without grouping), an
    // empty field as nothing.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Asked by a grid as it scrolls, where a failure cannot end a handler:
    // the standard error report follows from the event loop, and the rest of
    // the result stays unread until the next requery. Asked while the views
    // are being told of a change, it reads nothing.
    void fetchMore(const QModelIndex& parent = {}) override;
    bool canFetchMore(const QModelIndex& parent = {}) const override;

private:
    friend class TableTransaction;
    struct Statements;
    enum class Failure { Open, Read, Write };
    using QSqlQueryModel::setQuery;

    // The query's connection; invalid until connectFile() first makes it.
    QSqlDatabase database() const;
    QSqlDatabase addConnection() const;
    void connectFile();
    void disconnectFile() noexcept;
    QString filePath() const;
    // The statement with its rowid alone, for the cursor's keys.
    QString keyStatement() const;
    void readResult();
    void readRows();
    // Ends a reset of the views; see fetchMore().
    void endReset() noexcept;
    // Reads the model's next page; the engine's error, if reading failed.
    QSqlError fetchPage();
    void readMore();
    QList<qint64>& keys();
    std::optional<qint64> dataVersion();
    bool resultIsCurrent();
    void requireOpen(const char* operation) const;
    void requireWritable(const char* operation) const;
    void requireNoTransaction(const char* operation) const;
    void closeResult() noexcept;
    // The statement in the slot, prepared on first use.
    QSqlQuery& prepared(std::optional<QSqlQuery>& slot, const std::function<QString()>& sql, Failure failure);
    // Runs a prepared statement whose values are bound; outside a
    // transaction the engine commits it before this returns.
    void runChange(QSqlQuery& query);
    QString failureMessage(Failure failure, const QSqlError& error) const;
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
    int current_ = 0;
    // The rowids of the result, read when the cursor first needs them; the
    // cursor's own deletes keep them true.
    std::optional<QList<qint64>> keys_;
    std::optional<QVariantList> pending_;
    bool transactionOpen_ = false;
    bool telling_ = false; // the views are being told of a change
    std::unique_ptr<Statements> statements_;
    std::optional<qint64> resultVersion_;
    // Which file the connection has open: device and inode.
    std::optional<std::pair<quint64, quint64>> openFile_;
};

// Makes the changes made through a ReadWrite query one transaction: they reach
// the table together when commit() returns, or not at all. The scope rolls
// back when it ends without commit() (a failing change threw), and the engine
// rolls back when the program dies first. After a rollback the query's result
// is closed, since it no longer matches the table; the next reopen reads it.
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
};
