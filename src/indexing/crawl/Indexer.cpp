#include "indexing/crawl/Indexer.h"

#include "common/PathCodec.h"
#include "indexing/filters/FileContent.h"
#include "indexing/filters/FilterLimits.h"
#include "indexing/filters/InProcessFilters.h"
#include "indexing/registry/ServicePaths.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>

namespace tessellon {

namespace {

// A transaction ends after this many documents or this long, whichever comes
// first: large enough for few full-text merges, short enough that a stop
// request is answered at once.
constexpr int BatchDocuments = 2000;
constexpr int BatchMilliseconds = 1000;
constexpr std::size_t QueueCapacity = 64;
// A few large texts fill the queue before 64 documents do.
constexpr std::size_t QueueCapacityBytes = 32 << 20;
// The one store writer is what limits a scan; the filter threads yield the
// processor to it (they are faster, and wait on the full queue otherwise).
constexpr int FilterThreadNiceness = 10;

struct Filtered {
    qsizetype index;
    DocumentRecord record;

    // What the record holds in memory, roughly.
    std::size_t bytes() const {
        return std::size_t(record.utf8Text.capacity()) + record.tokens.bytes.capacity() +
               record.tokens.list.capacity() * sizeof(TextTokens::Token) +
               std::size_t(record.packedText.capacity());
    }
};

// Results travel from the filter threads to the writer through a small
// queue, bounded in documents and in bytes, so memory stays flat however many
// files wait and however large their texts are.
class ResultQueue {
public:
    void push(Filtered item) {
        const std::size_t bytes = item.bytes();
        std::unique_lock lock(mutex_);
        notFull_.wait(lock, [&] {
            return (items_.size() < QueueCapacity &&
                    (items_.empty() || bytes_ + bytes <= QueueCapacityBytes)) ||
                   closed_;
        });
        bytes_ += bytes;
        items_.push_back(std::move(item));
        notEmpty_.notify_one();
    }
    std::optional<Filtered> pop() {
        std::unique_lock lock(mutex_);
        notEmpty_.wait(lock, [&] { return !items_.empty() || producers_ == 0 || closed_; });
        if (items_.empty())
            return std::nullopt;
        bytes_ -= items_.front().bytes();
        Filtered item = std::move(items_.front());
        items_.pop_front();
        notFull_.notify_all();
        return item;
    }
    void setProducers(int n) { producers_ = n; }
    void producerDone() {
        std::lock_guard lock(mutex_);
        --producers_;
        notEmpty_.notify_all();
    }
    void close() {
        std::lock_guard lock(mutex_);
        closed_ = true;
        notFull_.notify_all();
        notEmpty_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable notFull_, notEmpty_;
    std::deque<Filtered> items_;
    std::size_t bytes_ = 0;
    int producers_ = 0;
    bool closed_ = false;
};

void yieldToTheWriter() {
    errno = 0;
    const int nice = ::getpriority(PRIO_PROCESS, 0); // this thread's
    if (errno == 0)
        ::setpriority(PRIO_PROCESS, 0, std::min(19, nice + FilterThreadNiceness));
}

QStringList ownFolders(const CatalogEntry& catalog) {
    return {catalog.location, ServicePaths::dataDir()};
}

} // namespace

Indexer::Indexer(const CatalogEntry& catalog, std::atomic<bool>* cancel,
                 IndexStore::OpenCheck check)
    : catalog_(catalog), cancel_(cancel), store_(ServicePaths::storeFile(catalog.location), check),
      rules_(catalog.excludes, ownFolders(catalog)), host_(FilterHost::defaultHelperPath()) {}

QList<QByteArray> Indexer::scopeRoots() const {
    QList<QByteArray> roots;
    for (const QString& scope : catalog_.scopes) {
        QByteArray root = PathCodec::toBytes(QDir::cleanPath(scope));
        while (root.size() > 1 && root.endsWith('/'))
            root.chop(1);
        roots << root;
    }
    return roots;
}

ScanSummary Indexer::updateAll() {
    Crawler crawler(rules_, cancel_);
    QList<QByteArray> roots;
    for (const QByteArray& root : scopeRoots()) {
        struct stat st;
        if (::stat(root.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) {
            crawler.keepBelow(root);
            recordFailure(QStringLiteral("The scope folder %1 cannot be read")
                              .arg(PathCodec::fromBytes(root)));
            continue;
        }
        roots << root;
    }
    const CrawlPlan plan = crawler.crawlDeep(roots, store_.knownDocuments());
    walkedFolders_ = plan.folders;
    return apply(plan);
}

ScanSummary Indexer::updateFolders(const QList<QByteArray>& folders) {
    CrawlPlan all;
    for (const QByteArray& folder : folders) {
        Crawler crawler(rules_, cancel_);
        const CrawlPlan plan =
            crawler.crawlShallow(folder, store_.knownInFolder(folder),
                                 [&](const QByteArray& f) { return store_.knownBelow(f); });
        all.toFilter += plan.toFilter;
        all.toRecord += plan.toRecord;
        all.factsChanged += plan.factsChanged;
        all.vanished += plan.vanished;
        all.folders += plan.folders;
        all.unreadable += plan.unreadable;
        all.unchanged += plan.unchanged;
    }
    walkedFolders_ = all.folders;
    return apply(all);
}

ScanSummary Indexer::apply(const CrawlPlan& plan) {
    ScanSummary summary;
    // A crawl cut short by a stop request has not listed every folder, and
    // what it did not reach would count as vanished: the store is left as it
    // was, for the next update.
    if (cancel_ && cancel_->load()) {
        summary.cancelled = true;
        return summary;
    }
    summary.unreadable = plan.unreadable;
    summary.unchanged = plan.unchanged;
    store_.begin();
    store_.setMeta(QStringLiteral("scan_state"), QStringLiteral("incomplete"));
    store_.setMeta(QStringLiteral("to_filter"), QString::number(plan.toFilter.size()));
    store_.setMeta(QStringLiteral("scan_total"), QString::number(plan.toFilter.size()));
    for (std::int64_t id : plan.vanished)
        store_.remove(id);
    summary.removed = plan.vanished.size();
    for (const CrawlPlan::Item& item : plan.toRecord) {
        DocumentRecord record;
        record.facts = item.facts;
        store_.put(std::move(record), item.existingId);
    }
    summary.recorded = plan.toRecord.size();
    for (const CrawlPlan::Item& item : plan.factsChanged)
        store_.updateFacts(item.facts, item.existingId);
    store_.commit();

    filterAndWrite(plan.toFilter, summary);

    summary.cancelled = cancel_ && cancel_->load();
    store_.begin();
    if (!summary.cancelled) {
        store_.setMeta(QStringLiteral("to_filter"), QStringLiteral("0"));
        store_.setMeta(QStringLiteral("scan_state"), QStringLiteral("complete"));
        store_.setMeta(QStringLiteral("unreadable"), QString::number(summary.unreadable));
        store_.setMeta(QStringLiteral("last_update"),
                       QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    }
    store_.commit();
    return summary;
}

void Indexer::filterAndWrite(const QList<CrawlPlan::Item>& items, ScanSummary& summary) {
    if (items.isEmpty())
        return;
    ResultQueue queue;
    std::atomic<qsizetype> next{0};
    const int workers = std::max(1, QThread::idealThreadCount());
    queue.setProducers(workers);
    std::vector<std::thread> threads;
    for (int w = 0; w < workers; ++w) {
        threads.emplace_back([&] {
            yieldToTheWriter();
            for (qsizetype i = next++; i < items.size(); i = next++) {
                if (cancel_ && cancel_->load())
                    break;
                const FileFacts& facts = items[i].facts;
                const FilterKind kind = FilterKinds::forName(facts.filename);
                DocumentRecord record;
                record.facts = facts;
                const FilterBudget budget(FilterLimits::DocumentTimeoutMs, cancel_);
                if (const std::optional<QString> why = FileContent::forbidden(facts.path))
                    record.content = FilterResult::unreadableFile(*why);
                else
                    record.content = FilterKinds::runsInHelper(kind)
                                         ? host_.filter(kind, facts.path, budget)
                                         : InProcessFilters::run(kind, facts.path, budget);
                struct stat now;
                record.content.vanished = record.content.state == FilterState::Failed &&
                                          ::lstat(facts.path.constData(), &now) != 0 &&
                                          errno == ENOENT;
                try {
                    store_.pack(record);
                } catch (const Error& e) {
                    // Kept by its properties and counted as failed, as when
                    // its filter fails (the writer packs what is left).
                    record = DocumentRecord();
                    record.facts = facts;
                    record.content = FilterResult::failed(e.message());
                }
                queue.push({i, std::move(record)});
            }
            queue.producerDone();
        });
    }

    QElapsedTimer sinceCommit;
    sinceCommit.start();
    std::int64_t done = 0;
    std::int64_t inBatch = 0;
    QString lastFailure;
    try {
        store_.begin();
        while (std::optional<Filtered> item = queue.pop()) {
            // A result cut short by a cancel request is not the document's
            // real state; it is left for the next run.
            if (cancel_ && cancel_->load())
                break;
            const CrawlPlan::Item& work = items[item->index];
            const FilterResult& content = item->record.content;
            if (content.vanished) {
                // Deleted since the crawl saw it: there is nothing to keep.
                if (work.existingId > 0) {
                    store_.remove(work.existingId);
                    ++summary.removed;
                }
            } else {
                if (content.state == FilterState::Failed) {
                    ++(content.unreadable ? summary.unreadable : summary.failed);
                    lastFailure = PathCodec::fromBytes(work.facts.path) + QStringLiteral(": ") +
                                  content.error;
                }
                summary.textBytes += item->record.utf8Text.size();
                store_.put(std::move(item->record), work.existingId);
            }
            ++done;
            if (++inBatch >= BatchDocuments || sinceCommit.elapsed() >= BatchMilliseconds) {
                store_.setMeta(QStringLiteral("to_filter"), QString::number(items.size() - done));
                store_.commit();
                store_.begin();
                inBatch = 0;
                sinceCommit.restart();
                if (progress_)
                    progress_(done, items.size());
            }
        }
        if (!lastFailure.isEmpty())
            store_.setMeta(QStringLiteral("last_error"), lastFailure);
        store_.setMeta(QStringLiteral("to_filter"), QString::number(items.size() - done));
        store_.commit();
    } catch (...) {
        queue.close();
        for (std::thread& t : threads)
            t.join();
        throw;
    }
    queue.close();
    for (std::thread& t : threads)
        t.join();
    summary.filtered = done;
    if (progress_)
        progress_(done, items.size());
}

void Indexer::recordFailure(const QString& message) {
    store_.begin();
    store_.setMeta(QStringLiteral("last_error"), message);
    store_.commit();
}

} // namespace tessellon
