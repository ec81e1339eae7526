#include "gui/ScaledColumnWidth.h"

#include <QAbstractItemView>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <algorithm>
#include <cmath>

namespace tessellon {

namespace {

// The average character width of that 8-point sans font at 96 dpi, in
// pixels: about 5 for MS Sans Serif, Tahoma and Arial alike.
constexpr double OriginalAverageCharWidth = 5.0;

// `width` scaled from the original font to `font`.
int scaledColumnWidth(int width, const QFont& font) {
    const double ratio = QFontMetricsF(font).averageCharWidth() / OriginalAverageCharWidth;
    return int(std::lround(width * ratio));
}

} // namespace

int columnWidth(const ListColumn& column, const QAbstractItemView& list, const QHeaderView& header,
                int section) {
    int width =
        std::max(scaledColumnWidth(column.width, list.font()), header.sectionSizeHint(section));
    if (!column.widestCell.isEmpty()) {
        // Measured as the list's cells measure their text, margins included.
        QStyleOptionViewItem cell;
        cell.initFrom(&list);
        cell.features = QStyleOptionViewItem::HasDisplay;
        cell.text = column.widestCell;
        width = std::max(
            width,
            list.style()->sizeFromContents(QStyle::CT_ItemViewItem, &cell, QSize(), &list).width());
    }
    return width;
}

} // namespace tessellon
