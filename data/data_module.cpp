#include "data/data_module.h"

#include "data/table_query.h"

TDataModule1::TDataModule1(QObject* parent)
    : QObject(parent), KazuQuery(new TableQuery(QStringLiteral("KazuQuery"), QStringLiteral("kazu"),
                                                TableAccess::ReadOnly, this)),
      DorillQuery(new TableQuery(QStringLiteral("DorillQuery"), QStringLiteral("dorill"),
                                 TableAccess::ReadWrite, this)),
      KukuQuery(
          new TableQuery(QStringLiteral("KukuQuery"), QStringLiteral("kuku"), TableAccess::ReadOnly, this)),
      DataSource1(new DataSource(QStringLiteral("DataSource1"), KazuQuery, this)),
      DataSource2(new DataSource(QStringLiteral("DataSource2"), DorillQuery, this)),
      DataSource3(new DataSource(QStringLiteral("DataSource3"), KukuQuery, this)) {
    setObjectName(QStringLiteral("DataModule1"));
}

TDataModule1::~TDataModule1() {
    KazuQuery->close();
}

// Each requery closes the query's result by replacing its statement and opens
// it again. The file itself stays open between results (the query checks it is
// still kyozai's), so a drill answer does not pay for opening it every time.
void TDataModule1::RequeryKazu(const QString& filterLine) {
    KazuQuery->setStatement(QStringLiteral("select * from kazu\r\n") + filterLine +
                            QStringLiteral("\r\nOrder By NB"));
    KazuQuery->open();
}

void TDataModule1::RequeryDorill() {
    DorillQuery->setStatement(QStringLiteral("select * from dorill"));
    DorillQuery->open();
}

void TDataModule1::RequeryKuku() {
    KukuQuery->setStatement(QStringLiteral("select * from kuku"));
    KukuQuery->open();
}
