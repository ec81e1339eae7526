#include "files/ConfigLines.h"

#include "common/DateFormat.h"
#include "common/Error.h"

namespace tessellon {

void ConfigLines::fail(qsizetype index, const QString& problem) const {
    throw Error(QStringLiteral("Line %1: %2").arg(index + 1).arg(problem));
}

const QString& ConfigLines::text(qsizetype index) const {
    if (index >= lines_.size())
        fail(index, QStringLiteral("missing (the text has only %1 lines)").arg(lines_.size()));
    return lines_[index];
}

int ConfigLines::integer(qsizetype index) const {
    const QString& line = text(index);
    bool ok = false;
    const int value = line.trimmed().toInt(&ok);
    if (!ok)
        fail(index, QStringLiteral("'%1' is not a valid integer value").arg(line));
    return value;
}

bool ConfigLines::boolean(qsizetype index) const {
    const QString& line = text(index);
    const QString word = line.trimmed();
    if (word.compare(u"true", Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(u"false", Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = word.toDouble(&ok);
    if (!ok)
        fail(index, QStringLiteral("'%1' is not a valid boolean value").arg(line));
    return number != 0;
}

QDate ConfigLines::date(qsizetype index) const {
    const QString& line = text(index);
    const QDate value = parseShortDate(line);
    if (!value.isValid())
        fail(index, QStringLiteral("'%1' is not a valid date").arg(line));
    return value;
}

} // namespace tessellon
