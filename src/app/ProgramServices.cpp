#include "app/ProgramServices.h"

#include "indexing/CatalogRegistry.h"
#include "indexing/LocalAdminServer.h"
#include "indexing/ServicePaths.h"

namespace tessellon {

ProgramServices::ProgramServices() : provider_(resolver_) {}

AdminConnectionFactory ProgramServices::adminFactory() {
    return LocalAdminServer::factory();
}

CatalogNamesSource ProgramServices::registryCatalogNames() {
    return [] {
        QStringList names;
        for (const CatalogEntry& entry : CatalogRegistry(ServicePaths::registryFile()).load())
            names << entry.name;
        return names;
    };
}

} // namespace tessellon
