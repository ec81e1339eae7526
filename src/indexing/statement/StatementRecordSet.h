// The rows of one executed statement, held in memory: the record set the
// provider hands out. Fields are read by record number (from 1) and by the
// property name of the select list, letter case ignored.
#pragma once

#include "common/QueryProvider.h"

#include <vector>

namespace tessellon::statement {

class StatementRecordSet : public RecordSet {
public:
    using Row = std::vector<Variant>;

    StatementRecordSet(QStringList fieldNames, std::vector<Row> rows);

    int recordCount() const override { return int(rows_.size()); }
    QStringList fieldNames() const override { return fieldNames_; }
    // Throws ProviderError for a record out of range or an unknown name.
    Variant field(int record, const QString& name) const override;

private:
    QStringList fieldNames_;
    std::vector<Row> rows_;
};

} // namespace tessellon::statement
