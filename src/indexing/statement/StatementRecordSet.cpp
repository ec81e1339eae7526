#include "indexing/statement/StatementRecordSet.h"

#include "common/Error.h"

namespace tessellon::statement {

StatementRecordSet::StatementRecordSet(QStringList fieldNames, std::vector<Row> rows)
    : fieldNames_(std::move(fieldNames)), rows_(std::move(rows)) {}

Variant StatementRecordSet::field(int record, const QString& name) const {
    if (record < 1 || record > recordCount())
        throw ProviderError(QStringLiteral("There is no record %1; the result has %2")
                                .arg(record)
                                .arg(recordCount()));
    for (qsizetype i = 0; i < fieldNames_.size(); ++i) {
        if (fieldNames_[i].compare(name, Qt::CaseInsensitive) == 0)
            return rows_[std::size_t(record - 1)][std::size_t(i)];
    }
    throw ProviderError(QStringLiteral("The result has no field '%1'").arg(name));
}

} // namespace tessellon::statement
