#pragma once

#include <QObject>
#include <QString>

class DataSource;
class TableQuery;

// Owns the lesson tables' queries and the data sources the grids bind to;
// created before every screen. The queries stay closed until a screen first
// asks for their rows.
class TDataModule1 final : public QObject {
    Q_OBJECT
public:
    explicit TDataModule1(QObject* parent = nullptr);
    ~TDataModule1() override;

    // Reopen a query with its fixed statement; each leaves the query on its
    // first row, or throws PorunaError with the engine's message.
    void RequeryKazu(const QString& filterLine);
    void RequeryDorill();
    void RequeryKuku();

    TableQuery* const KazuQuery;   // the place-value examples; nothing writes them
    TableQuery* const DorillQuery; // the drill answers, changed through the cursor
    TableQuery* const KukuQuery;   // the times-table facts, read-only
    DataSource* const DataSource1;
    DataSource* const DataSource2;
    DataSource* const DataSource3;
};
