// The result list's row fill, the path behind a row and the header click.
// The list holds no row data: every row it shows is read from the browsing
// data set when the view asks for it.
#include "app/TKorvaneTessellonMain.h"
#include "common/Error.h"
#include "search/CellFormatting.h"

namespace tessellon {

ResultRow TKorvaneTessellonMain::ListView1Data(int row, bool withIcon) {
    ResultRow result;
    if (!ds.isAttached() || columnfields.isEmpty())
        return result;
    ds.moveTo(row + 1);
    try {
        result.caption = plainText(ds.fieldByName(columnfields.front()), Conversion::Strict);
    } catch (const std::exception& e) {
        result.caption = errorMessage(e);
    }
    for (qsizetype i = 1; i < columnfields.size(); ++i) {
        try {
            result.subItems << VariantArrayToText(ds.fieldByName(columnfields[i]), std::nullopt,
                                                  QChar(u'\r'));
        } catch (const std::exception&) {
            result.subItems << QStringLiteral("ERROR");
        }
    }
    result.subItems << QString::number(ds.recNo());
    if (hostislocal && withIcon)
        result.imageIndex = platform_.fileIconIndex(
            plainText(ds.fieldByName(QStringLiteral("Path")), Conversion::Strict));
    return result;
}

QString TKorvaneTessellonMain::GetPath(int row) {
    ds.moveTo(row + 1);
    return plainText(ds.fieldByName(QStringLiteral("Path")), Conversion::Strict);
}

void TKorvaneTessellonMain::ListView1ColumnClick(int column) {
    if (column < 0 || column >= ListView1.columns.size())
        return;
    const QString caption = ListView1.columns[column].caption;
    if (caption == u"#")
        return;
    sortcolumn = caption;
    sortmarker = sortmarker == u" [d]" ? QStringLiteral(" [a]") : QStringLiteral(" [d]");
    SearchbtnClick();
}

} // namespace tessellon
