// The daemon's main loop: reads the registry, brings every running catalog up
// to date, then follows changes live (inotify; an overflow falls back to a
// full comparison), reloads the registry when it changes, and rebuilds a
// store at once when a reader marks it damaged. All the waiting
// is on file descriptors, so it uses no CPU while nothing changes. The
// indexing itself runs on the IndexWorker's thread.
#pragma once

#include "indexing/crawl/ChangeWatcher.h"
#include "indexing/crawl/IndexWorker.h"
#include "indexing/registry/CatalogRegistry.h"

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QTextStream>
#include <QTimer>

namespace tessellon {

class IndexDaemon : public QObject {
    Q_OBJECT
public:
    IndexDaemon(CatalogRegistry registry, QTextStream& log, QObject* parent = nullptr);
    ~IndexDaemon() override;

    void start();
    // Ends the running job (its transaction commits whole) and the thread.
    void shutdown();

private:
    void reloadRegistry();
    void onFolderChanged(const QString& catalog, const QByteArray& folder);
    void onStoreFolderChanged(const QString& folder);
    void flushChanges();
    void onJobFinished(const QString& catalog, const QList<QByteArray>& folders,
                       const ScanSummary& summary, const QString& error);
    void updateEverything();
    void fullUpdate(const CatalogEntry& catalog);
    void logLine(const QString& line);

    CatalogRegistry registry_;
    QTextStream& log_;
    QHash<QString, CatalogEntry> running_;
    ChangeWatcher watcher_;
    QFileSystemWatcher registryWatcher_;
    // The folders of the running catalogs' stores, where a reader leaves its
    // mark on a store it found damaged.
    QFileSystemWatcher storeWatcher_;
    QTimer debounce_;
    QHash<QString, QSet<QByteArray>> changed_;
    IndexWorker worker_;
};

} // namespace tessellon
