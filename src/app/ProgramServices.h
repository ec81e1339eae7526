// What the program searches and administers: the statement provider over the
// catalogs of the local catalog registry and of the hosts hosts.ini lists,
// the administration of this computer or of such a host, catalog
// management, and the registry's catalog names for when the administration
// is unavailable.
#pragma once

#include "app/TKorvaneTessellonMain.h"
#include "indexing/registry/RegistryCatalogResolver.h"
#include "indexing/remote/NetworkHostStatements.h"
#include "indexing/service/LocalCatalogManagement.h"
#include "indexing/statement/IndexQueryProvider.h"

namespace tessellon {

class ProgramServices {
public:
    ProgramServices();

    QueryProvider& provider() { return provider_; }
    CatalogManagement& management() { return management_; }
    static AdminConnectionFactory adminFactory();
    static CatalogNamesSource registryCatalogNames();

private:
    RegistryCatalogResolver resolver_;
    NetworkHostStatements hosts_;
    IndexQueryProvider provider_;
    LocalCatalogManagement management_;
};

} // namespace tessellon
