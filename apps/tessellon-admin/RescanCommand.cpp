// `rescan NAME`: brings a catalog's index up to date right here, without the
// daemon, with a progress line on stderr and a summary at the end. SIGINT or
// SIGTERM ends it after the current transaction.
#include "AdminCommand.h"

#include "indexing/crawl/Indexer.h"
#include "indexing/registry/CatalogRegistry.h"
#include "indexing/registry/ServicePaths.h"
#include "indexing/store/StoreDamage.h"

#include <QElapsedTimer>
#include <csignal>

namespace tessellon::admin {

namespace {

std::atomic<bool> cancelRequested{false};

void onSignal(int) {
    cancelRequested = true;
}

} // namespace

int rescanCatalog(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString name = singleArgument(args, QStringLiteral("catalog name"));
    const std::optional<CatalogEntry> entry =
        CatalogRegistry(ServicePaths::registryFile()).find(name);
    if (!entry)
        throw Error(QStringLiteral("Catalog '%1' does not exist").arg(name));
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    QElapsedTimer clock;
    clock.start();
    ScanSummary s;
    for (bool retried = false;; retried = true) {
        Indexer indexer(*entry, &cancelRequested);
        if (!indexer.notice().isEmpty())
            err << indexer.notice() << '\n';
        indexer.setProgress([&](std::int64_t done, std::int64_t total) {
            err << "\rRescanning " << entry->name << ": " << done << " of " << total
                << " documents filtered" << Qt::flush;
        });
        try {
            s = indexer.updateAll();
            break;
        } catch (const StoreDamagedError& e) {
            // The store is marked damaged now; opened once more, it is moved
            // aside and rebuilt.
            if (retried)
                throw;
            err << '\n' << e.message() << '\n';
        }
    }
    const double seconds = std::max<double>(clock.elapsed(), 1) / 1000.0;
    if (s.filtered > 0)
        err << '\n';
    out << entry->name << (s.cancelled ? ": rescan cancelled; " : ": ") << s.filtered
        << " documents filtered (" << s.failed << " failed), " << s.recorded
        << " other entries recorded, " << s.removed << " removed, " << s.unchanged << " unchanged, "
        << s.unreadable << " unreadable; " << QString::number(s.textBytes / 1048576.0, 'f', 1)
        << " MB of text in " << QString::number(seconds, 'f', 2) << " s\n";
    return s.cancelled ? 1 : 0;
}

} // namespace tessellon::admin
