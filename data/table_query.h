#pragma once

#include <QAbstractTableModel>
#include <QIdentityProxyModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

class QSqlDatabase;
class QSqlError;

enum class TableAccess { ReadOnly, ReadWrite };

// A query over one table of the lesson tables folder. Each table lives in its
// own SQLite file, kyozai/<table>.db, named relative to the working directory.
// The file is opened with mode=ro or mode=rw, never created: a missing folder
// or file is the engine's error, not a fresh empty table.
//
// The result is held in memory (the tables are small) and offered as a model
// for the grids. On a ReadWrite query the cursor can also change the table:
// every delete and every post is its own committed transaction, so it is in the
// file once the call returns. Every failure throws PorunaError with the
// engine's own message.
class TableQuery final : public QAbstractTableModel {
    Q_OBJECT
public:
    TableQuery(const QString& name, const QString& table, TableAccess access, QObject* parent = nullptr);
    ~TableQuery() override;

    QString table() const { return table_; }
    // The database name as handed to the engine, e.g. "file:kyozai/kazu.db?mode=ro".
    QString databaseName() const;

    // Changing the statement closes the query.
    void setStatement(const QString& statement);
    QString statement() const { return statement_; }

    // Runs the statement; the cursor stands on the first row. Opening an open
    // query does nothing.
    void open();
    void close();
    bool isOpen() const { return open_; }

    QStringList fieldNames() const { return fields_; }

    // --- the cursor ---
    void first();
    // Past the last row; at once on an empty result.
    bool eof() const { return current_ >= rows_.size(); }
    int currentRow() const { return eof() ? -1 : current_; }
    // Deletes the current row from the table; the next row becomes current.
    void deleteCurrent();
    // Starts a new row with every field empty; post() writes it.
    void append();
    void setField(int position, int value);
    void setField(int position, const QString& value);
    void post();

    // --- the model ---
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The field names, which the grids pick their columns by.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QSqlDatabase database() const;
    void requireOpen(const char* operation) const;
    void requireWritable(const char* operation) const;
    void setPendingField(int position, const QVariant& value);
    // Runs one changing statement in a transaction of its own and commits it.
    void runCommitted(const QString& sql, const QVariantList& values);
    enum class Failure { Open, Read, Write };
    [[noreturn]] void fail(Failure failure, const QSqlError& error) const;

    QString connection_;
    QString table_;
    TableAccess access_;
    QString statement_;
    bool open_ = false;
    QStringList fields_;
    QList<QVariantList> rows_;
    int current_ = 0;
    std::optional<QVariantList> pending_;
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
