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
    throw ProviderError(QStringLiteral("The host %1 cannot be reached: remote indexing services "
                                       "are not supported yet")
                            .arg(name));
}

bool LocalAdminServer::FindFirstCatalog() {
    enumeration_ = registry_.load();
    position_ = 0;
    return position_ < enumeration_.size();
}

bool LocalAdminServer::FindNextCatalog() {
    if (position_ < 0)
        return FindFirstCatalog();
    if (position_ < enumeration_.size())
        ++position_;
    return position_ < enumeration_.size();
}

std::unique_ptr<CatalogAdmin> LocalAdminServer::GetCatalog() {
    if (position_ < 0 || position_ >= enumeration_.size())
        throw ProviderError(QStringLiteral("The catalog enumeration stands on no catalog"));
    return std::make_unique<LocalCatalogAdmin>(registry_, enumeration_[position_], IsRunning());
}

std::unique_ptr<CatalogAdmin> LocalAdminServer::GetCatalogByName(const QString& name) {
    const std::optional<CatalogEntry> entry = registry_.find(name);
    if (!entry)
        throw ProviderError(QStringLiteral("Catalog '%1' does not exist").arg(name));
    return std::make_unique<LocalCatalogAdmin>(registry_, *entry, IsRunning());
}

} // namespace tessellon
