#include "gui/ResultTableModel.h"

#include "common/Error.h"
#include "gui/FileIconList.h"
#include "gui/SortArrows.h"

namespace tessellon {

namespace {

// Enough rows for a few screens of scrolling back and forth.
constexpr int CachedRows = 300;

bool sameColumns(const QVector<ListColumn>& a, const QVector<ListColumn>& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].caption != b[i].caption || a[i].width != b[i].width ||
            a[i].alignment != b[i].alignment)
            return false;
    }
    return true;
}

} // namespace

ResultTableModel::ResultTableModel(TKorvaneTessellonMain& main, const FileIconList& icons,
                                   QObject* parent)
    : QAbstractTableModel(parent), main_(main), icons_(icons), rows_(CachedRows) {}

bool ResultTableModel::refresh() {
    const ResultListModel& list = main_.ListView1;
    const bool columnsChanged = !sameColumns(columns_, list.columns);
    if (!columnsChanged && generation_ == list.rowsGeneration() && rowCount_ == list.itemCount())
        return false;
    beginResetModel();
    columns_ = list.columns;
    rowCount_ = list.itemCount();
    generation_ = list.rowsGeneration();
    rows_.clear();
    failureReported_ = false;
    endResetModel();
    return columnsChanged;
}

int ResultTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rowCount_;
}

int ResultTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

const ResultRow& ResultTableModel::row(int index) const {
    if (const ResultRow* cached = rows_.object(index))
        return *cached;
    auto* filled = new ResultRow;
    try {
        *filled = main_.ListView1Data(index);
    } catch (const std::exception& e) {
        // Qt cannot carry an error out of a repaint: the row is shown
        // without its icon and the error reported once the repaint is over.
        try {
            *filled = main_.ListView1Data(index, false);
        } catch (const std::exception&) {
        }
        if (!failureReported_) {
            failureReported_ = true;
            Q_EMIT rowFillFailed(errorMessage(e));
        }
    }
    rows_.insert(index, filled);
    return *rows_.object(index);
}

QVariant ResultTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount_ || index.column() >= columns_.size())
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        const ResultRow& cells = row(index.row());
        return index.column() == 0 ? cells.caption : cells.subItems.value(index.column() - 1);
    }
    case Qt::DecorationRole:
        if (index.column() == 0 && row(index.row()).imageIndex >= 0)
            return icons_.icon(row(index.row()).imageIndex);
        return {};
    case Qt::TextAlignmentRole:
        if (columns_[index.column()].alignment == ListColumn::Alignment::Right)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

void ResultTableModel::showSortArrow(const QString& caption, bool descending) {
    if (caption == sortCaption_ && descending == sortDescending_)
        return;
    sortCaption_ = caption;
    sortDescending_ = descending;
    if (!columns_.isEmpty())
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, int(columns_.size()) - 1);
}

int ResultTableModel::sortArrowColumn() const {
    for (int c = 0; c < columns_.size(); ++c) {
        if (columns_[c].caption == sortCaption_)
            return c;
    }
    return -1;
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_.size())
        return {};
    if (role == Qt::DisplayRole)
        return columns_[section].caption;
    if (role == Qt::DecorationRole && columns_[section].caption == sortCaption_)
        return sortArrow(sortDescending_);
    if (role == Qt::TextAlignmentRole &&
        columns_[section].alignment == ListColumn::Alignment::Right)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

} // namespace tessellon
