// Where the provider sends the part of a statement that reads another
// computer's catalogs.
#pragma once

#include "indexing/statement/OrderedAnswer.h"

namespace tessellon::statement {

class HostStatements {
public:
    virtual ~HostStatements() = default;
    // Runs a statement over the host's own catalogs there and answers its
    // rows with their places; throws ProviderError when the host cannot be
    // reached or refuses it. Called from several threads at once.
    virtual OrderedAnswer ask(const QString& host, const QString& statement, int maxRecords) = 0;
};

} // namespace tessellon::statement
