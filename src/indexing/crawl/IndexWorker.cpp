#include "indexing/crawl/IndexWorker.h"

#include "common/Error.h"
#include "indexing/crawl/Indexer.h"
#include "indexing/registry/ServicePaths.h"
#include "indexing/store/StoreDamage.h"

#include <QFileInfo>

namespace tessellon {

namespace {

bool sameSetup(const CatalogEntry& a, const CatalogEntry& b) {
    return a.location == b.location && a.scopes == b.scopes && a.excludes == b.excludes;
}

} // namespace

IndexWorker::IndexWorker(Finished finished)
    : finished_(std::move(finished)), thread_([this] { run(); }) {}

IndexWorker::~IndexWorker() {
    stop();
}

void IndexWorker::updateAll(const CatalogEntry& catalog) {
    enqueue(Job{catalog, true, {}});
}

void IndexWorker::updateFolders(const CatalogEntry& catalog, const QSet<QByteArray>& folders) {
    enqueue(Job{catalog, false, folders});
}

void IndexWorker::enqueue(Job job) {
    std::lock_guard lock(mutex_);
    // A catalog dropped meanwhile (say while a job waited for its store)
    // gets no job: it would make its store again.
    if (kept_ && !kept_->contains(job.catalog.name))
        return;
    for (Job& waiting : jobs_) {
        if (waiting.catalog.name != job.catalog.name)
            continue;
        waiting.catalog = job.catalog;
        waiting.all = waiting.all || job.all;
        waiting.folders.unite(job.folders);
        return;
    }
    jobs_.push_back(std::move(job));
    wake_.notify_one();
}

void IndexWorker::retain(const QStringList& catalogNames) {
    std::lock_guard lock(mutex_);
    std::erase_if(jobs_, [&](const Job& j) { return !catalogNames.contains(j.catalog.name); });
    retained_ = catalogNames;
    kept_ = catalogNames;
    // A dropped catalog's store closes only between jobs: the running job
    // ends now, whichever catalog it is for (the daemon queues the kept
    // catalogs again).
    const bool dropsAnOpenStore =
        std::any_of(open_.cbegin(), open_.cend(),
                    [&](const QString& name) { return !catalogNames.contains(name); });
    if (running_ && (dropsAnOpenStore || !catalogNames.contains(runningCatalog_)))
        cancel_ = true;
    wake_.notify_one();
}

void IndexWorker::stop() {
    {
        std::lock_guard lock(mutex_);
        if (stopping_ && !thread_.joinable())
            return;
        stopping_ = true;
        cancel_ = true;
        wake_.notify_all();
    }
    if (thread_.joinable())
        thread_.join();
    indexers_.clear();
}

void IndexWorker::run() {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            running_ = false;
            wake_.wait(lock, [&] { return stopping_ || !jobs_.empty() || retained_; });
            if (stopping_)
                return;
            cancel_ = false; // a cancel for a dropped catalog ended with its job
            if (retained_) {
                std::erase_if(indexers_,
                              [&](const auto& entry) { return !retained_->contains(entry.first); });
                retained_.reset();
            }
            open_.clear();
            for (const auto& entry : indexers_)
                open_.insert(entry.first);
            if (jobs_.empty())
                continue;
            job = std::move(jobs_.front());
            jobs_.pop_front();
            running_ = true;
            runningCatalog_ = job.catalog.name;
        }
        execute(job);
    }
}

void IndexWorker::execute(const Job& job) {
    const QString& name = job.catalog.name;
    ScanSummary summary;
    QList<QByteArray> folders;
    QString error;
    bool rebuilt = false;
    try {
        const QString storeFile = ServicePaths::storeFile(job.catalog.location);
        auto it = indexers_.find(name);
        // A store removed meanwhile (the catalog was removed and added again)
        // is opened afresh rather than written through a stale handle, and
        // so is one that a reader found damaged: opening rebuilds it.
        if (it == indexers_.end() || !sameSetup(it->second->catalog(), job.catalog) ||
            !QFileInfo::exists(storeFile) || !StoreDamage::marked(storeFile).isEmpty()) {
            indexers_.erase(name);
            // The daemon checks a store whole when it first opens it, at its
            // start: damage found now costs no failed searches later.
            it = indexers_
                     .emplace(name, std::make_unique<Indexer>(job.catalog, &cancel_,
                                                              IndexStore::OpenCheck::Full))
                     .first;
            error = it->second->notice();
            rebuilt = !error.isEmpty();
        }
        Indexer& indexer = *it->second;
        // A rebuilt store starts empty: it is filled whole, whatever the job.
        summary =
            job.all || rebuilt ? indexer.updateAll() : indexer.updateFolders(job.folders.values());
        folders = indexer.walkedFolders();
    } catch (const StoreDamagedError& e) {
        // The store is marked damaged: opened again, it is moved aside and
        // rebuilt, at once. A store that is damaged again right after its
        // rebuild waits for the next job instead of looping.
        indexers_.erase(name);
        error = e.message();
        if (!rebuilt)
            enqueue(Job{job.catalog, true, {}});
    } catch (const StoreBusyError& e) {
        // A rescan by hand holds the store: try again when it may be done.
        {
            std::unique_lock lock(mutex_);
            if (wake_.wait_for(lock, std::chrono::seconds(2), [&] { return stopping_; }))
                return;
        }
        enqueue(job);
        return;
    } catch (const std::exception& e) {
        // The store is opened afresh for the next job; a store that cannot be
        // opened at all is reported each time, never retried in a loop.
        indexers_.erase(name);
        error = errorMessage(e);
    }
    finished_(name, folders, summary, error);
}

} // namespace tessellon
