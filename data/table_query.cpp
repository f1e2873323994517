#include "data/table_query.h"

#include "core/error_report.h"
#include "core/poruna_error.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <functional>
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

// The first page is small, so reopening costs little; each further page is as
// large as all read before it, so reading n rows takes about log2(n) pages.
constexpr int firstPage = 32;

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
    std::optional<QSqlQuery> count;
    std::optional<QSqlQuery> page;
    std::optional<QSqlQuery> keys;
    std::optional<QSqlQuery> remove;
    std::optional<QSqlQuery> insert;
    std::optional<QSqlQuery> version;
};

// What the statement's result is in the file now.
struct TableQuery::Reading {
    QStringList fields;
    int total = 0;
    std::optional<qint64> version; // PRAGMA data_version when it was read
};

TableQuery::TableQuery(const QString& name, const QString& table, TableAccess access, QObject* parent)
    : QAbstractTableModel(parent), connection_(connectionName(name)), table_(table), access_(access),
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
    db.setDatabaseName(databaseName());
    // Without the URI option the driver would hand the engine "create if missing".
    db.setConnectOptions(access_ == TableAccess::ReadOnly
                             ? QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY")
                             : QStringLiteral("QSQLITE_OPEN_URI"));
    return db;
}

QString TableQuery::databaseName() const {
    return QStringLiteral("file:kyozai/%1.db?mode=%2")
        .arg(table_, access_ == TableAccess::ReadOnly ? QStringLiteral("ro") : QStringLiteral("rw"));
}

QSqlDatabase TableQuery::database() const {
    return QSqlDatabase::database(connection_, false);
}

// A parent reading the report learns first, in Japanese, which file of the
// lesson tables could not be used and how; the engine's own words follow.
void TableQuery::fail(Failure failure, const QSqlError& error) const {
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
    throw PorunaError(what + u'\n' + error.text());
}

void TableQuery::failAndRelease(Failure failure, const QSqlError& error) {
    // A failed file is opened afresh next time, so a folder put back or
    // repaired is found. Inside a transaction the scope decides.
    if (!transactionOpen_)
        disconnectFile();
    fail(failure, error);
}

// The connection stays open from one result to the next; it is opened again
// when the name now leads to another file (removed, replaced, or a new working
// folder), so nothing is ever written into a file that is no longer kyozai's.
QString TableQuery::filePath() const {
    return QStringLiteral("kyozai/%1.db").arg(table_);
}

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

void TableQuery::disconnectFile() noexcept {
    if (transactionOpen_) {
        // The engine rolls back what was not committed, so the result no
        // longer matches the table.
        closeResult();
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

QString TableQuery::readStatement(const QString& columns) const {
    if (access_ == TableAccess::ReadOnly)
        return statement_;
    // The rowid rides along in front of the fields, so a delete finds its row
    // by key instead of by comparing every field.
    static const QRegularExpression shape(QStringLiteral("^\\s*select\\s+\\*\\s+from\\s+(\\w+)\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = shape.match(statement_);
    if (!match.hasMatch() || match.captured(1).compare(table_, Qt::CaseInsensitive) != 0)
        throw PorunaError(QStringLiteral("%1: a query that changes %2 reads \"select * from %2\"")
                              .arg(objectName(), table_));
    return QStringLiteral("select %1 from ").arg(columns) + statement_.mid(match.capturedStart(1));
}

// The statement read page by page; after a failure it is prepared again on a
// fresh connection. Inside a transaction the model is being reset, so no view
// reads a row: the cursor needs only the keys.
QSqlQuery& TableQuery::pageQuery() {
    const bool keysOnly = transactionOpen_;
    return prepared(
        keysOnly ? statements_->keys : statements_->page,
        [this, keysOnly] {
            return readStatement(keysOnly ? QStringLiteral("rowid") : QStringLiteral("rowid, *")) +
                   QStringLiteral("\nLIMIT ? OFFSET ?");
        },
        Failure::Read);
}

void TableQuery::forgetStatement() {
    statements_->count.reset();
    statements_->page.reset();
    statements_->keys.reset();
    statements_->insert.reset();
}

TableQuery::Reading TableQuery::readResult() {
    readStatement(
        QStringLiteral("rowid")); // a live query that cannot key its rows fails before touching the file
    connectFile();
    Reading reading;
    // Taken first: a change committed elsewhere while the rows are counted
    // makes the next reopen read them again.
    reading.version = dataVersion();
    QSqlQuery& count = prepared(
        statements_->count, [&] { return QStringLiteral("SELECT count(*) FROM (%1)").arg(statement_); },
        Failure::Read);
    if (!count.exec() || !count.next()) {
        const QSqlError error = count.lastError();
        count.finish();
        failAndRelease(Failure::Read, error);
    }
    reading.total = count.value(0).toInt();
    count.finish();

    // An empty page names the fields.
    QSqlQuery& page = pageQuery();
    page.bindValue(0, 0);
    page.bindValue(1, 0);
    if (!page.exec()) {
        const QSqlError error = page.lastError();
        page.finish();
        failAndRelease(Failure::Read, error);
    }
    const QSqlRecord record = page.record();
    for (int i = access_ == TableAccess::ReadWrite ? 1 : 0; i < record.count(); ++i)
        reading.fields << record.fieldName(i);
    page.finish();
    return reading;
}

void TableQuery::showResult(const Reading& reading) {
    beginResetModel();
    fields_ = reading.fields;
    rows_.clear();
    total_ = reading.total;
    current_ = 0;
    pending_.reset();
    fetchFailed_ = false;
    resultVersion_ = reading.version;
    open_ = true;
    endResetModel();
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
    if (!open_ || fetchFailed_ || !database().isOpen() || fileIdentity(filePath()) != openFile_)
        return false;
    const std::optional<qint64> now = dataVersion();
    return now && now == resultVersion_;
}

void TableQuery::open() {
    if (!open_)
        showResult(readResult());
}

void TableQuery::reopen(const QString& statement) {
    requireNoTransaction("reopen the query");
    if (statement == statement_ && resultIsCurrent()) {
        // Only this query changed the table since its result was read, and
        // the result took in each of those changes: it is the table as it is.
        current_ = 0;
        pending_.reset();
        return;
    }
    if (statement != statement_) {
        statement_ = statement;
        forgetStatement();
    }
    Reading reading;
    try {
        reading = readResult();
    } catch (...) {
        closeResult();
        throw;
    }
    showResult(reading);
}

void TableQuery::closeResult() noexcept {
    if (!open_)
        return;
    // Inside a transaction the model is being reset already.
    if (!transactionOpen_)
        beginResetModel();
    fields_.clear();
    rows_.clear();
    total_ = 0;
    current_ = 0;
    pending_.reset();
    open_ = false;
    if (!transactionOpen_)
        endResetModel();
}

void TableQuery::close() {
    closeResult();
    disconnectFile();
}

void TableQuery::fetchThrough(int row) {
    const int have = static_cast<int>(rows_.size());
    if (!open_ || row < have || have >= total_)
        return;
    const int want = std::min(total_ - have, std::max({row + 1 - have, have, firstPage}));
    const bool keyed = access_ == TableAccess::ReadWrite;
    QSqlQuery& page = pageQuery();
    page.bindValue(0, want);
    page.bindValue(1, removing_ ? have - 1 : have);
    if (!page.exec()) {
        const QSqlError error = page.lastError();
        page.finish();
        failAndRelease(Failure::Read, error);
    }
    const int width = transactionOpen_ ? 0 : static_cast<int>(fields_.size());
    while (page.next()) {
        Row r;
        int column = 0;
        if (keyed)
            r.key = page.value(column++).toLongLong();
        r.values.reserve(width);
        for (int i = 0; i < width; ++i)
            r.values << page.value(column++);
        rows_ << r;
    }
    const QSqlError error = page.lastError();
    page.finish();
    if (error.isValid())
        failAndRelease(Failure::Read, error);
}

const TableQuery::Row* TableQuery::rowAt(int row) const {
    if (row < rows_.size())
        return &rows_.at(row);
    if (fetchFailed_ || !open_)
        return nullptr;
    auto* self = const_cast<TableQuery*>(this);
    try {
        self->fetchThrough(row);
    } catch (const PorunaError& error) {
        // Called while a grid paints: the report waits for the event loop,
        // and the rest of the result shows empty until the next requery.
        fetchFailed_ = true;
        const QString message = error.message();
        QMetaObject::invokeMethod(
            self, [message] { reportFailure(message); }, Qt::QueuedConnection);
        return nullptr;
    }
    return row < rows_.size() ? &rows_.at(row) : nullptr;
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
    fetchThrough(current_);
    if (current_ >= rows_.size())
        throw PorunaError(QStringLiteral("%1: the table changed while it was open").arg(objectName()));
    QSqlQuery& remove = prepared(
        statements_->remove,
        [this] { return QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(table_)); },
        Failure::Write);
    remove.bindValue(0, rows_.at(current_).key);
    runChange(remove);
    // Views told of the removal may still read rows; the buffer holds one the
    // file has lost, which paging must not count.
    removing_ = true;
    if (!transactionOpen_)
        beginRemoveRows({}, current_, current_);
    rows_.removeAt(current_);
    --total_;
    removing_ = false;
    if (!transactionOpen_)
        endRemoveRows();
}

void TableQuery::append() {
    requireWritable("append a row");
    pending_ = QVariantList(fields_.size());
}

void TableQuery::setPendingField(int position, const QVariant& value) {
    requireWritable("set a field");
    if (!pending_)
        throw PorunaError(QStringLiteral("%1: a field can only be set on an appended row").arg(objectName()));
    if (position < 0 || position >= pending_->size())
        throw PorunaError(
            QStringLiteral("%1: there is no field at position %2").arg(objectName()).arg(position));
    (*pending_)[position] = value;
}

void TableQuery::setField(int position, int value) {
    setPendingField(position, value);
}

void TableQuery::setField(int position, const QString& value) {
    setPendingField(position, value);
}

void TableQuery::post() {
    requireWritable("post a row");
    if (!pending_)
        throw PorunaError(QStringLiteral("%1: there is no appended row to post").arg(objectName()));
    QSqlQuery& insert = prepared(
        statements_->insert,
        [this] {
            QStringList names;
            QStringList marks;
            for (const QString& field : fields_) {
                names << quoted(field);
                marks << QStringLiteral("?");
            }
            return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(quoted(table_), names.join(u','), marks.join(u','));
        },
        Failure::Write);
    for (int i = 0; i < pending_->size(); ++i)
        insert.bindValue(i, pending_->at(i));
    runChange(insert);
    // A new rowid is the largest, so the row ends the result; it is read from
    // the file like any other, with the values the table made of the fields.
    const int row = total_;
    if (!transactionOpen_)
        beginInsertRows({}, row, row);
    ++total_;
    if (!transactionOpen_)
        endInsertRows();
    pending_.reset();
    current_ = row;
}

void TableQuery::beginTransaction() {
    requireWritable("begin a transaction");
    requireNoTransaction("begin a transaction");
    if (!database().isOpen())
        connectFile();
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
    // Rows read inside it carry keys only; views read them again as needed.
    rows_.clear();
    endResetModel();
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

int TableQuery::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : total_;
}

int TableQuery::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(fields_.size());
}

QVariant TableQuery::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= total_ || index.column() >= fields_.size())
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const Row* row = rowAt(index.row());
    if (!row || index.column() >= row->values.size())
        return {};
    const QVariant& value = row->values.at(index.column());
    if (role == Qt::DisplayRole)
        return value.isNull() ? QVariant() : QVariant(value.toString());
    return value;
}

QVariant TableQuery::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < fields_.size())
        return fields_.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
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
    : QIdentityProxyModel(parent), query_(query) {
    setObjectName(name);
    setSourceModel(query);
}
