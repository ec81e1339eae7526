#include "catalogs/CatalogListColumns.h"

namespace tessellon {

namespace {

ListColumn column(const char16_t* caption, int width, ListColumn::Alignment alignment) {
    ListColumn c;
    c.caption = QString::fromUtf16(caption);
    c.width = width;
    c.alignment = alignment;
    return c;
}

} // namespace

QVector<ListColumn> catalogListColumns(bool adminAvailable) {
    using A = ListColumn::Alignment;
    if (!adminAvailable)
        return {column(u"Catalogname", 250, A::Left)};
    return {column(u"Catalogname", 100, A::Left),   column(u"State", 50, A::Left),
            column(u"Uptodate", 60, A::Left),       column(u"Location", 150, A::Left),
            column(u"Size (Mb)", 70, A::Right),     column(u"Total Docs", 65, A::Right),
            column(u"DocsTo Filter", 80, A::Right), column(u"Querys", 50, A::Right)};
}

} // namespace tessellon
