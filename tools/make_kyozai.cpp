// Makes the lesson tables folder from the SQL source: one SQLite file per table,
// <name>.db from each <name>.sql of the source folder.
//
//   make_kyozai [--if-absent] <source folder> <kyozai folder>
//
// With --if-absent an existing folder is left exactly as it is: the program
// folder's tables hold the last drill run, and a rebuild must not wipe it. The
// folder is made beside its final place and renamed into it only when every
// table is complete, so an interrupted build never leaves half a folder that a
// later build would then keep.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

namespace {

void fail(const QString& message) {
    std::fprintf(stderr, "make_kyozai: %s\n", qPrintable(message));
    std::exit(1);
}

// Splits a script into statements at the semicolons outside quoted texts and
// comments; the comments themselves are dropped.
QStringList statements(const QString& script) {
    QStringList result;
    QString current;
    bool inText = false;
    for (qsizetype i = 0; i < script.size(); ++i) {
        const QChar c = script.at(i);
        if (inText) {
            current += c;
            if (c == u'\'')
                inText = false; // a doubled quote reopens at once on the next character
            continue;
        }
        if (c == u'-' && i + 1 < script.size() && script.at(i + 1) == u'-') {
            while (i < script.size() && script.at(i) != u'\n')
                ++i;
            current += u'\n';
            continue;
        }
        if (c == u';') {
            if (!current.trimmed().isEmpty())
                result << current.trimmed();
            current.clear();
            continue;
        }
        if (c == u'\'')
            inText = true;
        current += c;
    }
    if (inText)
        fail(QStringLiteral("unterminated text in the script"));
    if (!current.trimmed().isEmpty())
        result << current.trimmed();
    return result;
}

void runScript(const QString& scriptPath, const QString& databasePath) {
    QFile file(scriptPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        fail(scriptPath + QStringLiteral(": ") + file.errorString());
    const QString script = QString::fromUtf8(file.readAll());

    const QString connection = QStringLiteral("seed");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(databasePath);
        if (!db.open())
            fail(databasePath + QStringLiteral(": ") + db.lastError().text());
        db.transaction();
        QSqlQuery query(db);
        for (const QString& statement : statements(script))
            if (!query.exec(statement))
                fail(QFileInfo(scriptPath).fileName() + QStringLiteral(": ") + query.lastError().text() +
                     QStringLiteral("\n  in: ") + statement);
        query.finish();
        if (!db.commit())
            fail(databasePath + QStringLiteral(": ") + db.lastError().text());
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool ifAbsent = args.removeAll(QStringLiteral("--if-absent")) > 0;
    if (args.size() != 2)
        fail(QStringLiteral("usage: make_kyozai [--if-absent] <source folder> <kyozai folder>"));
    const QDir source(args.at(0));
    const QString target = QDir::cleanPath(QDir(args.at(1)).absolutePath());

    if (QFileInfo::exists(target)) {
        if (ifAbsent) {
            std::printf("make_kyozai: %s exists, its tables are kept\n", qPrintable(target));
            return 0;
        }
        if (!QDir(target).removeRecursively())
            fail(target + QStringLiteral(": cannot remove the old tables"));
    }

    const QStringList scripts = source.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    if (scripts.isEmpty())
        fail(source.path() + QStringLiteral(": no *.sql files"));

    const QString partial = target + QStringLiteral(".part");
    QDir(partial).removeRecursively();
    if (!QDir().mkpath(partial))
        fail(partial + QStringLiteral(": cannot make the folder"));
    for (const QString& script : scripts)
        runScript(source.filePath(script),
                  partial + u'/' + QFileInfo(script).completeBaseName() + QStringLiteral(".db"));
    if (!QDir().rename(partial, target))
        fail(partial + QStringLiteral(": cannot rename to ") + target);
    std::printf("make_kyozai: made %s (%s)\n", qPrintable(target), qPrintable(scripts.join(u' ')));
    return 0;
}
