#include "common/PathCodec.h"
#include "indexing/crawl/ChangeWatcher.h"
#include "indexing/crawl/ExcludeRules.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tessellon;

TEST(ExcludeRules, MatchNamesPathsAndOwnFoldersByIdentity) {
    TempDir dir;
    const QString own = dir.mkdir("own");
    ASSERT_EQ(::symlink(own.toUtf8().constData(), dir.filePath("alias").toUtf8().constData()), 0);
    const ExcludeRules rules({".git", "*.tmp", "/srv/*/cache", ""}, {dir.filePath("alias")});
    EXPECT_TRUE(rules.excludesName(".git", "/a/.git"));
    EXPECT_TRUE(rules.excludesName("x.tmp", "/a/x.tmp"));
    EXPECT_FALSE(rules.excludesName("x.tmpl", "/a/x.tmpl"));
    EXPECT_TRUE(rules.excludesName("cache", "/srv/web/cache"));
    EXPECT_FALSE(rules.excludesName("cache", "/home/cache"));
    struct stat st;
    ASSERT_EQ(::stat(own.toUtf8().constData(), &st), 0);
    EXPECT_TRUE(rules.isOwnFolder(st));
    ASSERT_EQ(::stat(dir.path().toUtf8().constData(), &st), 0);
    EXPECT_FALSE(rules.isOwnFolder(st));
}

TEST(ChangeWatcher, ReportsTheFolderWhoseEntriesChanged) {
    TempDir dir;
    const QString folder = dir.mkdir("watched");
    ChangeWatcher watcher;
    QList<QPair<QString, QByteArray>> seen;
    QObject::connect(&watcher, &ChangeWatcher::folderChanged,
                     [&](const QString& catalog, const QByteArray& f) {
                         seen.append({catalog, f});
                     });
    watcher.watch("Docs", {PathCodec::toBytes(folder)});
    dir.write("watched/new.txt", "x");
    QElapsedTimer clock;
    clock.start();
    while (seen.isEmpty() && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.first().first, "Docs");
    EXPECT_EQ(seen.first().second, PathCodec::toBytes(folder));
    // A folder gone since the crawl is not blamed on the watch limit.
    watcher.watch("Docs", {"/no/such/folder"});
    EXPECT_EQ(watcher.watchesOverLimit(), 0);
}
