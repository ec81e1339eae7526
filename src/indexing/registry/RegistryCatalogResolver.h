// Finds a catalog's store for the statement executor by reading the catalog
// registry at each look-up, so a catalog added or stopped meanwhile counts.
#pragma once

#include "indexing/registry/CatalogRegistry.h"
#include "indexing/registry/CatalogResolver.h"

namespace tessellon {

class RegistryCatalogResolver : public CatalogResolver {
public:
    // Over the registry of the service's config folder.
    RegistryCatalogResolver();
    explicit RegistryCatalogResolver(CatalogRegistry registry);

    std::optional<ResolvedCatalog> findCatalog(const QString& name) override;

private:
    CatalogRegistry registry_;
};

} // namespace tessellon
