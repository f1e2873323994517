#include "data/table_query.h"

#include "core/error_report.h"
#include "core/poruna_error.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <sys/stat.h>

namespace {

QString quoted(const QString& identifier) {
    QString q = identifier;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

// Each query has a connection of its own; the number keeps two data modules
// (as in tests) from sharing one.
QString connectionName(const QString& name) {
    static int made = 0;
    return QStringLiteral("%1#%2").arg(name).arg(++made);
}

// Device and inode of the file a relative name leads to now.
std::optional<std::pair<quint64, quint64>> fileIdentity(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return std::pair<quint64, quint64>(info.st_dev, info.st_ino);
}

} // namespace

// Prepared once per connection (and per statement), then run again and again:
// the drills' answers and the emptying repeat the same few statements.
struct TableQuery::Statements {
    std::optional<QSqlQuery> keys;
    std::optional<QSqlQuery> remove;
    std::optional<QSqlQuery> insert;
    std::optional<QSqlQuery> version;
};

TableQuery::TableQuery(const QString& name, const QString& table, TableAccess access, QObject* parent)
    : QSqlQueryModel(parent), connection_(connectionName(name)), table_(table), access_(access),
      statement_(QStringLiteral("select * from ") + table), statements_(std::make_unique<Statements>()) {
    setObjectName(name);
}

TableQuery::~TableQuery() {
    close();
    if (QSqlDatabase::contains(connection_))
        QSqlDatabase::removeDatabase(connection_);
}

// Made when the file is first opened: at start-up every query is closed, and
// loading the engine's driver for them then would only keep the menu waiting.
QSqlDatabase TableQuery::addConnection() const {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    const bool readOnly = access_ == TableAccess::ReadOnly;
    db.setDatabaseName(
        QStringLiteral("file:%1?mode=%2").arg(filePath(), QLatin1String(readOnly ? "ro" : "rw")));
    // Without the URI option the driver would hand the engine "create if missing".
    db.setConnectOptions(readOnly ? QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY")
                                  : QStringLiteral("QSQLITE_OPEN_URI"));
    return db;
}

QSqlDatabase TableQuery::database() const {
    return QSqlDatabase::database(connection_, false);
}

// A parent reading the report learns first, in Japanese, which file of the
// lesson tables could not be used and how; the engine's own words follow.
QString TableQuery::failureMessage(Failure failure, const QSqlError& error) const {
    const QString file = table_ + QStringLiteral(".db");
    QString what;
    switch (failure) {
    case Failure::Open:
        what = QStringLiteral("kyozai の %1 が ひらけません。").arg(file);
        break;
    case Failure::Read:
        what = QStringLiteral("kyozai の %1 が よめません。").arg(file);
        break;
    case Failure::Write:
        what = QStringLiteral("kyozai の %1 に かきこめません。").arg(file);
        break;
    }
    return what + u'\n' + error.text();
}

void TableQuery::fail(Failure failure, const QSqlError& error) const {
    throw PorunaError(failureMessage(failure, error));
}

void TableQuery::failAndRelease(Failure failure, const QSqlError& error) {
    // A failed file is opened afresh next time, so a folder put back or
    // repaired is found. Inside a transaction the scope decides.
    if (!transactionOpen_)
        disconnectFile();
    fail(failure, error);
}

QString TableQuery::filePath() const {
    return QStringLiteral("kyozai/%1.db").arg(table_);
}

// The connection stays open from one result to the next; it is opened again
// when the name now leads to another file (removed, replaced, or a new working
// folder), so nothing is ever written into a file that is no longer kyozai's.
void TableQuery::connectFile() {
    const QString path = filePath();
    QSqlDatabase db = database();
    if (!db.isValid())
        db = addConnection();
    if (db.isOpen()) {
        const auto now = fileIdentity(path);
        if (now && now == openFile_)
            return;
        disconnectFile();
    }
    if (!db.open()) {
        const QSqlError error = db.lastError();
        db.close();
        fail(Failure::Open, error);
    }
    if (access_ == TableAccess::ReadWrite) {
        // The default rollback journal, with the folder synced after the
        // journal is removed: a committed row survives a power cut too. (A
        // write-ahead log would leave two more files in kyozai.)
        QSqlQuery pragma(db);
        if (!pragma.exec(QStringLiteral("PRAGMA synchronous = EXTRA"))) {
            const QSqlError error = pragma.lastError();
            pragma = QSqlQuery();
            disconnectFile();
            fail(Failure::Read, error); // the file opened, yet is no database the engine can read
        }
    }
    openFile_ = fileIdentity(path);
}

// The result goes with the file it was read from.
void TableQuery::disconnectFile() noexcept {
    closeResult();
    if (transactionOpen_) {
        // The engine rolls back what was not committed.
        transactionOpen_ = false;
        endResetModel();
    }
    statements_ = std::make_unique<Statements>();
    openFile_.reset();
    QSqlDatabase db = database();
    if (db.isOpen())
        db.close();
}

QSqlQuery& TableQuery::prepared(std::optional<QSqlQuery>& slot, const std::function<QString()>& sql,
                                Failure failure) {
    if (!database().isOpen())
        connectFile();
    if (!slot) {
        QSqlQuery query(database());
        query.setForwardOnly(true);
        if (!query.prepare(sql()))
            failAndRelease(failure, query.lastError());
        slot = query;
    }
    return *slot;
}

QString TableQuery::keyStatement() const {
    static const QRegularExpression shape(QStringLiteral("^\\s*select\\s+\\*\\s+from\\s+(\\w+)\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = shape.match(statement_);
    if (!match.hasMatch() || match.captured(1).compare(table_, Qt::CaseInsensitive) != 0)
        throw PorunaError(QStringLiteral("%1: a query that changes %2 reads \"select * from %2\"")
                              .arg(objectName(), table_));
    return QStringLiteral("select rowid from ") + statement_.mid(match.capturedStart(1));
}

std::optional<qint64> TableQuery::dataVersion() {
    QSqlQuery& version = prepared(
        statements_->version, [] { return QStringLiteral("PRAGMA data_version"); }, Failure::Read);
    std::optional<qint64> value;
    if (version.exec() && version.next())
        value = version.value(0).toLongLong();
    version.finish();
    return value;
}

bool TableQuery::resultIsCurrent() {
    if (!open_ || query().lastError().isValid() || !database().isOpen() ||
        fileIdentity(filePath()) != openFile_)
        return false;
    const std::optional<qint64> now = dataVersion();
    return now && now == resultVersion_;
}

void TableQuery::reopen(const QString& statement) {
    requireNoTransaction("reopen the query");
    if (statement == statement_ && resultIsCurrent()) {
        // Only this query changed the table since its result was read, and
        // the result was read again after each change: it is the table as it is.
        current_ = 0;
        pending_.reset();
        return;
    }
    if (statement != statement_) {
        statement_ = statement;
        statements_->keys.reset();
        statements_->insert.reset();
    }
    try {
        readResult();
    } catch (...) {
        closeResult();
        throw;
    }
}

void TableQuery::readResult() {
    if (access_ == TableAccess::ReadWrite)
        keyStatement(); // a live query that cannot key its rows fails before touching the file
    connectFile();
    // Taken first: a change committed elsewhere while the rows are read makes
    // the next reopen read them again.
    const std::optional<qint64> version = dataVersion();
    current_ = 0;
    pending_.reset();
    keys_.reset();
    readRows();
    resultVersion_ = version;
}

// Runs the statement into the model, which reads its first page at once: an
// error there (a damaged file, say) ends the handler like any other. The views
// hear of the new result once, with that page read.
void TableQuery::readRows() {
    QSqlQuery rows(database());
    if (!rows.exec(statement_))
        failAndRelease(Failure::Read, rows.lastError());
    open_ = true;
    beginResetModel();
    setQuery(std::move(rows));
    const QSqlError error = query().lastError();
    endReset();
    if (error.isValid())
        failAndRelease(Failure::Read, error);
}

void TableQuery::endReset() noexcept {
    telling_ = true;
    endResetModel();
    telling_ = false;
}

QSqlError TableQuery::fetchPage() {
    telling_ = true;
    QSqlQueryModel::fetchMore();
    telling_ = false;
    return query().lastError();
}

void TableQuery::readMore() {
    if (const QSqlError error = fetchPage(); error.isValid())
        failAndRelease(Failure::Read, error);
}

// Qt's model, never given a query, would have more to read.
bool TableQuery::canFetchMore(const QModelIndex& parent) const {
    return open_ && QSqlQueryModel::canFetchMore(parent);
}

// A view may ask for more rows while it is being told of a change, before the
// views after it have heard of that change; the rows would reach those views
// out of turn, or twice. It is left to ask again when it next lays out.
void TableQuery::fetchMore(const QModelIndex& parent) {
    if (telling_ || !canFetchMore(parent))
        return;
    if (const QSqlError error = fetchPage(); error.isValid()) {
        const QString message = failureMessage(Failure::Read, error);
        QMetaObject::invokeMethod(
            this, [message] { reportFailure(message); }, Qt::QueuedConnection);
    }
}

QList<qint64>& TableQuery::keys() {
    if (!keys_) {
        QSqlQuery& read = prepared(
            statements_->keys, [this] { return keyStatement(); }, Failure::Read);
        QList<qint64> found;
        if (read.exec())
            while (read.next())
                found << read.value(0).toLongLong();
        const QSqlError error = read.lastError();
        read.finish();
        if (error.isValid())
            failAndRelease(Failure::Read, error);
        keys_ = std::move(found);
    }
    return *keys_;
}

void TableQuery::closeResult() noexcept {
    if (!open_)
        return;
    clear();
    keys_.reset();
    current_ = 0;
    pending_.reset();
    open_ = false;
}

void TableQuery::close() {
    closeResult();
    disconnectFile();
}

void TableQuery::requireOpen(const char* operation) const {
    if (!open_)
        throw PorunaError(QStringLiteral("%1: cannot %2 on a closed query").arg(objectName(), operation));
}

void TableQuery::requireWritable(const char* operation) const {
    requireOpen(operation);
    if (access_ != TableAccess::ReadWrite)
        throw PorunaError(QStringLiteral("%1: cannot %2 on a read-only query").arg(objectName(), operation));
}

void TableQuery::requireNoTransaction(const char* operation) const {
    if (transactionOpen_)
        throw PorunaError(QStringLiteral("%1: cannot %2 inside a transaction").arg(objectName(), operation));
}

void TableQuery::first() {
    requireOpen("go to the first row");
    current_ = 0;
}

// A query that changes its table counts its rows by their keys, which follow
// its changes even inside a transaction; a read-only one by the rows read.
bool TableQuery::eof() {
    if (!open_)
        return true;
    if (access_ == TableAccess::ReadWrite)
        return current_ >= keys().size();
    while (current_ >= rowCount() && canFetchMore())
        readMore();
    return current_ >= rowCount();
}

int TableQuery::currentRow() {
    return eof() ? -1 : current_;
}

void TableQuery::runChange(QSqlQuery& query) {
    if (!query.exec()) {
        const QSqlError error = query.lastError();
        query.finish();
        failAndRelease(Failure::Write, error);
    }
    query.finish();
}

void TableQuery::deleteCurrent() {
    requireWritable("delete a row");
    if (eof())
        throw PorunaError(QStringLiteral("%1: there is no row to delete").arg(objectName()));
    QSqlQuery& remove = prepared(
        statements_->remove,
        [this] { return QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(table_)); },
        Failure::Write);
    remove.bindValue(0, keys_->at(current_));
    runChange(remove);
    keys_->removeAt(current_);
    if (!transactionOpen_)
        readRows();
}

void TableQuery::append() {
    requireWritable("append a row");
    pending_ = QVariantList(record().count());
}

void TableQuery::setField(int position, const QVariant& value) {
    requireWritable("set a field");
    if (!pending_)
        throw PorunaError(QStringLiteral("%1: a field can only be set on an appended row").arg(objectName()));
    if (position < 0 || position >= pending_->size())
        throw PorunaError(
            QStringLiteral("%1: there is no field at position %2").arg(objectName()).arg(position));
    (*pending_)[position] = value;
}

void TableQuery::post() {
    requireWritable("post a row");
    if (!pending_)
        throw PorunaError(QStringLiteral("%1: there is no appended row to post").arg(objectName()));
    QSqlQuery& insert = prepared(
        statements_->insert,
        [this] {
            const QSqlRecord fields = record();
            QStringList names;
            QStringList marks;
            for (int i = 0; i < fields.count(); ++i) {
                names << quoted(fields.fieldName(i));
                marks << QStringLiteral("?");
            }
            return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(quoted(table_), names.join(u','), marks.join(u','));
        },
        Failure::Write);
    for (int i = 0; i < pending_->size(); ++i)
        insert.bindValue(i, pending_->at(i));
    runChange(insert);
    pending_.reset();
    // The new row's key is read with the others when the cursor next needs them.
    keys_.reset();
    if (!transactionOpen_)
        readRows();
}

void TableQuery::beginTransaction() {
    requireWritable("begin a transaction");
    requireNoTransaction("begin a transaction");
    QSqlDatabase db = database();
    if (!db.transaction())
        failAndRelease(Failure::Write, db.lastError());
    // Views learn the outcome once, when the scope ends: row by row, a bound
    // grid would cost more than the changes themselves.
    beginResetModel();
    transactionOpen_ = true;
}

void TableQuery::commitTransaction() {
    if (!transactionOpen_)
        throw PorunaError(QStringLiteral("%1: the transaction ended before its commit").arg(objectName()));
    QSqlDatabase db = database();
    if (!db.commit())
        fail(Failure::Write, db.lastError()); // still open: the scope rolls it back
    transactionOpen_ = false;
    // The views' reset ends on the rows as the transaction left them.
    try {
        readRows();
    } catch (...) {
        endReset();
        throw;
    }
    endReset();
}

void TableQuery::rollbackTransaction() noexcept {
    if (!transactionOpen_)
        return;
    // The result no longer matches the table: it closes with the reset that
    // the transaction began.
    closeResult();
    transactionOpen_ = false;
    endResetModel();
    QSqlDatabase db = database();
    // Closing the file rolls back as surely, should the engine refuse.
    if (!db.rollback())
        disconnectFile();
}

QVariant TableQuery::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole)
        return QSqlQueryModel::data(index, role);
    const QVariant value = QSqlQueryModel::data(index, Qt::EditRole);
    return value.isNull() ? QVariant() : QVariant(value.toString());
}

TableTransaction::TableTransaction(TableQuery& query) : query_(query) {
    query_.beginTransaction();
}

TableTransaction::~TableTransaction() {
    if (!committed_)
        query_.rollbackTransaction();
}

void TableTransaction::commit() {
    query_.commitTransaction();
    committed_ = true;
}

DataSource::DataSource(const QString& name, TableQuery* query, QObject* parent)
    : QIdentityProxyModel(parent) {
    setObjectName(name);
    setSourceModel(query);
}
