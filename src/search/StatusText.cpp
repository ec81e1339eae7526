#include "search/StatusText.h"

#include "common/DateFormat.h"
#include "query/CriteriaTables.h"

namespace tessellon {

QString statusText(const StatusFacts& f) {
    const QString crlf = QStringLiteral("\r\n");
    QString text = QString::number(f.doccount) + QStringLiteral("  doc(s) found. Results Limit: ") +
                   f.resultsLimitText + QStringLiteral(", Host: ") + f.hostText +
                   QStringLiteral(" Catalog(s): '") + f.catalogstr + u'\'' + crlf;
    if (f.expert)
        return text + crlf + ExpertNotice;

    if (!f.allWords.isEmpty())
        text += QStringLiteral("Text Filter: With all of these words: ") + f.allWords + crlf;
    if (!f.anyWords.isEmpty())
        text +=
            QStringLiteral("Text Filter: With at least one of these words: ") + f.anyWords + crlf;
    if (!f.withoutWords.isEmpty())
        text += QStringLiteral("Text Filter: Without these words: ") + f.withoutWords + crlf;
    if (!f.fileNames.isEmpty())
        text +=
            QStringLiteral("Filter: Find this filename(s) or file type(s)") + f.fileNames + crlf;
    if (f.ignore != IgnoreNothingMarker)
        text += QStringLiteral("Filter: Ignore this filename(s), file type(s) ") + f.ignore + crlf;
    if (f.folders != AllFoldersMarker)
        text += QStringLiteral("Directory Filter: ") + f.folders + crlf;
    if (f.datesEnabled)
        text += QStringLiteral("Date Filter: min: ") + formatShortDate(f.startdatevalue) +
                QStringLiteral(" max: ") + formatShortDate(f.enddatevalue) + crlf;
    if (!f.minsizetext.isEmpty() || !f.maxsizetext.isEmpty())
        text += QStringLiteral("Size Filter: min: ") + f.minsizetext + QStringLiteral(" max: ") +
                f.maxsizetext + crlf;
    if (f.attributemask != AllAttributesMask)
        text += QStringLiteral("File Attributes Filter set: 0x") +
                QStringLiteral("%1").arg(f.attributemask, 8, 16, QChar(u'0')).toUpper() + crlf;
    return text + QStringLiteral("Sort by: '") + f.sortcolumn + u'\'' + f.sortdirectiontext;
}

} // namespace tessellon
