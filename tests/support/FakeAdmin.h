// An in-memory administration: a list of catalogs with chosen states and
// figures, a running flag, reachable hosts, and failures on demand.
#pragma once

#include "common/AdminIndexServer.h"

#include <QSet>
#include <QStringList>
#include <QVector>
#include <memory>

struct FakeCatalog {
    explicit FakeCatalog(QString catalogName) : name(std::move(catalogName)) {}
    QString name;
    QString location = QStringLiteral("/var/catalogs");
    bool running = true;
    bool paused = false;
    bool stopped = false;
    bool upToDate = true;
    qint64 indexSize = 3;
    qint64 documents = 120;
    qint64 toFilter = 0;
    qint64 queries = 5;
    // Names of figures whose read fails ("IndexSize", "state", ...).
    QSet<QString> failing;
};

// Shared by every connection the factory creates, so tests can change the
// world between calls.
struct FakeAdminWorld {
    bool serviceRunning = true;
    bool unavailable = false; // IsRunning throws
    QString defaultMachine = QStringLiteral(".");
    QSet<QString> reachableHosts;
    QVector<FakeCatalog> catalogs;
    QStringList log; // "SetMachineName x", "StartCatalog x", ...
    int connectionsCreated = 0;
};

class FakeAdminIndexServer : public tessellon::AdminIndexServer {
public:
    explicit FakeAdminIndexServer(std::shared_ptr<FakeAdminWorld> world);
    bool IsRunning() override;
    QString MachineName() override { return machine_; }
    void SetMachineName(const QString& name) override;
    bool FindFirstCatalog() override;
    bool FindNextCatalog() override;
    std::unique_ptr<tessellon::CatalogAdmin> GetCatalog() override;
    std::unique_ptr<tessellon::CatalogAdmin> GetCatalogByName(const QString& name) override;

private:
    std::shared_ptr<FakeAdminWorld> world_;
    QString machine_;
    int at_ = -1;
};

tessellon::AdminConnectionFactory fakeAdminFactory(std::shared_ptr<FakeAdminWorld> world);
