#include "indexing/remote/NetworkHostStatements.h"

#include "indexing/remote/RemoteHostClient.h"

namespace tessellon {

statement::OrderedAnswer NetworkHostStatements::ask(const QString& host, const QString& statement,
                                                    int maxRecords) {
    return RemoteHostClient(HostRegistry::standard().require(host))
        .answer(statement, maxRecords, true);
}

} // namespace tessellon
