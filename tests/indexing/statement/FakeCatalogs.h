// A catalog resolver over a fixed list of catalogs, for tests.
#pragma once

#include "indexing/registry/CatalogResolver.h"

#include <QList>

class FakeCatalogs : public tessellon::CatalogResolver {
public:
    void add(const QString& name, const QString& storeFile, bool stopped = false) {
        catalogs_.append({name, storeFile, stopped});
    }
    std::optional<tessellon::ResolvedCatalog> findCatalog(const QString& name) override {
        for (const tessellon::ResolvedCatalog& c : catalogs_) {
            if (c.name.compare(name, Qt::CaseInsensitive) == 0)
                return c;
        }
        return std::nullopt;
    }

private:
    QList<tessellon::ResolvedCatalog> catalogs_;
};
