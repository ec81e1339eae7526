// The program-wide short date form "yyyy-MM-dd", used for every date the
// program itself writes into a statement, a status text or a search file.
#pragma once

#include <QDate>
#include <QString>

namespace tessellon {

inline constexpr auto ShortDateFormat = u"yyyy-MM-dd";

QString formatShortDate(const QDate& date);
// Parses "yyyy-MM-dd"; an invalid QDate when the text is not such a date.
QDate parseShortDate(const QString& text);

} // namespace tessellon
