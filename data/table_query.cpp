#include "data/table_query.h"

#include "ui/poruna_error.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

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

} // namespace

TableQuery::TableQuery(const QString& name, const QString& table, TableAccess access, QObject* parent)
    : QAbstractTableModel(parent), connection_(connectionName(name)), table_(table), access_(access),
      statement_(QStringLiteral("select * from ") + table) {
    setObjectName(name);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(databaseName());
    // Without the URI option the driver would hand the engine "create if missing".
    db.setConnectOptions(access_ == TableAccess::ReadOnly
                             ? QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY")
                             : QStringLiteral("QSQLITE_OPEN_URI"));
}

TableQuery::~TableQuery() {
    close();
    QSqlDatabase::removeDatabase(connection_);
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

void TableQuery::setStatement(const QString& statement) {
    close();
    statement_ = statement;
}

void TableQuery::open() {
    if (open_)
        return;
    QSqlDatabase db = database();
    // The file is opened afresh for every result, so a folder put back or
    // repaired while the program runs is found by the next requery.
    if (!db.open()) {
        const QSqlError error = db.lastError();
        db.close();
        fail(Failure::Open, error);
    }
    QStringList fields;
    QList<QVariantList> rows;
    {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.exec(statement_)) {
            const QSqlError error = query.lastError();
            query.finish();
            query = QSqlQuery();
            db.close();
            fail(Failure::Read, error);
        }
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i)
            fields << record.fieldName(i);
        while (query.next()) {
            QVariantList row;
            row.reserve(fields.size());
            for (int i = 0; i < fields.size(); ++i)
                row << query.value(i);
            rows << row;
        }
        if (query.lastError().isValid()) {
            const QSqlError error = query.lastError();
            query = QSqlQuery();
            db.close();
            fail(Failure::Read, error);
        }
    }
    beginResetModel();
    fields_ = fields;
    rows_ = rows;
    current_ = 0;
    pending_.reset();
    open_ = true;
    endResetModel();
}

void TableQuery::close() {
    if (open_) {
        beginResetModel();
        fields_.clear();
        rows_.clear();
        current_ = 0;
        pending_.reset();
        open_ = false;
        endResetModel();
    }
    QSqlDatabase db = database();
    if (db.isOpen())
        db.close();
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

void TableQuery::first() {
    requireOpen("go to the first row");
    current_ = 0;
}

void TableQuery::runCommitted(const QString& sql, const QVariantList& values) {
    QSqlDatabase db = database();
    if (!db.transaction())
        fail(Failure::Write, db.lastError());
    QSqlError error;
    {
        QSqlQuery query(db);
        if (!query.prepare(sql))
            error = query.lastError();
        else {
            for (const QVariant& value : values)
                query.addBindValue(value);
            if (!query.exec())
                error = query.lastError();
        }
    }
    if (error.isValid()) {
        db.rollback();
        fail(Failure::Write, error);
    }
    if (!db.commit()) {
        error = db.lastError();
        db.rollback();
        fail(Failure::Write, error);
    }
}

void TableQuery::deleteCurrent() {
    requireWritable("delete a row");
    if (eof())
        throw PorunaError(QStringLiteral("%1: there is no row to delete").arg(objectName()));
    // The result has no key, so the row is found by its values. Rows alike in
    // every field cannot be told apart, so removing any one of them leaves the
    // table exactly as removing the current one would.
    QStringList conditions;
    for (const QString& field : fields_)
        conditions << quoted(field) + QStringLiteral(" IS ?");
    const QString sql = QStringLiteral("DELETE FROM %1 WHERE rowid = (SELECT rowid FROM %1 WHERE %2 LIMIT 1)")
                            .arg(quoted(table_), conditions.join(QStringLiteral(" AND ")));
    runCommitted(sql, rows_.at(current_));
    beginRemoveRows({}, current_, current_);
    rows_.removeAt(current_);
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
    QStringList names;
    QStringList marks;
    for (const QString& field : fields_) {
        names << quoted(field);
        marks << QStringLiteral("?");
    }
    runCommitted(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                     .arg(quoted(table_), names.join(u','), marks.join(u',')),
                 *pending_);
    const int row = static_cast<int>(rows_.size());
    beginInsertRows({}, row, row);
    rows_ << *pending_;
    endInsertRows();
    pending_.reset();
    current_ = row;
}

int TableQuery::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TableQuery::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(fields_.size());
}

QVariant TableQuery::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size() || index.column() >= fields_.size())
        return {};
    const QVariant& value = rows_.at(index.row()).at(index.column());
    if (role == Qt::DisplayRole)
        return value.isNull() ? QVariant() : QVariant(value.toString());
    if (role == Qt::EditRole)
        return value;
    return {};
}

QVariant TableQuery::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < fields_.size())
        return fields_.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

DataSource::DataSource(const QString& name, TableQuery* query, QObject* parent)
    : QIdentityProxyModel(parent), query_(query) {
    setObjectName(name);
    setSourceModel(query);
}
