// The daemon's one indexing thread: takes update jobs (a whole catalog, or
// some of its folders) in order and runs them through each catalog's
// Indexer, whose store stays open between jobs. Jobs for the same catalog
// that wait together are merged. A cancel request ends the running job after
// its current transaction.
#pragma once

#include "indexing/crawl/ScanSummary.h"
#include "indexing/registry/CatalogEntry.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace tessellon {

class Indexer;

class IndexWorker {
public:
    // Called on the worker thread after each job: the catalog, the folders
    // the job walked (to be watched), and what it did or the error it met.
    using Finished = std::function<void(const QString& catalog, const QList<QByteArray>& folders,
                                        const ScanSummary& summary, const QString& error)>;

    explicit IndexWorker(Finished finished);
    ~IndexWorker();

    void updateAll(const CatalogEntry& catalog);
    void updateFolders(const CatalogEntry& catalog, const QSet<QByteArray>& folders);
    // Drops waiting jobs of catalogs not in the list, ends the running job
    // when its catalog is not in it, and closes their stores at once, so a
    // removed catalog's store can be deleted.
    void retain(const QStringList& catalogNames);
    // Ends the running job at the next document and stops the thread.
    void stop();

private:
    struct Job {
        CatalogEntry catalog;
        bool all = false;
        QSet<QByteArray> folders;
    };
    void enqueue(Job job);
    void run();
    void execute(const Job& job);

    Finished finished_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> jobs_;
    std::optional<QStringList> retained_;
    // The catalogs kept since the last retain (all until the first), and
    // those whose store the worker holds open.
    std::optional<QStringList> kept_;
    QSet<QString> open_;
    bool stopping_ = false;
    bool running_ = false;
    QString runningCatalog_;
    std::atomic<bool> cancel_{false};
    std::map<QString, std::unique_ptr<Indexer>> indexers_;
    std::thread thread_;
};

} // namespace tessellon
