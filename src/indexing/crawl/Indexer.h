// Brings one catalog's store up to date with its scopes: crawls, filters what
// is new or changed on every core, and writes the results through the one
// store connection in batched transactions. Each document is filtered under
// a time budget. A cancel request (SIGTERM, a stop) ends the work at once,
// in the middle of a document too: the open transaction commits whole, and
// the store stays marked as not up to date until a later run completes it.
#pragma once

#include "indexing/crawl/Crawler.h"
#include "indexing/crawl/ScanSummary.h"
#include "indexing/filters/FilterHost.h"
#include "indexing/registry/CatalogEntry.h"
#include "indexing/store/IndexStore.h"

#include <atomic>
#include <functional>
#include <memory>

namespace tessellon {

class Indexer {
public:
    // (documents done, documents to do)
    using Progress = std::function<void(std::int64_t, std::int64_t)>;

    // Opens the catalog's store (rebuilding a damaged one; see notice()).
    Indexer(const CatalogEntry& catalog, std::atomic<bool>* cancel,
            IndexStore::OpenCheck check = IndexStore::OpenCheck::FullAfterUncleanStop);

    const QString& notice() const { return store_.notice(); }
    const CatalogEntry& catalog() const { return catalog_; }
    void setProgress(Progress progress) { progress_ = std::move(progress); }

    // A full comparison of every scope with the store.
    ScanSummary updateAll();
    // The entries directly inside these folders (and any new folder whole),
    // as the live watcher reports changes.
    ScanSummary updateFolders(const QList<QByteArray>& folders);

    // Every folder the last update walked (for live watching).
    const QList<QByteArray>& walkedFolders() const { return walkedFolders_; }

private:
    QList<QByteArray> scopeRoots() const;
    ScanSummary apply(const CrawlPlan& plan);
    void filterAndWrite(const QList<CrawlPlan::Item>& items, ScanSummary& summary);
    void recordFailure(const QString& message);

    CatalogEntry catalog_;
    std::atomic<bool>* cancel_;
    IndexStore store_;
    ExcludeRules rules_;
    FilterHost host_;
    Progress progress_;
    QList<QByteArray> walkedFolders_;
};

} // namespace tessellon
