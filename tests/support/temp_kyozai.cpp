#include "tests/support/temp_kyozai.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <unistd.h>

QString suppliedKyozai() {
    // Beside the test executables, or a folder above them; a test that lives
    // in the program folder finds them in its tests folder.
    for (QDir dir(QCoreApplication::applicationDirPath());;) {
        for (const QString& seed : {QStringLiteral("kyozai-seed"), QStringLiteral("tests/kyozai-seed")})
            if (QFileInfo::exists(dir.filePath(seed + QStringLiteral("/kuku.db"))))
                return dir.filePath(seed);
        if (!dir.cdUp())
            break;
    }
    QTest::qFail("the supplied tables (kyozai-seed) were not built", __FILE__, __LINE__);
    return {};
}

TempKyozai::TempKyozai() : previous_(QDir::currentPath()) {
    const QDir source(suppliedKyozai());
    QDir(dir_.path()).mkdir(QStringLiteral("kyozai"));
    for (const QString& file : source.entryList(QDir::Files))
        QFile::copy(source.filePath(file), kyozai(file));
    // Open to everyone, so that OrdinaryUser meets only the permissions a test takes away.
    const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup |
                     QFile::ReadOther | QFile::WriteOther;
    const auto search = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                           QFile::ReadOther | search);
    QFile::setPermissions(kyozai(), all | search);
    for (const QString& file : QDir(kyozai()).entryList(QDir::Files))
        QFile::setPermissions(kyozai(file), all);
    QDir::setCurrent(dir_.path());
}

TempKyozai::~TempKyozai() {
    QDir::setCurrent(previous_);
    // Put back write permission wherever a test took it away, so the folder can go.
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(kyozai(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString TempKyozai::kyozai(const QString& file) const {
    return file.isEmpty() ? dir_.filePath(QStringLiteral("kyozai"))
                          : dir_.filePath(QStringLiteral("kyozai/") + file);
}

QList<QVariantList> rowsInFile(const QString& databaseFile, const QString& statement) {
    const QString connection = QStringLiteral("test-reader");
    QList<QVariantList> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(QStringLiteral("file:") + QFileInfo(databaseFile).absoluteFilePath() +
                           QStringLiteral("?mode=ro"));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            QTest::qFail(qPrintable(db.lastError().text()), __FILE__, __LINE__);
        } else {
            QSqlQuery query(db);
            if (!query.exec(statement))
                QTest::qFail(qPrintable(query.lastError().text()), __FILE__, __LINE__);
            while (query.next()) {
                QVariantList row;
                for (int i = 0; i < query.record().count(); ++i)
                    row << query.value(i);
                rows << row;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return rows;
}

OrdinaryUser::OrdinaryUser() {
    if (geteuid() == 0) {
        constexpr uid_t nobody = 65534;
        switched_ = seteuid(nobody) == 0;
        if (!switched_)
            QTest::qFail("cannot give up root to test file permissions", __FILE__, __LINE__);
    }
}

OrdinaryUser::~OrdinaryUser() {
    if (switched_ && seteuid(0) != 0)
        qFatal("cannot return to root after a permission test");
}
