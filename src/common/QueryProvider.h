// The data-access provider as the program sees it: a statement in the
// indexing dialect goes in, a record set of typed rows comes out. The
// indexing service's executor implements it; tests use fakes.
#pragma once

#include "common/Variant.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace tessellon {

// The rows of one executed statement.
class RecordSet {
public:
    virtual ~RecordSet() = default;
    virtual int recordCount() const = 0;
    // The selected property names, in select-list order.
    virtual QStringList fieldNames() const = 0;
    // The value of a field of a record counted from 1. The name is looked up
    // without regard to case; an unknown name throws ProviderError.
    virtual Variant field(int record, const QString& name) const = 0;
};

class QueryProvider {
public:
    virtual ~QueryProvider() = default;
    // Executes the statement synchronously. maxRecords caps the rows after
    // ordering; 0 means no cap. Throws ProviderError with a message on failure.
    virtual std::shared_ptr<const RecordSet> execute(const QString& connectionText,
                                                     const QString& statement, int maxRecords) = 0;
};

} // namespace tessellon
