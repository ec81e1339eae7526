#include "automation/Automation.h"

#include "common/DataQuery.h"
#include "common/DateFormat.h"
#include "common/Error.h"
#include "common/ProgramVersion.h"
#include "common/TextFile.h"
#include "search/CellFormatting.h"

namespace tessellon {

namespace {

// A value with the program-wide formats: a date as "yyyy-MM-dd", followed by
// the time of day unless it is midnight.
QString valueText(const Variant& value) {
    if (value.kind() != Variant::Kind::DateTime)
        return plainText(value, Conversion::Lenient);
    const QDateTime local = value.toDateTime().toLocalTime();
    const QString date = formatShortDate(local.date());
    return local.time() == QTime(0, 0)
               ? date
               : date + u' ' + local.time().toString(QStringLiteral("HH:mm:ss"));
}

} // namespace

Automation::Automation(TKorvaneTessellonMain& main, QueryProvider& provider, QString version)
    : main_(main), provider_(provider), version_(std::move(version)) {}

int Automation::Search(const QString& FileName) {
    const QString statement = main_.sqlstatement;
    if (statement.isEmpty())
        return -1; // nothing to run: no file
    // No catalog named: the statement names its catalogs.
    DataQuery query(provider_, QStringLiteral("Provider=MSIDXS;Data Source="));
    query.setStatementText(statement);
    query.setMaxRecords(main_.resultslimit);

    int result = -1;
    QStringList lines;
    try {
        query.open();
        result = query.recordCount();
        main_.doccount = result;
        lines << QString::number(result) << TextFile::splitLines(statement);
        const std::shared_ptr<const RecordSet> records = query.recordSet();
        const QStringList fields = records->fieldNames();
        for (int record = 1; record <= result; ++record) {
            QString line;
            for (const QString& field : fields)
                line += valueText(records->field(record, field)) + QStringLiteral("; ");
            lines << line;
        }
    } catch (const std::exception& e) {
        // The lines gathered so far stay; the file is not a whole answer.
        lines << errorMessage(e);
        result = -1;
    }
    try {
        TextFile::writeLines(FileName, lines);
    } catch (const std::exception&) {
        return -1;
    }
    return result;
}

// Four parts of at least three digits each, run together.
QString Automation::Version() const {
    QString digits;
    for (const unsigned part : versionParts(version_))
        digits += QStringLiteral("%1").arg(part, 3, 10, QLatin1Char('0'));
    return digits;
}

} // namespace tessellon
