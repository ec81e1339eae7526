// Walks folders below a catalog's scopes and compares what it finds with what
// the store knows, giving the work that brings the store up to date: new and
// changed files to filter, folders and other entries to record by their
// properties, unchanged documents whose properties changed, and the
// documents that vanished. It reads the file system only; it never writes.
//
// Symbolic links are recorded, never followed, and a folder met twice (a bind
// mount loop) is walked once. An entry that cannot be read is counted and
// skipped; what the store knows below an unreadable folder is kept, since
// nothing says it is gone.
#pragma once

#include "indexing/crawl/ExcludeRules.h"
#include "indexing/store/DocumentRecord.h"
#include "indexing/store/IndexStore.h"

#include <QList>
#include <functional>

namespace tessellon {

struct CrawlPlan {
    struct Item {
        FileFacts facts;
        std::int64_t existingId = 0;
    };
    QList<Item> toFilter;     // regular files that are new or changed
    QList<Item> toRecord;     // folders, links, devices: properties only
    QList<Item> factsChanged; // same content, other properties
    QList<std::int64_t> vanished;
    QList<QByteArray> folders; // every folder walked, for live watching
    std::int64_t unreadable = 0;
    std::int64_t unchanged = 0;
};

class Crawler {
public:
    using KnownBelow = std::function<QHash<QByteArray, IndexStore::Known>(const QByteArray&)>;

    Crawler(const ExcludeRules& rules, std::atomic<bool>* cancel);

    // Walks each root and all below it, against `known` (every document the
    // store holds below those roots). Documents in `known` that lie outside
    // every root and were not seen count as vanished too.
    CrawlPlan crawlDeep(const QList<QByteArray>& roots, QHash<QByteArray, IndexStore::Known> known);

    // Walks one folder without descending into the folders it holds, except
    // folders the store does not know yet (new ones), which are walked whole.
    // `known` holds the documents directly inside the folder; `knownBelow`
    // gives what lies below a folder that vanished.
    CrawlPlan crawlShallow(const QByteArray& folder, QHash<QByteArray, IndexStore::Known> known,
                           const KnownBelow& knownBelow);

    // Keeps what the store knows below a folder that cannot be walked now
    // (a scope that is missing, perhaps on a drive not mounted).
    void keepBelow(const QByteArray& folder) { unlisted_ << folder; }

private:
    enum class Descend { All, NewFoldersOnly };
    void walk(const QByteArray& root, Descend descend, QHash<QByteArray, IndexStore::Known>& known,
              CrawlPlan& plan);
    void classify(const FileFacts& facts, QHash<QByteArray, IndexStore::Known>& known,
                  CrawlPlan& plan);

    const ExcludeRules& rules_;
    std::atomic<bool>* cancel_;
    QSet<QPair<quint64, quint64>> visited_;
    QList<QByteArray> unlisted_;
};

} // namespace tessellon
