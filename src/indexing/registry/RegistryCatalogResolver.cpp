#include "indexing/registry/RegistryCatalogResolver.h"

#include "indexing/registry/ServicePaths.h"

namespace tessellon {

RegistryCatalogResolver::RegistryCatalogResolver() : registry_(ServicePaths::registryFile()) {}

RegistryCatalogResolver::RegistryCatalogResolver(CatalogRegistry registry)
    : registry_(std::move(registry)) {}

std::optional<ResolvedCatalog> RegistryCatalogResolver::findCatalog(const QString& name) {
    const std::optional<CatalogEntry> entry = registry_.find(name);
    if (!entry)
        return std::nullopt;
    return ResolvedCatalog{entry->name, ServicePaths::storeFile(entry->location),
                           entry->state == CatalogState::Stopped};
}

} // namespace tessellon
