#include "indexing/service/LocalAdminServer.h"

#include "common/Error.h"
#include "common/ThisComputer.h"
#include "indexing/registry/ServicePaths.h"
#include "indexing/service/DaemonLock.h"
#include "indexing/service/LocalCatalogAdmin.h"

namespace tessellon {

LocalAdminServer::LocalAdminServer()
    : LocalAdminServer(CatalogRegistry(ServicePaths::registryFile()),
                       ServicePaths::daemonLockFile()) {}

LocalAdminServer::LocalAdminServer(CatalogRegistry registry, QString lockFile)
    : registry_(std::move(registry)), lockFile_(std::move(lockFile)),
      machineName_(thisComputerName()) {}

AdminConnectionFactory LocalAdminServer::factory() {
    return [] { return std::make_unique<LocalAdminServer>(); };
}

bool LocalAdminServer::IsRunning() {
    return DaemonLock::isHeld(lockFile_);
}

QString LocalAdminServer::MachineName() {
    return machineName_;
}

void LocalAdminServer::SetMachineName(const QString& name) {
    if (namesThisComputer(name)) {
        machineName_ = name.isEmpty() ? QStringLiteral(".") : name;
        return;
    }
    throw ProviderError(QStringLiteral("The host %1 cannot be reached: this connection "
                                       "administers this computer only")
                            .arg(name));
}

bool LocalAdminServer::FindFirstCatalog() {
    return cursor_.begin(registry_.load());
}

bool LocalAdminServer::FindNextCatalog() {
    return cursor_.begun() ? cursor_.next() : FindFirstCatalog();
}

std::unique_ptr<CatalogAdmin> LocalAdminServer::GetCatalog() {
    return std::make_unique<LocalCatalogAdmin>(registry_, cursor_.current(), IsRunning());
}

std::unique_ptr<CatalogAdmin> LocalAdminServer::GetCatalogByName(const QString& name) {
    const std::optional<CatalogEntry> entry = registry_.find(name);
    if (!entry)
        throw ProviderError(QStringLiteral("Catalog '%1' does not exist").arg(name));
    return std::make_unique<LocalCatalogAdmin>(registry_, *entry, IsRunning());
}

} // namespace tessellon
