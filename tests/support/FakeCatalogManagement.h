// Catalog management over an in-memory list: records every command, fails
// the ones a test names, and lets the test set the figures.
#pragma once

#include "common/CatalogManagement.h"

#include <QSet>

class FakeCatalogManagement : public tessellon::CatalogManagement {
public:
    bool hasRegistry() override { return registryExists; }
    QList<tessellon::ManagedCatalog> catalogs() override;
    QStringList defaultExcludes() override { return {QStringLiteral(".git")}; }
    QString add(const tessellon::CatalogDraft& draft) override;
    QString remove(const QString& name) override;
    void edit(const tessellon::CatalogDraft& draft) override;
    void change(const QString& name, tessellon::CatalogChange change) override;
    void requestRescan(const QString& name) override;
    bool serviceRunning() override;
    void startService() override;
    void stopService() override;

    QList<tessellon::ManagedCatalog> rows;
    bool registryExists = true;
    bool running = true;
    // Commands that throw, by their log word ("add", "remove", "catalogs" ...).
    QSet<QString> failing;
    QStringList log; // "add Docs /a;/b excludes .git", "stop Docs", ...

private:
    void mayFail(const QString& command);
};
