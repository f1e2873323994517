#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QTableView>

class GridColumns;

// One column of a grid: the field it shows (matched by name against the data
// source's column titles), its title, width (as designed, zoomed when
// applied) and alignment.
struct GridColumn {
    QString field;
    QString title;
    int width = 64;
    // Empty: numbers to the right, texts to the left, as data grids set them.
    Qt::Alignment alignment = {};
};

struct GridLook {
    QFont cellFont;
    QColor cellColor{Qt::black};
    QFont titleFont;
    QColor titleColor{Qt::black};
    QColor background{Qt::white};
};

// A read-only data grid with column titles, bound to a data source. It shows
// the source's current rows in the columns it was given and follows the source
// when it is reopened or its rows change.
class DataGrid final : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);

    void setColumns(const QList<GridColumn>& columns);
    void setLook(const GridLook& look);
    void setDataSource(QAbstractItemModel* source);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void applyColumns();
    void applyWidths();

    GridColumns* columns_;
    QList<GridColumn> columnList_;
    bool columnsPending_ = false;
};
