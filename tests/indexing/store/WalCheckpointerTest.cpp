// The store's log is folded back beside the writer and stays bounded however
// much one writer commits.
#include "indexing/store/WalCheckpointer.h"
#include "indexing/store/SqliteDatabase.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace tessellon;

TEST(WalCheckpointer, KeepsTheLogBoundedAndLosesNothing) {
    TempDir dir;
    const QString file = dir.filePath("store.sqlite3");
    SqliteDatabase db(file, SqliteDatabase::Mode::ReadWrite);
    db.exec("PRAGMA journal_mode=WAL");
    db.exec("CREATE TABLE pages (id INTEGER PRIMARY KEY, data BLOB)");
    const QByteArray page(4000, 'x');
    constexpr int RowsPerCommit = 2000; // about 2000 log frames
    constexpr int Commits = 40;         // well beyond the log's bound
    qint64 largestLog = 0;
    {
        WalCheckpointer checkpointer(db);
        SqliteStatement insert(db, "INSERT INTO pages (data) VALUES (?1)");
        for (int c = 0; c < Commits; ++c) {
            db.exec("BEGIN IMMEDIATE");
            for (int r = 0; r < RowsPerCommit; ++r)
                insert.bindBlob(1, page).run();
            db.exec("COMMIT");
            largestLog = std::max(largestLog, QFileInfo(file + "-wal").size());
        }
    }
    const qint64 frameBytes = 4096 + 24;
    EXPECT_LE(largestLog, (WalCheckpointer::MaxFrames + 2 * RowsPerCommit) * frameBytes);
    SqliteStatement count(db, "SELECT count(*) FROM pages");
    ASSERT_TRUE(count.step());
    EXPECT_EQ(count.integer(0), std::int64_t(RowsPerCommit) * Commits);
    SqliteStatement check(db, "PRAGMA integrity_check");
    ASSERT_TRUE(check.step());
    EXPECT_EQ(check.text(0), "ok");
}
