#include "support/FakeAdmin.h"

#include "common/Error.h"

using namespace tessellon;

namespace {

class FakeCatalogAdmin : public CatalogAdmin {
public:
    FakeCatalogAdmin(std::shared_ptr<FakeAdminWorld> world, int index)
        : world_(std::move(world)), index_(index) {}

    QString CatalogName() override { return c().name; }
    QString CatalogLocation() override { return c().location; }
    bool IsCatalogRunning() override { return check("state"), c().running; }
    bool IsCatalogPaused() override { return check("state"), c().paused; }
    bool IsCatalogStopped() override { return check("state"), c().stopped; }
    bool IsUpToDate() override { return check("IsUpToDate"), c().upToDate; }
    std::int64_t IndexSize() override { return check("IndexSize"), c().indexSize; }
    std::int64_t TotalDocumentCount() override {
        return check("TotalDocumentCount"), c().documents;
    }
    std::int64_t DocumentsToFilter() override { return check("DocumentsToFilter"), c().toFilter; }
    std::int64_t QueryCount() override { return check("QueryCount"), c().queries; }
    void StartCatalog() override {
        world_->log << QStringLiteral("StartCatalog ") + c().name;
        c().running = true;
        c().stopped = false;
    }
    void StopCatalog() override {
        world_->log << QStringLiteral("StopCatalog ") + c().name;
        c().running = false;
        c().stopped = true;
    }

private:
    FakeCatalog& c() { return world_->catalogs[index_]; }
    void check(const char* figure) {
        if (c().failing.contains(QString::fromLatin1(figure)))
            throw Error(QStringLiteral("%1 failed").arg(QString::fromLatin1(figure)));
    }
    std::shared_ptr<FakeAdminWorld> world_;
    int index_;
};

} // namespace

FakeAdminIndexServer::FakeAdminIndexServer(std::shared_ptr<FakeAdminWorld> world)
    : world_(std::move(world)), machine_(world_->defaultMachine) {
    ++world_->connectionsCreated;
}

bool FakeAdminIndexServer::IsRunning() {
    if (world_->unavailable)
        throw Error(QStringLiteral("Class not registered"));
    return world_->serviceRunning;
}

void FakeAdminIndexServer::SetMachineName(const QString& name) {
    world_->log << QStringLiteral("SetMachineName ") + name;
    if (name != u"." && !world_->reachableHosts.contains(name))
        throw Error(QStringLiteral("The RPC server is unavailable."));
    machine_ = name;
}

bool FakeAdminIndexServer::FindFirstCatalog() {
    at_ = 0;
    return at_ < world_->catalogs.size();
}

bool FakeAdminIndexServer::FindNextCatalog() {
    ++at_;
    return at_ < world_->catalogs.size();
}

std::unique_ptr<CatalogAdmin> FakeAdminIndexServer::GetCatalog() {
    return std::make_unique<FakeCatalogAdmin>(world_, at_);
}

std::unique_ptr<CatalogAdmin> FakeAdminIndexServer::GetCatalogByName(const QString& name) {
    for (int i = 0; i < world_->catalogs.size(); ++i) {
        if (world_->catalogs[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return std::make_unique<FakeCatalogAdmin>(world_, i);
    }
    throw Error(QStringLiteral("Catalog %1 not found").arg(name));
}

AdminConnectionFactory fakeAdminFactory(std::shared_ptr<FakeAdminWorld> world) {
    return [world] { return std::make_unique<FakeAdminIndexServer>(world); };
}
