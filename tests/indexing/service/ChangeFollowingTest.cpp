// The daemon's change following, in this process: when the kernel's queue
// of change notifications overflows, the changes it dropped are found by a
// full comparison instead of being lost; a store marked damaged is rebuilt.
#include "ServiceSandbox.h"

#include "indexing/registry/CatalogRegistry.h"
#include "indexing/registry/ServicePaths.h"
#include "indexing/service/IndexDaemon.h"
#include "indexing/store/StoreDamage.h"
#include "indexing/store/StoreFigures.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>

using namespace tessellon;

namespace {

int queuedEventsLimit() {
    QFile limit(QStringLiteral("/proc/sys/fs/inotify/max_queued_events"));
    return limit.open(QIODevice::ReadOnly) ? limit.readAll().trimmed().toInt() : 0;
}

// Runs the event loop (where the daemon reads its notifications) until the
// condition holds.
bool serveUntil(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (condition())
            return true;
        QThread::msleep(10);
    }
    return condition();
}

bool scanComplete(const ServiceSandbox& sandbox) {
    try {
        return StoreFigures::read(sandbox.storeFile("Docs")).scanComplete;
    } catch (const std::exception&) {
        return false; // not created yet
    }
}

} // namespace

// A daemon in this process over the catalog Docs, whose scope holds the
// given files (path below the scope, content).
class ChangeFollowing : public ::testing::Test {
protected:
    void startDaemon(const QList<QPair<QString, QByteArray>>& files) {
        const QString scope = sandbox.dir().mkdir("corpus");
        for (const auto& [path, content] : files)
            sandbox.dir().write("corpus/" + path, content);
        ASSERT_EQ(sandbox.admin({"add", "Docs", "--scope", scope}).exitCode, 0);
        daemon = std::make_unique<IndexDaemon>(CatalogRegistry(ServicePaths::registryFile()), log);
        daemon->start();
    }
    void TearDown() override {
        if (daemon)
            daemon->shutdown();
    }

    ServiceSandbox sandbox;
    QString logText;
    QTextStream log{&logText};
    std::unique_ptr<IndexDaemon> daemon;
};

TEST_F(ChangeFollowing, AChangeBetweenReadingAFolderAndWatchingItIsFound) {
    ASSERT_NO_FATAL_FAILURE(startDaemon({{"inner/first.txt", "aardvark"}}));
    // The scan ends on the worker's thread; the watches are set when this
    // thread serves the daemon's events again, so a file written now comes
    // after its folder was read and before it is watched.
    QElapsedTimer clock;
    clock.start();
    while (!scanComplete(sandbox) && clock.elapsed() < 60000)
        QThread::msleep(10);
    ASSERT_TRUE(scanComplete(sandbox));
    sandbox.dir().write("corpus/inner/second.txt", "quokka");
    EXPECT_TRUE(serveUntil([&] { return sandbox.matches("Docs", "quokka"); }, 60000))
        << logText.toStdString();
}

TEST_F(ChangeFollowing, AnOverflowOfTheChangeQueueFallsBackToAFullComparison) {
    const int limit = queuedEventsLimit();
    if (limit <= 0 || limit > 100000)
        GTEST_SKIP() << "the change queue holds " << limit << " events: too many to overflow here";
    ASSERT_NO_FATAL_FAILURE(
        startDaemon({{"burst/first.txt", "aardvark"}, {"quiet/first.txt", "badger"}}));
    // The first scan has ended and the folders are watched when it reports.
    ASSERT_TRUE(serveUntil([&] { return logText.contains("Docs: 2 filtered"); }, 60000))
        << logText.toStdString();

    // While the daemon does not read its notifications, a burst of new files
    // in one folder fills the queue; the change in the other folder comes
    // after it and is dropped by the kernel.
    for (int i = 0; i < limit / 2 + 1000; ++i)
        sandbox.dir().write(QString("corpus/burst/n%1.txt").arg(i), QByteArray());
    sandbox.dir().write("corpus/quiet/late.txt", "zebra");

    EXPECT_TRUE(serveUntil([&] { return sandbox.matches("Docs", "zebra"); }, 120000))
        << logText.toStdString();
    EXPECT_TRUE(logText.contains("change notifications overflowed")) << logText.toStdString();
}

TEST_F(ChangeFollowing, AStoreAReaderFoundDamagedIsRebuiltAtOnce) {
    ASSERT_NO_FATAL_FAILURE(startDaemon({{"first.txt", "aardvark"}}));
    ASSERT_TRUE(serveUntil([&] { return logText.contains("1 filtered"); }, 30000))
        << logText.toStdString();
    StoreDamage::mark(sandbox.storeFile("Docs"), "database disk image is malformed");
    ASSERT_TRUE(serveUntil(
        [&] {
            return logText.contains("moved to") && scanComplete(sandbox) &&
                   StoreDamage::marked(sandbox.storeFile("Docs")).isEmpty();
        },
        30000))
        << logText.toStdString();
    EXPECT_TRUE(sandbox.matches("Docs", "aardvark"));
}
