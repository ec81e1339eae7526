#include "ServiceSandbox.h"

#include "indexing/filters/FilterHost.h"
#include "indexing/store/StoreFigures.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

using namespace tessellon;

namespace {

// Many small files, enough that a scan takes a noticeable while.
QString writeCorpus(ServiceSandbox& sandbox, int files) {
    const QString scope = sandbox.dir().mkdir("corpus");
    for (int i = 0; i < files; ++i) {
        const QString words = QString("file%1 lorem ipsum dolor sit amet ").arg(i).repeated(40);
        sandbox.dir().write(QString("corpus/d%1/f%2.txt").arg(i % 37).arg(i), words.toUtf8());
    }
    return scope;
}

std::int64_t documents(const ServiceSandbox& sandbox) {
    return sandbox.figures("Docs").documents;
}

} // namespace

TEST(Faults, KillingARescanLeavesASoundStoreThatTheNextRunCompletes) {
    ServiceSandbox sandbox;
    const QString scope = writeCorpus(sandbox, 4000);
    ASSERT_EQ(sandbox.admin({"add", "Docs", "--scope", scope}).exitCode, 0);
    QProcess rescan;
    rescan.start(ServiceSandbox::binary("tessellon-admin"), {"rescan", "Docs"});
    ASSERT_TRUE(waitUntil([&] { return documents(sandbox) > 100; }, 30000));
    ::kill(pid_t(rescan.processId()), SIGKILL);
    rescan.waitForFinished();
    EXPECT_EQ(sandbox.integrityCheck("Docs"), "ok");
    EXPECT_FALSE(StoreFigures::read(sandbox.storeFile("Docs")).scanComplete);
    ASSERT_EQ(sandbox.admin({"rescan", "Docs"}).exitCode, 0);
    EXPECT_EQ(documents(sandbox), 4000 + 37);
    EXPECT_TRUE(StoreFigures::read(sandbox.storeFile("Docs")).scanComplete);
}

TEST(Faults, DaemonFollowsChangesAndEndsQuicklyAndSoundly) {
    ServiceSandbox sandbox;
    const QString scope = writeCorpus(sandbox, 3000);
    ASSERT_EQ(sandbox.admin({"add", "Docs", "--scope", scope}).exitCode, 0);
    ASSERT_EQ(sandbox.admin({"service", "start"}).exitCode, 0);
    EXPECT_EQ(sandbox.admin({"service", "start"}).exitCode, 0); // already running: fine
    ASSERT_TRUE(waitUntil([&] { return documents(sandbox) > 50; }, 30000));
    // Stopped in the middle of the first scan. The daemon runs at idle
    // priority, so on a loaded machine it may wait for a core: the bound here
    // only catches a stop that hangs (the measured time is well under 2 s).
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(sandbox.admin({"service", "stop"}).exitCode, 0);
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(sandbox.integrityCheck("Docs"), "ok");

    ASSERT_EQ(sandbox.admin({"service", "start"}).exitCode, 0);
    ASSERT_TRUE(waitUntil([&] { return documents(sandbox) == 3037; }, 60000));
    sandbox.dir().write("corpus/d1/live.txt", "platypus");
    QFile::remove(scope + "/d2/f2.txt");
    EXPECT_TRUE(waitUntil([&] { return sandbox.matches("Docs", "platypus"); }, 30000));
    EXPECT_TRUE(waitUntil([&] { return !sandbox.matches("Docs", "file2"); }, 30000));
    sandbox.dir().write("corpus/newdir/inner/deep.txt", "wombat");
    EXPECT_TRUE(waitUntil([&] { return sandbox.matches("Docs", "wombat"); }, 30000));

    // The daemon is the catalog's one writer while it runs.
    const CommandResult busy = sandbox.admin({"rescan", "Docs"});
    EXPECT_EQ(busy.exitCode, 1);
    EXPECT_TRUE(busy.err.contains("being written by another program")) << busy.err.toStdString();

    // A catalog added while the daemon runs is indexed at once.
    const QString second = sandbox.dir().mkdir("second");
    sandbox.dir().write("second/x.txt", "kookaburra");
    ASSERT_EQ(sandbox.admin({"add", "Second", "--scope", second}).exitCode, 0);
    EXPECT_TRUE(waitUntil(
        [&] {
            try {
                return sandbox.matches("Second", "kookaburra");
            } catch (const std::exception&) {
                return false; // not created yet
            }
        },
        30000));

    // A stopped catalog is left alone.
    ASSERT_EQ(sandbox.admin({"stop", "Docs"}).exitCode, 0);
    QThread::msleep(500);
    sandbox.dir().write("corpus/d1/ignored.txt", "echidna");
    QThread::msleep(1000);
    EXPECT_FALSE(sandbox.matches("Docs", "echidna"));
    EXPECT_EQ(sandbox.admin({"service", "stop"}).exitCode, 0);
}

TEST(Faults, KillingTheDaemonMidScanConvergesOnTheNextRun) {
    ServiceSandbox sandbox;
    const QString scope = writeCorpus(sandbox, 3000);
    ASSERT_EQ(sandbox.admin({"add", "Docs", "--scope", scope}).exitCode, 0);
    ASSERT_EQ(sandbox.admin({"service", "start"}).exitCode, 0);
    ASSERT_TRUE(waitUntil([&] { return documents(sandbox) > 50; }, 30000));
    QFile lock(sandbox.dataDir() + "/tessellon-indexd.lock");
    ASSERT_TRUE(lock.open(QIODevice::ReadOnly));
    ::kill(pid_t(lock.readAll().trimmed().toLongLong()), SIGKILL);
    ASSERT_TRUE(waitUntil(
        [&] {
            return sandbox.admin({"service", "status"}).exitCode == 3;
        },
        5000));
    EXPECT_EQ(sandbox.integrityCheck("Docs"), "ok");
    ASSERT_EQ(sandbox.admin({"rescan", "Docs"}).exitCode, 0);
    EXPECT_EQ(documents(sandbox), 3037);
}

namespace {

QString script(ServiceSandbox& sandbox, const char* name, const QByteArray& body) {
    const QString path = sandbox.dir().write(name, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace

TEST(Faults, FilterHelperThatHangsCrashesOrBabblesCostsOnlyItsDocument) {
    ServiceSandbox sandbox;
    const QByteArray path = "/tmp/whatever.pdf";
    struct Case {
        const char* name;
        QByteArray body;
        const char* message;
    };
    const Case cases[] = {{"hang", "exec sleep 30", "took longer"},
                          {"crash", "kill -SEGV $$", "crashed"},
                          {"babble", "echo garbage", "no usable answer"},
                          {"missing", "", "could not be started"}};
    for (const Case& c : cases) {
        const QString helper =
            c.body.isEmpty() ? sandbox.dir().filePath("nope") : script(sandbox, c.name, c.body);
        QElapsedTimer clock;
        clock.start();
        const FilterResult r =
            FilterHost(helper).filter(FilterKind::Pdf, path, FilterBudget(1000, nullptr));
        EXPECT_EQ(r.state, FilterState::Failed) << c.name;
        EXPECT_TRUE(r.error.contains(c.message)) << c.name << ": " << r.error.toStdString();
        EXPECT_LT(clock.elapsed(), 15000) << c.name;
    }
    std::atomic<bool> cancel{false};
    const QString hang = script(sandbox, "hang2", "exec sleep 30");
    QElapsedTimer clock;
    clock.start();
    std::thread canceller([&] {
        QThread::msleep(200);
        cancel = true;
    });
    const FilterResult r =
        FilterHost(hang).filter(FilterKind::Pdf, path, FilterBudget(60000, &cancel));
    canceller.join();
    EXPECT_TRUE(r.error.contains("cancelled"));
    EXPECT_LT(clock.elapsed(), 10000); // catches a cancel that is ignored
}
