#include "indexing/service/IndexDaemon.h"

#include "common/Error.h"
#include "common/PathCodec.h"
#include "indexing/registry/ServicePaths.h"
#include "indexing/store/StoreDamage.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tessellon {

namespace {
constexpr int DebounceMs = 300;
}

IndexDaemon::IndexDaemon(CatalogRegistry registry, QTextStream& log, QObject* parent)
    : QObject(parent), registry_(std::move(registry)), log_(log),
      worker_([this](const QString& catalog, const QList<QByteArray>& folders,
                     const ScanSummary& summary, const QString& error) {
          // Back onto the daemon's thread, where the watches live.
          QMetaObject::invokeMethod(
              this, [=, this] { onJobFinished(catalog, folders, summary, error); },
              Qt::QueuedConnection);
      }) {
    debounce_.setSingleShot(true);
    debounce_.setInterval(DebounceMs);
    connect(&debounce_, &QTimer::timeout, this, &IndexDaemon::flushChanges);
    connect(&watcher_, &ChangeWatcher::folderChanged, this, &IndexDaemon::onFolderChanged);
    connect(&watcher_, &ChangeWatcher::overflowed, this, [this] {
        logLine(QStringLiteral("change notifications overflowed; comparing every catalog"));
        updateEverything();
    });
    // The registry is replaced whole when written, so its folder is watched
    // as well as the file.
    connect(&registryWatcher_, &QFileSystemWatcher::fileChanged, this,
            &IndexDaemon::reloadRegistry);
    connect(&registryWatcher_, &QFileSystemWatcher::directoryChanged, this,
            &IndexDaemon::reloadRegistry);
    connect(&storeWatcher_, &QFileSystemWatcher::directoryChanged, this,
            &IndexDaemon::onStoreFolderChanged);
}

IndexDaemon::~IndexDaemon() {
    shutdown();
}

void IndexDaemon::start() {
    const QString folder = QFileInfo(registry_.file()).absolutePath();
    QDir().mkpath(folder);
    registryWatcher_.addPath(folder);
    logLine(QStringLiteral("started"));
    reloadRegistry();
}

void IndexDaemon::shutdown() {
    worker_.stop();
}

void IndexDaemon::reloadRegistry() {
    if (QFileInfo::exists(registry_.file()) && !registryWatcher_.files().contains(registry_.file()))
        registryWatcher_.addPath(registry_.file());
    QList<CatalogEntry> catalogs;
    try {
        catalogs = registry_.load();
    } catch (const Error& e) {
        logLine(e.message());
        return;
    }
    QHash<QString, CatalogEntry> running;
    for (const CatalogEntry& c : catalogs) {
        if (c.state == CatalogState::Running)
            running.insert(c.name, c);
    }
    const auto names = [](const QHash<QString, CatalogEntry>& h) {
        return QSet<QString>(h.keyBegin(), h.keyEnd());
    };
    if (names(running) == names(running_) && [&] {
            for (const CatalogEntry& c : running) {
                const CatalogEntry old = running_.value(c.name);
                if (old.location != c.location || old.scopes != c.scopes ||
                    old.excludes != c.excludes)
                    return false;
            }
            return true;
        }())
        return; // nothing that matters to the daemon changed
    running_ = running;
    // Watched again as each catalog's first job has made its store's folder.
    if (!storeWatcher_.directories().isEmpty())
        storeWatcher_.removePaths(storeWatcher_.directories());
    worker_.retain(running_.keys());
    updateEverything();
}

void IndexDaemon::updateEverything() {
    watcher_.unwatchAll();
    changed_.clear();
    for (const CatalogEntry& c : std::as_const(running_))
        fullUpdate(c);
}

// A full comparison answers a pending rescan request too.
void IndexDaemon::fullUpdate(const CatalogEntry& catalog) {
    QFile::remove(ServicePaths::rescanRequestFile(catalog.location));
    worker_.updateAll(catalog);
}

void IndexDaemon::onFolderChanged(const QString& catalog, const QByteArray& folder) {
    changed_[catalog].insert(folder);
    if (!debounce_.isActive())
        debounce_.start();
}

void IndexDaemon::flushChanges() {
    for (auto it = changed_.cbegin(); it != changed_.cend(); ++it) {
        if (running_.contains(it.key()))
            worker_.updateFolders(running_[it.key()], it.value());
    }
    changed_.clear();
}

void IndexDaemon::onJobFinished(const QString& catalog, const QList<QByteArray>& folders,
                                const ScanSummary& summary, const QString& error) {
    if (!error.isEmpty())
        logLine(catalog + QStringLiteral(": ") + error);
    if (!running_.contains(catalog))
        return;
    const QString storeFolder = QDir::cleanPath(running_[catalog].location);
    if (!storeWatcher_.directories().contains(storeFolder))
        storeWatcher_.addPath(storeFolder);
    QList<QByteArray> watched = folders;
    // The scope folders themselves hold entries too.
    for (const QString& scope : running_[catalog].scopes)
        watched << PathCodec::toBytes(QDir::cleanPath(scope));
    const qsizetype overLimitBefore = watcher_.watchesOverLimit();
    const QList<QByteArray> added = watcher_.watch(catalog, watched);
    if (watcher_.watchesOverLimit() > overLimitBefore)
        logLine(
            QStringLiteral("%1: %2 folders cannot be watched (see fs.inotify.max_user_watches); "
                           "changes there are found at the next full comparison")
                .arg(catalog)
                .arg(watcher_.watchesOverLimit() - overLimitBefore));
    // A folder read before its watch was set may have changed in between;
    // now that changes there are reported, it is compared once more.
    if (!added.isEmpty())
        worker_.updateFolders(running_[catalog], QSet<QByteArray>(added.cbegin(), added.cend()));
    if (summary.filtered + summary.recorded + summary.removed > 0 || summary.failed > 0)
        logLine(QStringLiteral("%1: %2 filtered (%3 failed), %4 recorded, %5 removed")
                    .arg(catalog)
                    .arg(summary.filtered)
                    .arg(summary.failed)
                    .arg(summary.recorded)
                    .arg(summary.removed));
}

void IndexDaemon::onStoreFolderChanged(const QString& folder) {
    for (const CatalogEntry& c : std::as_const(running_)) {
        if (QDir::cleanPath(c.location) != folder)
            continue;
        // Opening a store marked damaged rebuilds it.
        if (!StoreDamage::marked(ServicePaths::storeFile(c.location)).isEmpty() ||
            QFileInfo::exists(ServicePaths::rescanRequestFile(c.location)))
            fullUpdate(c);
    }
}

void IndexDaemon::logLine(const QString& line) {
    log_ << QDateTime::currentDateTimeUtc().toString(Qt::ISODate) << ' ' << line << Qt::endl;
}

} // namespace tessellon
