// The administration interface for the local machine ("."): the catalogs of
// the registry in its order, and the daemon's liveness as IsRunning. Another
// machine name cannot be bound yet; setting one fails with a message that
// says the host cannot be reached.
#pragma once

#include "common/AdminIndexServer.h"
#include "indexing/registry/CatalogRegistry.h"

namespace tessellon {

class LocalAdminServer : public AdminIndexServer {
public:
    // Over the service's own registry and lock file.
    LocalAdminServer();
    LocalAdminServer(CatalogRegistry registry, QString lockFile);

    bool IsRunning() override;
    QString MachineName() override;
    void SetMachineName(const QString& name) override;
    bool FindFirstCatalog() override;
    bool FindNextCatalog() override;
    std::unique_ptr<CatalogAdmin> GetCatalog() override;
    std::unique_ptr<CatalogAdmin> GetCatalogByName(const QString& name) override;

    static AdminConnectionFactory factory();

private:
    CatalogRegistry registry_;
    QString lockFile_;
    // A fresh connection names this computer, so that the host step can tell
    // it from another host ("." also means this computer).
    QString machineName_;
    CatalogCursor<QList<CatalogEntry>> cursor_;
};

} // namespace tessellon
