#include "query/ResultColumns.h"

namespace tessellon {

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
    else if (caption == u"Write")
        column.width = 100;
    return column;
}

ListColumn recordNumberColumn() {
    ListColumn column;
    column.caption = QStringLiteral("#");
    column.alignment = ListColumn::Alignment::Right;
    return column;
}

} // namespace tessellon
