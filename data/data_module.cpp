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

// Each requery closes the query, sets its statement and opens it, in the one
// step reopen(): the file stays open between results (the query checks it is
// still kyozai's), and a result that is still the table's stands, so a drill
// answer neither opens the file nor reads the table again.
void TDataModule1::RequeryKazu(const QString& filterLine) {
    KazuQuery->reopen(QStringLiteral("select * from kazu\r\n") + filterLine +
                      QStringLiteral("\r\nOrder By NB"));
}

void TDataModule1::RequeryDorill() {
    DorillQuery->reopen(QStringLiteral("select * from dorill"));
}

void TDataModule1::RequeryKuku() {
    KukuQuery->reopen(QStringLiteral("select * from kuku"));
}
