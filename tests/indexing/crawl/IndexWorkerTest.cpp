#include "FullTextDamage.h"
#include "ServiceSandbox.h"

#include "common/PathCodec.h"
#include "indexing/crawl/IndexWorker.h"
#include "indexing/registry/ServicePaths.h"
#include "indexing/store/StoreDamage.h"
#include "support/QtPrinters.h"

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

INSTANTIATE_TEST_SUITE_P(
    Table, WorkerMeetsDamage,
    ::testing::Values(DamageCase{"MetByTheWriter",
                                 [](const QString& file) { damageFullTextStructure(file); }},
                      DamageCase{"MetByAReader", [](const QString& file) {
                                     StoreDamage::mark(file, "database disk image is malformed");
                                 }}));

} // namespace
