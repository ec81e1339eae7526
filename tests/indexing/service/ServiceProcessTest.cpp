#include "ServiceSandbox.h"

#include "indexing/registry/CatalogRegistry.h"
#include "indexing/registry/ServicePaths.h"
#include "indexing/service/DaemonLock.h"
#include "indexing/service/ServiceControl.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace tessellon;

TEST(ServiceProcesses, ConcurrentAddsAllLandInTheRegistry) {
    ServiceSandbox sandbox;
    const QString scope = sandbox.dir().mkdir("scope");
    std::vector<std::unique_ptr<QProcess>> adds;
    for (int i = 0; i < 8; ++i) {
        adds.push_back(std::make_unique<QProcess>());
        adds.back()->start(ServiceSandbox::binary("tessellon-admin"),
                           {"add", QString("C%1").arg(i), "--scope", scope});
    }
    for (auto& p : adds) {
        ASSERT_TRUE(p->waitForFinished(30000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }
    EXPECT_EQ(CatalogRegistry(ServicePaths::registryFile()).load().size(), 8);
}

TEST(ServiceProcesses, OnlyOneDaemonRunsPerUser) {
    ServiceSandbox sandbox;
    ASSERT_EQ(sandbox.admin({"service", "start"}).exitCode, 0);
    QProcess second;
    second.start(ServiceSandbox::binary("tessellon-indexd"));
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(second.readAllStandardError().contains("already running"));
    EXPECT_EQ(sandbox.admin({"service", "stop"}).exitCode, 0);
}

TEST(ServiceProcesses, RemoveTakesTheStoreButNotTheScope) {
    ServiceSandbox sandbox;
    const QString scope = sandbox.dir().mkdir("scope");
    sandbox.dir().write("scope/keep.txt", "mine");
    ASSERT_EQ(sandbox.admin({"add", "Docs", "--scope", scope}).exitCode, 0);
    ASSERT_EQ(sandbox.admin({"rescan", "Docs"}).exitCode, 0);
    ASSERT_TRUE(QFile::exists(sandbox.storeFile("Docs")));
    ASSERT_EQ(sandbox.admin({"remove", "docs"}).exitCode, 0);
    EXPECT_FALSE(QFile::exists(sandbox.storeFile("Docs")));
    EXPECT_FALSE(QDir(ServicePaths::defaultLocation("Docs")).exists());
    EXPECT_TRUE(QFile::exists(scope + "/keep.txt"));
    EXPECT_EQ(sandbox.admin({"list"}).out, "");
}

TEST(ServiceProcesses, StateCommandsChangeOnlyTheirCatalog) {
    ServiceSandbox sandbox;
    const QString scope = sandbox.dir().mkdir("scope");
    ASSERT_EQ(sandbox.admin({"add", "A", "--scope", scope}).exitCode, 0);
    ASSERT_EQ(sandbox.admin({"add", "B", "--scope", scope}).exitCode, 0);
    const CatalogRegistry registry(ServicePaths::registryFile());
    struct Step {
        const char* command;
        CatalogState state;
    };
    for (const Step& step :
         {Step{"pause", CatalogState::Paused}, Step{"resume", CatalogState::Running},
          Step{"stop", CatalogState::Stopped}, Step{"start", CatalogState::Running}}) {
        ASSERT_EQ(sandbox.admin({step.command, "a"}).exitCode, 0) << step.command;
        EXPECT_EQ(registry.find("A")->state, step.state) << step.command;
        EXPECT_EQ(registry.find("B")->state, CatalogState::Running) << step.command;
    }
}

TEST(ServiceProcesses, StartReturnsOnceTheLockNamesTheNewDaemon) {
    // A daemon at idle priority may hold its lock a while before it writes
    // its id over what the lock file held: nothing, or the id of a daemon
    // that was killed. The stand-in takes its time there.
    for (const QByteArray& before : {QByteArray(), QByteArray("999999\n")}) {
        ServiceSandbox sandbox;
        sandbox.dir().write("data/tessellon-indexd.lock", before);
        const QString daemon = sandbox.dir().write(
            "slow-daemon", "#!/bin/sh\nlock=\"$TESSELLON_DATA_DIR/tessellon-indexd.lock\"\n"
                           "exec 9>>\"$lock\"\nflock -n 9 || exit 1\nsleep 1\n"
                           "echo $$ >\"$lock\"\nexec sleep 30\n");
        QFile::setPermissions(daemon, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ServiceControl::start(daemon);
        pid_t holder = 0;
        ASSERT_TRUE(DaemonLock::isHeld(ServicePaths::daemonLockFile(), &holder));
        EXPECT_NE(holder, 999999) << before.toStdString();
        EXPECT_GT(holder, 0) << before.toStdString();
        EXPECT_NO_THROW(ServiceControl::stop());
        EXPECT_FALSE(ServiceControl::isRunning());
    }
}
