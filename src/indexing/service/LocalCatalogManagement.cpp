#include "indexing/service/LocalCatalogManagement.h"

#include "common/AdminIndexServer.h"
#include "common/Error.h"
#include "indexing/registry/CatalogRegistry.h"
#include "indexing/registry/ServicePaths.h"
#include "indexing/service/LocalAdminServer.h"
#include "indexing/service/LocalCatalogAdmin.h"
#include "indexing/service/ServiceControl.h"
#include "indexing/store/IndexStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tessellon {

namespace {

CatalogRegistry registry() {
    return CatalogRegistry(ServicePaths::registryFile());
}

Error noSuchCatalog(const QString& name) {
    return Error(QStringLiteral("Catalog '%1' does not exist").arg(name));
}

// The draft's folders as absolute, clean paths; each must be a folder.
QStringList checkedFolders(const QStringList& folders) {
    if (folders.isEmpty())
        throw Error(QStringLiteral("A catalog needs at least one folder"));
    QStringList checked;
    for (const QString& folder : folders) {
        const QFileInfo info(folder);
        if (!info.isDir())
            throw Error(QStringLiteral("Scope folder '%1' does not exist").arg(folder));
        checked << QDir::cleanPath(info.absoluteFilePath());
    }
    checked.removeDuplicates();
    return checked;
}

QStringList nonEmpty(QStringList patterns) {
    for (QString& pattern : patterns)
        pattern = pattern.trimmed();
    patterns.removeAll(QString());
    return patterns;
}

ManagedCatalog describe(LocalCatalogAdmin& catalog) {
    ManagedCatalog row;
    row.name = catalog.CatalogName();
    row.location = catalog.CatalogLocation();
    row.folders = catalog.entry().scopes;
    row.excludes = catalog.entry().excludes;
    row.state = guardedFigure([&] { return catalogStateText(catalog); });
    row.upToDate = guardedFigure(
        [&] { return catalog.IsUpToDate() ? QStringLiteral("yes") : QStringLiteral("no"); });
    try {
        const StoreFigures f = catalog.figures();
        row.sizeMegabytes = QString::number(f.sizeMegabytes());
        row.documents = QString::number(f.documents);
        row.toFilter = QString::number(f.toFilter);
        row.failed = QString::number(f.failed);
        row.problem = f.damage.isEmpty() ? f.lastError : f.damage;
        row.lastScan = f.lastUpdate;
        if (!f.scanComplete && f.scanTotal > 0) {
            row.scanTotal = f.scanTotal;
            row.scanDone = f.scanTotal - std::min(f.scanRemaining, f.scanTotal);
        }
    } catch (const Error& e) {
        row.sizeMegabytes = row.documents = row.toFilter = row.failed = NotAccessible;
        row.problem = e.message();
    }
    return row;
}

} // namespace

bool LocalCatalogManagement::hasRegistry() {
    return QFileInfo::exists(ServicePaths::registryFile());
}

QList<ManagedCatalog> LocalCatalogManagement::catalogs() {
    LocalAdminServer server;
    QList<ManagedCatalog> rows;
    for (bool more = server.FindFirstCatalog(); more; more = server.FindNextCatalog()) {
        const std::unique_ptr<CatalogAdmin> catalog = server.GetCatalog();
        rows << describe(static_cast<LocalCatalogAdmin&>(*catalog));
    }
    return rows;
}

QStringList LocalCatalogManagement::defaultExcludes() {
    return defaultExcludePatterns();
}

QString LocalCatalogManagement::add(const CatalogDraft& draft) {
    CatalogRegistry::checkName(draft.name);
    CatalogEntry entry;
    entry.name = draft.name;
    entry.scopes = checkedFolders(draft.folders);
    entry.excludes = nonEmpty(draft.excludes);
    entry.location = draft.location.isEmpty()
                         ? ServicePaths::defaultLocation(entry.name)
                         : QDir::cleanPath(QFileInfo(draft.location).absoluteFilePath());
    registry().modify([&](QList<CatalogEntry>& catalogs) {
        const qsizetype i = CatalogRegistry::indexOf(catalogs, entry.name);
        if (i >= 0)
            throw Error(QStringLiteral("Catalog '%1' already exists").arg(catalogs[i].name));
        if (!QDir().mkpath(entry.location))
            throw FileError(QStringLiteral("Cannot create the location %1").arg(entry.location));
        // An empty store at once, so the new catalog answers queries (with
        // no rows) before its first scan.
        IndexStore store(ServicePaths::storeFile(entry.location));
        catalogs << entry;
    });
    return entry.location;
}

QString LocalCatalogManagement::remove(const QString& name) {
    CatalogEntry removed;
    registry().modify([&](QList<CatalogEntry>& catalogs) {
        const qsizetype i = CatalogRegistry::indexOf(catalogs, name);
        if (i < 0)
            throw noSuchCatalog(name);
        removed = catalogs.takeAt(i);
    });
    // The daemon lets go of the store once it sees the registry change; only
    // the store's own files go, and the folder when nothing else is in it.
    QFile::remove(ServicePaths::rescanRequestFile(removed.location));
    if (!IndexStore::remove(ServicePaths::storeFile(removed.location), 30000))
        throw Error(QStringLiteral("Catalog '%1' is removed, but its index in %2 is still in "
                                   "use by the indexing service and was left there")
                        .arg(removed.name, removed.location));
    QDir().rmdir(removed.location);
    return removed.location;
}

void LocalCatalogManagement::edit(const CatalogDraft& draft) {
    const QStringList folders = checkedFolders(draft.folders);
    registry().modify([&](QList<CatalogEntry>& catalogs) {
        const qsizetype i = CatalogRegistry::indexOf(catalogs, draft.name);
        if (i < 0)
            throw noSuchCatalog(draft.name);
        catalogs[i].scopes = folders;
        catalogs[i].excludes = nonEmpty(draft.excludes);
    });
}

void LocalCatalogManagement::change(const QString& name, CatalogChange change) {
    const CatalogState state = change == CatalogChange::Stop    ? CatalogState::Stopped
                               : change == CatalogChange::Pause ? CatalogState::Paused
                                                                : CatalogState::Running;
    registry().modify([&](QList<CatalogEntry>& catalogs) {
        const qsizetype i = CatalogRegistry::indexOf(catalogs, name);
        if (i < 0)
            throw noSuchCatalog(name);
        catalogs[i].state = state;
    });
}

void LocalCatalogManagement::requestRescan(const QString& name) {
    const std::optional<CatalogEntry> entry = registry().find(name);
    if (!entry)
        throw noSuchCatalog(name);
    QFile mark(ServicePaths::rescanRequestFile(entry->location));
    if (!mark.open(QIODevice::WriteOnly))
        throw FileError(QStringLiteral("Cannot ask for a rescan of %1: %2")
                            .arg(entry->name, mark.errorString()));
}

bool LocalCatalogManagement::serviceRunning() {
    return ServiceControl::isRunning();
}

void LocalCatalogManagement::startService() {
    ServiceControl::start(ServiceControl::defaultDaemonPath());
}

void LocalCatalogManagement::stopService() {
    ServiceControl::stop();
}

} // namespace tessellon
