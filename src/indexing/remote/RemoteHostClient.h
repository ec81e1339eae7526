// Asking another computer's indexing service, as hosts.ini lists it: its
// state, its catalogs, starting and stopping one, and running a statement.
// A host that cannot be reached, answers slowly or breaks off fails with a
// ProviderError that says so; the host's own error messages come unchanged.
#pragma once

#include "common/QueryProvider.h"
#include "indexing/remote/HostRegistry.h"
#include "indexing/statement/HostStatements.h"

#include <QJsonArray>
#include <QJsonObject>
#include <memory>

namespace httplib {
class Client;
}

namespace tessellon {

class RemoteHostClient {
public:
    static constexpr int ConnectTimeoutSeconds = 2;
    static constexpr int RequestTimeoutSeconds = 30;

    // Reads the host's token; throws FileError when it cannot.
    explicit RemoteHostClient(const RemoteHost& host);
    ~RemoteHostClient();

    // Seconds to connect, to wait for each part of an answer, and twice
    // that for a whole answer (tests shorten them).
    void setTimeouts(int connectSeconds, int requestSeconds);

    bool isRunning();
    // One object per catalog: name, location, running, paused, stopped,
    // upToDate, indexSize, totalDocumentCount, documentsToFilter,
    // queryCount (null for a figure the host could not read).
    QJsonArray catalogs();
    QJsonObject changeCatalog(const QString& name, bool start);
    std::shared_ptr<const RecordSet> query(const QString& statement, int maxRecords);
    // The same rows, with their places in the order when withPlaces; the
    // cancellation, if any, ends the question at once.
    statement::OrderedAnswer answer(const QString& statement, int maxRecords, bool withPlaces,
                                    statement::Cancellation* cancellation = nullptr);

private:
    QJsonDocument request(const char* method, const std::string& path, const QByteArray& body);
    [[noreturn]] void unreachable(const QString& why) const;
    [[noreturn]] void refused(int status, const std::string& body) const;

    // The most of a refusal's body that is kept for its message.
    static constexpr std::size_t MaxErrorBytes = 64 * 1024;

    RemoteHost host_;
    int requestSeconds_ = RequestTimeoutSeconds;
    std::string authorization_;
    std::unique_ptr<httplib::Client> client_;
};

} // namespace tessellon
