// One catalog of the local machine for the administration interface: its
// registry entry for name, location and the user's stop or pause, which the
// running daemon follows (without the daemon the state cannot be read), and
// its store for the figures.
#pragma once

#include "common/AdminIndexServer.h"
#include "indexing/registry/CatalogRegistry.h"
#include "indexing/store/StoreFigures.h"

namespace tessellon {

class LocalCatalogAdmin : public CatalogAdmin {
public:
    LocalCatalogAdmin(CatalogRegistry registry, CatalogEntry entry, bool daemonRuns);

    QString CatalogName() override;
    QString CatalogLocation() override;
    bool IsCatalogRunning() override;
    bool IsCatalogPaused() override;
    bool IsCatalogStopped() override;
    bool IsUpToDate() override;
    std::int64_t IndexSize() override;
    std::int64_t TotalDocumentCount() override;
    std::int64_t DocumentsToFilter() override;
    std::int64_t QueryCount() override;
    void StartCatalog() override;
    void StopCatalog() override;

    // The figures together, read in one go.
    StoreFigures figures() const;
    const CatalogEntry& entry() const { return entry_; }

private:
    CatalogState stateFromService() const;
    void setState(CatalogState state);

    CatalogRegistry registry_;
    CatalogEntry entry_;
    bool daemonRuns_;
};

} // namespace tessellon
