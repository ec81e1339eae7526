#include "common/DateFormat.h"

namespace tessellon {

QString formatShortDate(const QDate& date) {
    return date.toString(QString::fromUtf16(ShortDateFormat));
}

QDate parseShortDate(const QString& text) {
    return QDate::fromString(text.trimmed(), QString::fromUtf16(ShortDateFormat));
}

} // namespace tessellon
