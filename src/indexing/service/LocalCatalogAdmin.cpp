#include "indexing/service/LocalCatalogAdmin.h"

#include "common/Error.h"
#include "indexing/registry/ServicePaths.h"

namespace tessellon {

LocalCatalogAdmin::LocalCatalogAdmin(CatalogRegistry registry, CatalogEntry entry, bool daemonRuns)
    : registry_(std::move(registry)), entry_(std::move(entry)), daemonRuns_(daemonRuns) {}

QString LocalCatalogAdmin::CatalogName() {
    return entry_.name;
}

QString LocalCatalogAdmin::CatalogLocation() {
    return entry_.location;
}

// A catalog's state is the indexing service's to say: without the service
// it cannot be asked, and the caller shows the catalog as not accessible.
CatalogState LocalCatalogAdmin::stateFromService() const {
    if (!daemonRuns_)
        throw ProviderError(QStringLiteral("The indexing service is not running"));
    return entry_.state;
}

bool LocalCatalogAdmin::IsCatalogRunning() {
    return stateFromService() == CatalogState::Running;
}

bool LocalCatalogAdmin::IsCatalogPaused() {
    return stateFromService() == CatalogState::Paused;
}

bool LocalCatalogAdmin::IsCatalogStopped() {
    return stateFromService() == CatalogState::Stopped;
}

StoreFigures LocalCatalogAdmin::figures() const {
    return StoreFigures::read(ServicePaths::storeFile(entry_.location));
}

bool LocalCatalogAdmin::IsUpToDate() {
    const StoreFigures f = figures();
    // A damaged index is neither up to date nor not: it waits to be rebuilt.
    if (!f.damage.isEmpty())
        throw ProviderError(f.damage);
    return f.scanComplete && f.toFilter == 0;
}

std::int64_t LocalCatalogAdmin::IndexSize() {
    return figures().sizeMegabytes();
}

std::int64_t LocalCatalogAdmin::TotalDocumentCount() {
    return figures().documents;
}

std::int64_t LocalCatalogAdmin::DocumentsToFilter() {
    return figures().toFilter;
}

std::int64_t LocalCatalogAdmin::QueryCount() {
    return figures().queryCount;
}

void LocalCatalogAdmin::StartCatalog() {
    setState(CatalogState::Running);
}

void LocalCatalogAdmin::StopCatalog() {
    setState(CatalogState::Stopped);
}

void LocalCatalogAdmin::setState(CatalogState state) {
    const QString name = entry_.name;
    registry_.modify([&](QList<CatalogEntry>& catalogs) {
        const qsizetype i = CatalogRegistry::indexOf(catalogs, name);
        if (i < 0)
            throw ProviderError(QStringLiteral("Catalog '%1' does not exist").arg(name));
        catalogs[i].state = state;
    });
    entry_.state = state;
}

} // namespace tessellon
