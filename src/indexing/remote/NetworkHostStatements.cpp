#include "indexing/remote/NetworkHostStatements.h"

#include "common/Error.h"
#include "indexing/remote/RemoteHostClient.h"

namespace tessellon {

statement::OrderedAnswer NetworkHostStatements::ask(const QString& host, const QString& statement,
                                                    int maxRecords,
                                                    statement::Cancellation& cancellation) {
    std::optional<RemoteHostClient> client;
    try {
        client.emplace(HostRegistry::standard().require(host));
    } catch (const FileError& e) {
        // hosts.ini or the host's token file cannot be read.
        throw ProviderError(
            QStringLiteral("The host %1 cannot be reached: %2").arg(host, e.message()));
    }
    return client->answer(statement, maxRecords, true, &cancellation);
}

} // namespace tessellon
