// The result list as a Qt model over the main window's row fill. It holds no
// result data: the view asks for the rows it shows, each one is fetched with
// ListView1Data when first shown and kept in a small cache until the list's
// rows change.
#pragma once

#include "app/TKorvaneTessellonMain.h"

#include <QAbstractTableModel>
#include <QCache>

namespace tessellon {

class FileIconList;

class ResultTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ResultTableModel(TKorvaneTessellonMain& main, const FileIconList& icons,
                     QObject* parent = nullptr);

    // Takes over the list model's columns and row count after an operation.
    // Returns true when the columns changed (the view then sets their widths).
    bool refresh();
    const QVector<ListColumn>& columns() const { return columns_; }
    // The header of the column captioned `caption` shows the sort arrow.
    void showSortArrow(const QString& caption, bool descending);
    // The column showing the sort arrow, or -1; and whether it points down.
    int sortArrowColumn() const;
    bool sortArrowDescending() const { return sortDescending_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

Q_SIGNALS:
    // A row could not be filled completely (its path for the icon could not
    // be read); reported once per set of rows, after the repaint.
    void rowFillFailed(const QString& message) const;

private:
    const ResultRow& row(int index) const;

    TKorvaneTessellonMain& main_;
    const FileIconList& icons_;
    QVector<ListColumn> columns_;
    int rowCount_ = 0;
    int generation_ = -1;
    mutable QCache<int, ResultRow> rows_;
    mutable bool failureReported_ = false;
    QString sortCaption_;
    bool sortDescending_ = false;
};

} // namespace tessellon
