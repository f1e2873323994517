#pragma once

#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QVariantList>

// A temporary program folder holding a fresh copy of the supplied lesson
// tables in kyozai/, made the working directory (which is where the program
// looks for kyozai) for the life of the object. Nothing touches the tables of
// the build's own program folder.
class TempKyozai {
public:
    TempKyozai();
    ~TempKyozai();
    TempKyozai(const TempKyozai&) = delete;
    TempKyozai& operator=(const TempKyozai&) = delete;

    // The temporary program folder, and a path inside its kyozai folder.
    QString folder() const { return dir_.path(); }
    QString kyozai(const QString& file = {}) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

// The folder of supplied tables the build made for the tests.
QString suppliedKyozai();

// A table's rows, read through a connection of their own, read-only, so the
// test sees what is in the file and not what a query holds in memory.
QList<QVariantList> rowsInFile(const QString& databaseFile, const QString& statement);

// While alive, file permissions apply to this process even when the tests run
// as root (who would otherwise write to read-only files): the effective user
// becomes "nobody". Outside root it does nothing.
class OrdinaryUser {
public:
    OrdinaryUser();
    ~OrdinaryUser();
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

private:
    bool switched_ = false;
};
