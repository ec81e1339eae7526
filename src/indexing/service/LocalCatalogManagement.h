// Catalog management on this computer: the registry under its lock (a change
// that fails midway writes nothing), the index stores in the catalogs'
// locations, and the daemon through ServiceControl.
#pragma once

#include "common/CatalogManagement.h"

namespace tessellon {

class LocalCatalogManagement : public CatalogManagement {
public:
    bool hasRegistry() override;
    QList<ManagedCatalog> catalogs() override;
    QStringList defaultExcludes() override;
    QString add(const CatalogDraft& draft) override;
    QString remove(const QString& name) override;
    void edit(const CatalogDraft& draft) override;
    void change(const QString& name, CatalogChange change) override;
    void requestRescan(const QString& name) override;
    bool serviceRunning() override;
    void startService() override;
    void stopService() override;
};

} // namespace tessellon
