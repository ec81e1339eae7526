#include "FullTextDamage.h"
#include "ServiceSandbox.h"

#include "common/PathCodec.h"
#include "indexing/crawl/IndexWorker.h"
#include "indexing/registry/ServicePaths.h"
#include "indexing/store/IndexStore.h"
#include "indexing/store/StoreDamage.h"
#include "support/QtPrinters.h"

#include <QFileInfo>
#include <QMap>
#include <QThread>
#include <condition_variable>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>

using namespace tessellon;

namespace {

struct DamageCase {
    const char* name;
    std::function<void(const QString& storeFile)> damage;
};
TESSELLON_PRINT_CASE_BY_NAME(DamageCase)

class WorkerMeetsDamage : public ::testing::TestWithParam<DamageCase> {};

// The daemon's worker holds the store open when the damage is met, by
// itself or by a reader: the store is rebuilt whole at once, not left failing
// at every change.
TEST_P(WorkerMeetsDamage, RebuildsTheStoreWhole) {
    ServiceSandbox sandbox;
    const QString scope = sandbox.dir().mkdir("scope");
    for (int i = 0; i < 50; ++i)
        sandbox.dir().write(QString("scope/f%1.txt").arg(i), "lorem ipsum dolor sit amet");
    const CatalogEntry catalog{"Docs",
                               ServicePaths::defaultLocation("Docs"),
                               {scope},
                               defaultExcludePatterns(),
                               CatalogState::Running};
    std::mutex mutex;
    std::condition_variable changed;
    QStringList errors;
    IndexWorker worker(
        [&](const QString&, const QList<QByteArray>&, const ScanSummary&, const QString& error) {
            std::lock_guard lock(mutex);
            errors << error;
            changed.notify_all();
        });
    const auto waitFor = [&](const std::function<bool()>& condition) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(60), condition);
    };
    worker.updateAll(catalog);
    ASSERT_TRUE(waitFor([&] { return errors.size() == 1; }));

    GetParam().damage(sandbox.storeFile("Docs"));
    sandbox.dir().write("scope/new.txt", "a change");
    worker.updateFolders(catalog, {PathCodec::toBytes(scope)});
    ASSERT_TRUE(waitFor([&] { return !errors.filter("moved to").isEmpty(); }))
        << errors.join('\n').toStdString();
    worker.stop();
    EXPECT_EQ(sandbox.paths("Docs").size(), 51) << errors.join('\n').toStdString();
    EXPECT_EQ(sandbox.integrityCheck("Docs"), "ok");
}

// A catalog removed while another one is being scanned: the scan ends so the
// removed catalog's store closes at once and can be deleted (the daemon
// queues the kept catalogs again).
TEST(IndexWorker, DroppingACatalogClosesItsStoreDuringAnotherScan) {
    ServiceSandbox sandbox;
    const auto catalogOver = [&](const QString& name, int files) {
        const QString scope = sandbox.dir().mkdir(name);
        for (int i = 0; i < files; ++i)
            sandbox.dir().write(QString("%1/f%2.txt").arg(name).arg(i), "lorem ipsum dolor");
        return CatalogEntry{name,
                            ServicePaths::defaultLocation(name),
                            {scope},
                            defaultExcludePatterns(),
                            CatalogState::Running};
    };
    const CatalogEntry small = catalogOver("Small", 3);
    const CatalogEntry big = catalogOver("Big", 4000);
    std::mutex mutex;
    std::condition_variable changed;
    QMap<QString, ScanSummary> finished;
    IndexWorker worker([&](const QString& catalog, const QList<QByteArray>&,
                           const ScanSummary& summary, const QString&) {
        std::lock_guard lock(mutex);
        finished.insert(catalog, summary);
        changed.notify_all();
    });
    const auto waitFor = [&](const std::function<bool()>& condition) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(60), condition);
    };
    worker.updateAll(small);
    ASSERT_TRUE(waitFor([&] { return finished.contains("Small"); }));
    worker.updateAll(big);
    while (!QFileInfo::exists(sandbox.storeFile("Big")))
        QThread::msleep(5);
    worker.retain({"Big"});
    ASSERT_TRUE(waitFor([&] { return finished.contains("Big"); }));
    EXPECT_TRUE(finished["Big"].cancelled);
    EXPECT_TRUE(IndexStore::remove(sandbox.storeFile("Small"), 5000));
}

INSTANTIATE_TEST_SUITE_P(
    Table, WorkerMeetsDamage,
    ::testing::Values(DamageCase{"MetByTheWriter",
                                 [](const QString& file) { damageFullTextStructure(file); }},
                      DamageCase{"MetByAReader", [](const QString& file) {
                                     StoreDamage::mark(file, "database disk image is malformed");
                                 }}));

} // namespace
