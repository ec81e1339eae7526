#include "query/ResultColumns.h"

#include "search/CellFormatting.h"

namespace tessellon {

namespace {

// A date cell with two-digit month, day and hour, as the user's format
// writes it.
QString widestDateCell() {
    const QDateTime sample(QDate(2000, 12, 28), QTime(23, 58, 58));
    return plainText(Variant(sample), Conversion::Lenient);
}

} // namespace

ListColumn resultColumn(const QString& caption, int tag) {
    ListColumn column;
    column.caption = caption;
    column.tag = tag;
    if (caption == u"Size" || caption == u"Rank")
        column.alignment = ListColumn::Alignment::Right;
    else if (caption == u"Filename")
        column.width = 200;
    else if (caption == u"Directory" || caption == u"DocTitle")
        column.width = 250;
    else if (caption == u"Write") {
        column.width = 100;
        column.widestCell = widestDateCell();
    }
    return column;
}

ListColumn recordNumberColumn() {
    ListColumn column;
    column.caption = QStringLiteral("#");
    column.alignment = ListColumn::Alignment::Right;
    return column;
}

} // namespace tessellon
