#include "indexing/remote/HostAdminServer.h"

#include "common/Error.h"
#include "common/ThisComputer.h"
#include "indexing/remote/HostRegistry.h"
#include "indexing/remote/RemoteHostClient.h"

#include <QJsonObject>

namespace tessellon {

namespace {

// One catalog of another computer, as its service described it; a figure
// it could not read is not accessible here either.
class RemoteCatalogAdmin : public CatalogAdmin {
public:
    RemoteCatalogAdmin(QJsonObject description, std::shared_ptr<RemoteHostClient> host)
        : description_(std::move(description)), host_(std::move(host)) {}

    QString CatalogName() override { return text(QStringLiteral("name")); }
    QString CatalogLocation() override { return text(QStringLiteral("location")); }
    bool IsCatalogRunning() override { return flag(QStringLiteral("running")); }
    bool IsCatalogPaused() override { return flag(QStringLiteral("paused")); }
    bool IsCatalogStopped() override { return flag(QStringLiteral("stopped")); }
    bool IsUpToDate() override { return flag(QStringLiteral("upToDate")); }
    std::int64_t IndexSize() override { return number(QStringLiteral("indexSize")); }
    std::int64_t TotalDocumentCount() override {
        return number(QStringLiteral("totalDocumentCount"));
    }
    std::int64_t DocumentsToFilter() override {
        return number(QStringLiteral("documentsToFilter"));
    }
    std::int64_t QueryCount() override { return number(QStringLiteral("queryCount")); }
    void StartCatalog() override { description_ = host_->changeCatalog(CatalogName(), true); }
    void StopCatalog() override { description_ = host_->changeCatalog(CatalogName(), false); }

private:
    QJsonValue figure(const QString& key) const {
        const QJsonValue value = description_.value(key);
        if (value.isNull() || value.isUndefined())
            throw ProviderError(QStringLiteral("The host could not read %1").arg(key));
        return value;
    }
    QString text(const QString& key) const { return description_.value(key).toString(); }
    bool flag(const QString& key) const { return figure(key).toBool(); }
    std::int64_t number(const QString& key) const { return figure(key).toInteger(); }

    QJsonObject description_;
    std::shared_ptr<RemoteHostClient> host_;
};

} // namespace

HostAdminServer::HostAdminServer() = default;
HostAdminServer::~HostAdminServer() = default;

AdminConnectionFactory HostAdminServer::factory() {
    return [] { return std::make_unique<HostAdminServer>(); };
}

void HostAdminServer::SetMachineName(const QString& name) {
    if (namesThisComputer(name)) {
        local_.SetMachineName(name);
        remote_.reset();
        remoteName_.clear();
        return;
    }
    auto client = std::make_shared<RemoteHostClient>(HostRegistry::standard().require(name));
    client->isRunning(); // throws when the host cannot be reached
    remote_ = std::move(client);
    remoteName_ = name;
}

bool HostAdminServer::IsRunning() {
    return remote_ ? remote_->isRunning() : local_.IsRunning();
}

bool HostAdminServer::FindFirstCatalog() {
    if (!remote_)
        return local_.FindFirstCatalog();
    return cursor_.begin(remote_->catalogs());
}

bool HostAdminServer::FindNextCatalog() {
    if (!remote_)
        return local_.FindNextCatalog();
    return cursor_.begun() ? cursor_.next() : FindFirstCatalog();
}

std::unique_ptr<CatalogAdmin> HostAdminServer::GetCatalog() {
    if (!remote_)
        return local_.GetCatalog();
    return std::make_unique<RemoteCatalogAdmin>(cursor_.current().toObject(), remote_);
}

std::unique_ptr<CatalogAdmin> HostAdminServer::GetCatalogByName(const QString& name) {
    if (!remote_)
        return local_.GetCatalogByName(name);
    for (const QJsonValue& catalog : remote_->catalogs()) {
        if (catalog[QStringLiteral("name")].toString().compare(name, Qt::CaseInsensitive) == 0)
            return std::make_unique<RemoteCatalogAdmin>(catalog.toObject(), remote_);
    }
    throw ProviderError(
        QStringLiteral("Catalog '%1' does not exist on host %2").arg(name, remoteName_));
}

} // namespace tessellon
