#include "indexing/statement/DateLiteral.h"

#include "indexing/statement/SyntaxError.h"

#include <QDateTime>
#include <QRegularExpression>

namespace tessellon::statement {

DateLiteral parseDateLiteral(const QString& text) {
    static const QRegularExpression form(QStringLiteral(
        R"(^\s*(\d{4})([-/])(\d{1,2})\2(\d{1,2})(?:\s+(\d{1,2}):(\d{2}):(\d{2})(?:\.(\d{1,3}))?)?\s*$)"));
    const auto m = form.match(text);
    const QDate date(m.captured(1).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
    if (!m.hasMatch() || !date.isValid())
        throw LiteralError{0, QStringLiteral("'%1' is not a date (yyyy-mm-dd or yyyy-mm-dd "
                                             "hh:mm:ss)")
                                  .arg(excerpt(text))};
    if (m.captured(5).isEmpty()) {
        const std::int64_t first = date.startOfDay(Qt::LocalTime).toMSecsSinceEpoch();
        const std::int64_t next = date.addDays(1).startOfDay(Qt::LocalTime).toMSecsSinceEpoch();
        return {first, next - 1};
    }
    const QString fraction = m.captured(8).leftJustified(3, QLatin1Char('0'));
    const QTime time(m.captured(5).toInt(), m.captured(6).toInt(), m.captured(7).toInt(),
                     fraction.toInt());
    if (!time.isValid())
        throw LiteralError{0, QStringLiteral("'%1' is not a valid time of day").arg(text)};
    const std::int64_t instant = QDateTime(date, time, Qt::UTC).toMSecsSinceEpoch();
    return {instant, instant};
}

} // namespace tessellon::statement
