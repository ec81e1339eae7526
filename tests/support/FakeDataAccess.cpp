#include "support/FakeDataAccess.h"

#include "common/Error.h"
#include "common/StringLists.h"

using namespace tessellon;

FakeRecordSet::FakeRecordSet(QStringList names, QVector<QVector<Variant>> rows)
    : names_(std::move(names)), rows_(std::move(rows)) {}

Variant FakeRecordSet::field(int record, const QString& name) const {
    const qsizetype column = indexOfIgnoringCase(names_, name);
    if (column < 0)
        throw ProviderError(QStringLiteral("Field '%1' not found").arg(name));
    return rows_.at(record - 1).at(column);
}

std::shared_ptr<const RecordSet> FakeQueryProvider::execute(const QString& connectionText,
                                                            const QString& statement,
                                                            int maxRecords) {
    executions.append({connectionText, statement, maxRecords});
    if (!failure.isEmpty())
        throw ProviderError(failure);
    QVector<QVector<Variant>> kept = rows;
    if (maxRecords > 0 && kept.size() > maxRecords)
        kept.resize(maxRecords);
    return std::make_shared<FakeRecordSet>(names, kept);
}
