#include "controls/data_grid.h"

#include "controls/zoom.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPointer>

// The grid's own columns over a data source: each column takes the source
// column whose title is its field, so the grid does not depend on the order or
// number of the source's fields. A field the source lacks shows as an empty
// column.
class GridColumns final : public QAbstractTableModel {
public:
    explicit GridColumns(QObject* parent) : QAbstractTableModel(parent) {}

    void setColumns(const QList<GridColumn>& columns) {
        beginResetModel();
        columns_ = columns;
        mapColumns();
        endResetModel();
    }

    void setLook(const GridLook& look) {
        look_ = look;
        if (!columns_.isEmpty())
            emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(columns_.size()) - 1);
    }

    void setSource(QAbstractItemModel* source) {
        beginResetModel();
        if (source_)
            disconnect(source_, nullptr, this, nullptr);
        source_ = source;
        if (source_) {
            connect(source_, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
            connect(source_, &QAbstractItemModel::modelReset, this, [this] {
                mapColumns();
                endResetModel();
            });
            connect(source_, &QAbstractItemModel::rowsAboutToBeInserted, this,
                    [this](const QModelIndex&, int first, int last) { beginInsertRows({}, first, last); });
            connect(source_, &QAbstractItemModel::rowsInserted, this, [this] { endInsertRows(); });
            connect(source_, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                    [this](const QModelIndex&, int first, int last) { beginRemoveRows({}, first, last); });
            connect(source_, &QAbstractItemModel::rowsRemoved, this, [this] { endRemoveRows(); });
            connect(source_, &QAbstractItemModel::dataChanged, this, [this] {
                if (rowCount() > 0 && columnCount() > 0)
                    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
            });
            connect(source_, &QAbstractItemModel::layoutAboutToBeChanged, this,
                    [this] { beginResetModel(); });
            connect(source_, &QAbstractItemModel::layoutChanged, this, [this] {
                mapColumns();
                endResetModel();
            });
            connect(source_, &QAbstractItemModel::headerDataChanged, this, [this] {
                beginResetModel();
                mapColumns();
                endResetModel();
            });
            connect(source_, &QObject::destroyed, this, [this] {
                beginResetModel();
                source_ = nullptr;
                mapColumns();
                endResetModel();
            });
        }
        mapColumns();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !source_ ? 0 : source_->rowCount();
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(columns_.size());
    }
    // A source that reads its rows lazily reads more as the grid scrolls to its last row.
    bool canFetchMore(const QModelIndex& parent) const override {
        return !parent.isValid() && source_ && source_->canFetchMore({});
    }
    void fetchMore(const QModelIndex& parent) override {
        if (canFetchMore(parent))
            source_->fetchMore({});
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || !source_)
            return {};
        const int sourceColumn = sourceColumns_.value(index.column(), -1);
        if (sourceColumn < 0)
            return {};
        const QModelIndex at = source_->index(index.row(), sourceColumn);
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
            return QAbstractTableModel::headerData(section, orientation, role);
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
    void mapColumns() {
        sourceColumns_.clear();
        for (const GridColumn& column : columns_) {
            int found = -1;
            if (source_)
                for (int c = 0; c < source_->columnCount() && found < 0; ++c)
                    if (source_->headerData(c, Qt::Horizontal)
                            .toString()
                            .compare(column.field, Qt::CaseInsensitive) == 0)
                        found = c;
            sourceColumns_ << found;
        }
    }

    QPointer<QAbstractItemModel> source_;
    QList<GridColumn> columns_;
    QList<int> sourceColumns_;
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
