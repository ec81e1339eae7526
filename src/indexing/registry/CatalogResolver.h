// How the statement executor finds a catalog's index store by name, and
// whether the catalog may be queried. The catalog registry implements it.
#pragma once

#include <QString>
#include <optional>

namespace tessellon {

struct ResolvedCatalog {
    QString name;      // as registered
    QString storeFile; // the catalog's SQLite database file
    bool stopped = false;
};

class CatalogResolver {
public:
    virtual ~CatalogResolver() = default;
    // The catalog of that name (letter case ignored), or nothing when unknown.
    virtual std::optional<ResolvedCatalog> findCatalog(const QString& name) = 0;
};

} // namespace tessellon
