// The administration connection of the program: bound to this computer, it
// is the local administration; bound to a host that hosts.ini lists, every
// question goes to that host's indexing service. A host that is not listed
// or cannot be reached fails the binding with a message that says why.
#pragma once

#include "common/AdminIndexServer.h"
#include "indexing/service/LocalAdminServer.h"

#include <QJsonArray>
#include <memory>

namespace tessellon {

class RemoteHostClient;

class HostAdminServer : public AdminIndexServer {
public:
    HostAdminServer();
    ~HostAdminServer() override;

    bool IsRunning() override;
    QString MachineName() override { return remote_ ? remoteName_ : local_.MachineName(); }
    void SetMachineName(const QString& name) override;
    bool FindFirstCatalog() override;
    bool FindNextCatalog() override;
    std::unique_ptr<CatalogAdmin> GetCatalog() override;
    std::unique_ptr<CatalogAdmin> GetCatalogByName(const QString& name) override;

    static AdminConnectionFactory factory();

private:
    LocalAdminServer local_;
    QString remoteName_;
    std::shared_ptr<RemoteHostClient> remote_;
    CatalogCursor<QJsonArray> cursor_;
};

} // namespace tessellon
