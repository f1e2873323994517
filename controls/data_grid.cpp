#include "controls/data_grid.h"

#include "controls/zoom.h"

#include <QHeaderView>
#include <QIdentityProxyModel>

// The grid's own columns over a data source: each column takes the source
// column whose title is its field, so the grid does not depend on the order or
// number of the source's fields. A field the source lacks shows as an empty
// column. Qt's identity proxy passes the source's resets, rows and layout
// changes on; only the columns are mapped here.
class GridColumns final : public QIdentityProxyModel {
public:
    explicit GridColumns(QObject* parent) : QIdentityProxyModel(parent) {}

    void setColumns(const QList<GridColumn>& columns) {
        beginResetModel();
        columns_ = columns;
        mapped_ = false;
        endResetModel();
    }

    void setLook(const GridLook& look) {
        look_ = look;
        if (!columns_.isEmpty())
            emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(columns_.size()) - 1);
    }

    void setSource(QAbstractItemModel* source) {
        if (sourceModel())
            disconnect(sourceModel(), nullptr, this, nullptr);
        mapped_ = false;
        // Connected before the proxy's own handlers, so that what a reset
        // passes on is read through the source's new columns.
        if (source) {
            connect(source, &QAbstractItemModel::modelAboutToBeReset, this, [this] { mapped_ = false; });
            connect(source, &QAbstractItemModel::layoutAboutToBeChanged, this, [this] { mapped_ = false; });
        }
        setSourceModel(source);
        if (!source)
            return;
        // A change of some source fields is a change of whole rows of the grid:
        // the proxy would pass on columns the grid may not show.
        disconnect(source, &QAbstractItemModel::dataChanged, this, nullptr);
        connect(source, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                    if (columnCount() > 0)
                        emit dataChanged(index(topLeft.row(), 0),
                                         index(bottomRight.row(), columnCount() - 1));
                });
        disconnect(source, &QAbstractItemModel::headerDataChanged, this, nullptr);
        connect(source, &QAbstractItemModel::headerDataChanged, this, [this] {
            beginResetModel();
            mapped_ = false;
            endResetModel();
        });
    }

    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(columns_.size());
    }
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override {
        return hasIndex(row, column, parent) ? createIndex(row, column) : QModelIndex();
    }
    QModelIndex parent(const QModelIndex&) const override { return {}; }
    QModelIndex sibling(int row, int column, const QModelIndex&) const override { return index(row, column); }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren
                               : Qt::NoItemFlags;
    }

    QModelIndex mapToSource(const QModelIndex& proxy) const override {
        const int column = proxy.isValid() ? sourceColumns().value(proxy.column(), -1) : -1;
        return column < 0 || !sourceModel() ? QModelIndex() : sourceModel()->index(proxy.row(), column);
    }
    QModelIndex mapFromSource(const QModelIndex& source) const override {
        const int column = source.isValid() ? static_cast<int>(sourceColumns().indexOf(source.column())) : -1;
        return column < 0 ? QModelIndex() : createIndex(source.row(), column);
    }

    QVariant data(const QModelIndex& index, int role) const override {
        const QModelIndex at = mapToSource(index);
        if (!at.isValid())
            return {};
        if (role == Qt::TextAlignmentRole) {
            const Qt::Alignment fixed = columns_.at(index.column()).alignment;
            if (fixed)
                return QVariant::fromValue(fixed | Qt::AlignVCenter);
            const QVariant value = at.data(Qt::EditRole);
            const bool number = value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong ||
                                value.typeId() == QMetaType::Double;
            return QVariant::fromValue((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        }
        if (role == Qt::DisplayRole)
            return at.data(Qt::DisplayRole);
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= columns_.size())
            return QAbstractItemModel::headerData(section, orientation, role);
        switch (role) {
        case Qt::DisplayRole:
            return columns_.at(section).title;
        case Qt::FontRole:
            return look_.titleFont;
        case Qt::ForegroundRole:
            return look_.titleColor;
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        default:
            return {};
        }
    }

private:
    // The source column of each grid column, -1 where the source lacks the
    // field; looked up again once the source's columns may have changed.
    const QList<int>& sourceColumns() const {
        if (!mapped_) {
            sourceColumns_.clear();
            const QAbstractItemModel* source = sourceModel();
            for (const GridColumn& column : columns_) {
                int found = -1;
                for (int c = 0; source && c < source->columnCount() && found < 0; ++c)
                    if (source->headerData(c, Qt::Horizontal)
                            .toString()
                            .compare(column.field, Qt::CaseInsensitive) == 0)
                        found = c;
                sourceColumns_ << found;
            }
            mapped_ = true;
        }
        return sourceColumns_;
    }

    QList<GridColumn> columns_;
    mutable QList<int> sourceColumns_;
    mutable bool mapped_ = false;
    GridLook look_;
};

DataGrid::DataGrid(QWidget* parent) : QTableView(parent), columns_(new GridColumns(this)) {
    setModel(columns_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setStretchLastSection(false);
    setWordWrap(false);
    // Tab leaves the grid for the next control rather than walking its cells.
    setTabKeyNavigation(false);
    connect(columns_, &QAbstractItemModel::modelReset, this, [this] { applyWidths(); });
}

void DataGrid::setColumns(const QList<GridColumn>& columns) {
    columnList_ = columns;
    // Laying out the titles loads their font; a grid out of sight (every grid
    // at start-up) does that when it is first shown.
    columnsPending_ = !isVisible();
    if (!columnsPending_)
        applyColumns();
}

void DataGrid::applyColumns() {
    columns_->setColumns(columnList_);
    applyWidths();
}

void DataGrid::showEvent(QShowEvent* event) {
    if (columnsPending_) {
        columnsPending_ = false;
        applyColumns();
    }
    QTableView::showEvent(event);
}

void DataGrid::setLook(const GridLook& look) {
    setFont(look.cellFont);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Text, look.cellColor);
    palette.setColor(QPalette::Base, look.background);
    palette.setColor(QPalette::AlternateBase, look.background);
    setPalette(palette);
    columns_->setLook(look);
    horizontalHeader()->setFont(look.titleFont);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(look.cellFont).height() + zoom::length(6));
}

void DataGrid::setDataSource(QAbstractItemModel* source) {
    columns_->setSource(source);
}

void DataGrid::applyWidths() {
    for (int c = 0; c < columnList_.size(); ++c)
        setColumnWidth(c, zoom::length(columnList_.at(c).width));
}
