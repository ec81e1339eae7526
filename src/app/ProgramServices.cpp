#include "app/ProgramServices.h"

#include "indexing/registry/CatalogRegistry.h"
#include "indexing/registry/ServicePaths.h"
#include "indexing/remote/HostAdminServer.h"

namespace tessellon {

ProgramServices::ProgramServices() : provider_(resolver_, QString(), &hosts_) {}

AdminConnectionFactory ProgramServices::adminFactory() {
    return HostAdminServer::factory();
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
