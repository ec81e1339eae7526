#include "ServiceSandbox.h"

#include "common/PathCodec.h"
#include "indexing/crawl/Indexer.h"
#include "indexing/registry/ServicePaths.h"
#include "indexing/store/SqliteDatabase.h"
#include "indexing/store/StoreFigures.h"

#include <QDir>
#include <QFile>
#include <atomic>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tessellon;

namespace {

class IndexerTest : public ::testing::Test {
protected:
    IndexerTest() {
        scope = sandbox.dir().mkdir("scope");
        catalog = CatalogEntry{"Docs",
                               ServicePaths::defaultLocation("Docs"),
                               {scope},
                               defaultExcludePatterns(),
                               CatalogState::Running};
    }

    ScanSummary scan() {
        Indexer indexer(catalog, nullptr);
        return indexer.updateAll();
    }
    QByteArray bytes(const QString& relative) const {
        return PathCodec::toBytes(scope + '/' + relative);
    }
    QString write(const QString& relative, const QByteArray& content) {
        return sandbox.dir().write("scope/" + relative, content);
    }
    std::int64_t count(const char* sql) const { return sandbox.count("Docs", sql); }

    ServiceSandbox sandbox;
    QString scope;
    CatalogEntry catalog;
};

} // namespace

TEST_F(IndexerTest, RecordsEveryFileAndFolderBelowTheScopeButNotTheScope) {
    write("a.txt", "alpha words");
    write("sub/b.html", "<title>Bee</title>beta");
    write("sub/deeper/c.txt", "gamma");
    write(".git/config", "hidden from the index");
    write("skip.tmp", "excluded");
    catalog.excludes << "*.tmp";
    const ScanSummary s = scan();
    EXPECT_EQ(s.filtered, 3);
    EXPECT_EQ(s.recorded, 2);
    EXPECT_EQ(sandbox.paths("Docs"),
              QList<QByteArray>({bytes("a.txt"), bytes("sub"), bytes("sub/b.html"),
                                 bytes("sub/deeper"), bytes("sub/deeper/c.txt")}));
    EXPECT_EQ(count("SELECT count(*) FROM documents WHERE attrib & 16 AND size = 0 AND "
                    "filter_state = 2"),
              2);
    EXPECT_EQ(count("SELECT count(*) FROM documents WHERE title = 'Bee'"), 1);
    EXPECT_TRUE(sandbox.matches("Docs", "gamma"));
    EXPECT_TRUE(sandbox.matches("Docs", "filename: deeper"));
    EXPECT_FALSE(sandbox.matches("Docs", "excluded"));
    const StoreFigures f = StoreFigures::read(sandbox.storeFile("Docs"));
    EXPECT_TRUE(f.scanComplete);
    EXPECT_EQ(f.documents, 5);
    EXPECT_EQ(f.toFilter, 0);
}

TEST_F(IndexerTest, UpdatesOnlyWhatChangedAndForgetsWhatVanished) {
    write("a.txt", "oldword here");
    write("sub/b.txt", "bword");
    write("sub/deeper/c.txt", "cword");
    scan();
    const std::int64_t idOfA = count("SELECT id FROM documents WHERE filename = 'a.txt'");

    ScanSummary s = scan();
    EXPECT_EQ(s.filtered + s.recorded + s.removed, 0);
    EXPECT_EQ(s.unchanged, 5);

    EXPECT_EQ(count("SELECT count(*) FROM characterizations"), 3);

    write("a.txt", "newword and longer");
    QDir(scope + "/sub").removeRecursively();
    s = scan();
    EXPECT_EQ(s.filtered, 1);
    EXPECT_EQ(s.removed, 4);
    EXPECT_EQ(count("SELECT id FROM documents WHERE filename = 'a.txt'"), idOfA);
    // The summaries follow: the changed one replaced, the vanished ones gone.
    EXPECT_EQ(count("SELECT count(*) FROM characterizations"), 1);
    EXPECT_EQ(count("SELECT count(*) FROM characterizations WHERE text = 'newword and longer'"), 1);
    EXPECT_TRUE(sandbox.matches("Docs", "newword"));
    for (const char* gone : {"oldword", "bword", "cword"})
        EXPECT_FALSE(sandbox.matches("Docs", gone)) << gone;
    EXPECT_EQ(sandbox.integrityCheck("Docs"), "ok");

    write("a.txt", "");
    scan();
    EXPECT_EQ(count("SELECT count(*) FROM characterizations"), 0);
}

TEST_F(IndexerTest, ForgetsEveryOldTermOfAChangedDocument) {
    // Accents, letter case, punctuation, digits, a term too long to be
    // numbered, and text in other scripts: all must leave the index whole.
    const QByteArray longTerm = QByteArray("x").repeated(60);
    write("a.txt", "Caf\xc3\xa9 CRÈME-brûlée, na\xc3\xafve 42x \xce\xb1\xce\xb2\xce\xb3 " +
                       longTerm + " \xe6\x97\xa5\xe6\x9c\xac");
    scan();
    EXPECT_TRUE(sandbox.matches("Docs", "cafe AND creme AND brulee"));
    EXPECT_TRUE(sandbox.matches("Docs", QString::fromLatin1(longTerm)));
    write("a.txt", "entirely different");
    scan();
    for (const char* gone : {"cafe", "creme", "naive", "42x", "αβγ", "日本"})
        EXPECT_FALSE(sandbox.matches("Docs", QString::fromUtf8(gone))) << gone;
    EXPECT_FALSE(sandbox.matches("Docs", QString::fromLatin1(longTerm)));
    EXPECT_TRUE(sandbox.matches("Docs", "different"));
    QFile::remove(scope + "/a.txt");
    scan();
    EXPECT_FALSE(sandbox.matches("Docs", "different"));
    EXPECT_EQ(sandbox.integrityCheck("Docs"), "ok");
}

TEST_F(IndexerTest, RanksAfterChangesAsIfTheDocumentsWereNew) {
    // Ranking uses the index's term totals; forgetting a document must take
    // off exactly what adding it put on, repeated words included.
    write("a.txt", "alpha alpha alpha beta gamma beta");
    write("b.txt", "alpha delta");
    write("c.txt", "alpha alpha zeta");
    scan();
    write("a.txt", "alpha epsilon");
    QFile::remove(scope + "/c.txt");
    scan();

    const QString fresh = sandbox.dir().mkdir("fresh");
    QFile::copy(scope + "/a.txt", fresh + "/a.txt");
    QFile::copy(scope + "/b.txt", fresh + "/b.txt");
    CatalogEntry other = catalog;
    other.name = "Fresh";
    other.location = ServicePaths::defaultLocation("Fresh");
    other.scopes = {fresh};
    Indexer(other, nullptr).updateAll();

    const auto ranks = [&](const QString& name) {
        SqliteDatabase db(sandbox.storeFile(name), SqliteDatabase::Mode::ReadOnly);
        SqliteStatement s(db, "SELECT d.filename, bm25(fulltext) FROM fulltext "
                              "JOIN documents d ON d.id = fulltext.rowid "
                              "WHERE fulltext MATCH 'alpha' ORDER BY d.filename");
        QStringList out;
        while (s.step())
            out << s.text(0) + '=' + s.text(1);
        return out;
    };
    EXPECT_EQ(ranks("Docs").size(), 2);
    EXPECT_EQ(ranks("Docs"), ranks("Fresh"));
    EXPECT_EQ(sandbox.integrityCheck("Docs"), "ok");
}

TEST_F(IndexerTest, KeepsNamesWithLineBreaksAndInvalidUtf8ByteExact) {
    const QByteArray odd[] = {QByteArray("line\nbreak.txt"), QByteArray("bad\xff\xfe.txt"),
                              QByteArray("tab\tand\r.txt")};
    for (const QByteArray& name : odd) {
        const QByteArray path = PathCodec::toBytes(scope) + '/' + name;
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, "oddname", 7), 7);
        ::close(fd);
    }
    EXPECT_EQ(scan().filtered, 3);
    const QList<QByteArray> paths = sandbox.paths("Docs");
    for (const QByteArray& name : odd)
        EXPECT_TRUE(paths.contains(PathCodec::toBytes(scope) + '/' + name)) << name.toStdString();
    EXPECT_EQ(count("SELECT count(*) FROM documents WHERE filename = 'bad"
                    "\xef\xbf\xbd\xef\xbf\xbd"
                    ".txt'"),
              1);
    EXPECT_EQ(scan().unchanged, 3); // the second pass finds them again by their bytes
}

TEST_F(IndexerTest, RecordsLinksDevicesAndSparseFilesWithoutReadingThrough) {
    sandbox.dir().mkdir("scope/loop");
    ASSERT_EQ(::symlink("..", bytes("loop/up").constData()), 0);
    ASSERT_EQ(::symlink("/nonexistent/target", bytes("dangling").constData()), 0);
    ASSERT_EQ(::mkfifo(bytes("pipe").constData(), 0644), 0);
    const int fd = ::open(bytes("sparse.txt").constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, std::int64_t(2) << 30), 0);
    ::close(fd);
    write("empty.txt", "");
    const ScanSummary s = scan();
    EXPECT_EQ(count("SELECT count(*) FROM documents"), 6);
    EXPECT_EQ(count("SELECT attrib FROM documents WHERE filename = 'up'"), 0x400);
    EXPECT_EQ(count("SELECT attrib & 0x200 FROM documents WHERE filename = 'sparse.txt'"), 0x200);
    EXPECT_EQ(count("SELECT size FROM documents WHERE filename = 'sparse.txt'"), std::int64_t(2)
                                                                                     << 30);
    EXPECT_EQ(count("SELECT count(*) FROM documents WHERE filter_state = 3"), 0);
    EXPECT_EQ(s.unreadable, 0);
}

TEST_F(IndexerTest, FollowsAScopeThatIsItselfALink) {
    write("real.txt", "through the link");
    const QString link = sandbox.dir().filePath("link");
    ASSERT_EQ(::symlink(scope.toUtf8().constData(), link.toUtf8().constData()), 0);
    catalog.scopes = {link};
    EXPECT_EQ(scan().filtered, 1);
    EXPECT_EQ(sandbox.paths("Docs"), QList<QByteArray>({PathCodec::toBytes(link) + "/real.txt"}));
}

TEST_F(IndexerTest, CountsAnUnreadableFolderAndKeepsWhatWasKnownBelowIt) {
    write("locked/inside.txt", "secret");
    scan();
    ASSERT_EQ(::chmod(bytes("locked").constData(), 0), 0);
    const ScanSummary s = scan();
    ::chmod(bytes("locked").constData(), 0755);
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every folder";
    EXPECT_EQ(s.unreadable, 1);
    EXPECT_EQ(s.removed, 0);
    EXPECT_TRUE(sandbox.paths("Docs").contains(bytes("locked/inside.txt")));
}

TEST_F(IndexerTest, NeverIndexesItsOwnLocationInsideTheScope) {
    catalog.location = scope + "/index-here";
    write("doc.txt", "content");
    scan();
    scan(); // the store exists now and must still be left out
    SqliteDatabase db(ServicePaths::storeFile(catalog.location), SqliteDatabase::Mode::ReadOnly);
    SqliteStatement paths(db, "SELECT filename FROM documents");
    ASSERT_TRUE(paths.step());
    EXPECT_EQ(paths.text(0), "doc.txt");
    EXPECT_FALSE(paths.step());
}

TEST_F(IndexerTest, MovesADamagedStoreAsideAndRebuilds) {
    write("doc.txt", "content");
    QDir().mkpath(catalog.location);
    QFile garbage(ServicePaths::storeFile(catalog.location));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(8192, 'x'));
    garbage.close();
    Indexer indexer(catalog, nullptr);
    EXPECT_TRUE(indexer.notice().contains("moved to")) << indexer.notice().toStdString();
    EXPECT_EQ(indexer.updateAll().filtered, 1);
    const QStringList aside = QDir(catalog.location).entryList({"*.damaged-*"});
    EXPECT_EQ(aside.size(), 1);
}

TEST_F(IndexerTest, MarksABrokenDocumentFailedAndRetriesItOnlyWhenItChanges) {
    write("broken.pdf", "%PDF-1.7 this is no pdf");
    write("fine.txt", "fine");
    ScanSummary s = scan();
    EXPECT_EQ(s.failed, 1);
    EXPECT_EQ(count("SELECT count(*) FROM documents WHERE filter_state = 3 AND "
                    "filter_error != ''"),
              1);
    EXPECT_FALSE(StoreFigures::read(sandbox.storeFile("Docs")).lastError.isEmpty());
    s = scan();
    EXPECT_EQ(s.filtered, 0);
    write("broken.pdf", "%PDF-1.7 still no pdf, but another one");
    EXPECT_EQ(scan().filtered, 1);
}

TEST_F(IndexerTest, FollowsChangesOfSingleFolders) {
    write("a/one.txt", "first");
    Indexer indexer(catalog, nullptr);
    indexer.updateAll();
    write("a/two.txt", "second");
    write("a/new/three.txt", "third");
    QFile::remove(scope + "/a/one.txt");
    const ScanSummary s = indexer.updateFolders({bytes("a")});
    EXPECT_EQ(s.filtered, 2);
    EXPECT_EQ(s.recorded, 1);
    EXPECT_EQ(s.removed, 1);
    EXPECT_TRUE(indexer.walkedFolders().contains(bytes("a/new")));
    QDir(scope + "/a").removeRecursively();
    EXPECT_EQ(indexer.updateFolders({PathCodec::toBytes(scope)}).removed, 4);
    EXPECT_EQ(count("SELECT count(*) FROM documents"), 0);
}

TEST_F(IndexerTest, AStopBeforeTheCrawlEndsForgetsNothing) {
    // A crawl cut short has not listed every folder; what it did not reach
    // must not count as vanished, in a full update or a folder's.
    write("a/one.txt", "first");
    write("b/two.txt", "second");
    scan();
    const std::int64_t documents = count("SELECT count(*) FROM documents");
    const std::function<ScanSummary(Indexer&)> updates[] = {
        [](Indexer& i) { return i.updateAll(); },
        [&](Indexer& i) {
            return i.updateFolders({bytes("a"), PathCodec::toBytes(scope)});
        }};
    std::atomic<bool> cancel{true};
    Indexer indexer(catalog, &cancel);
    for (const auto& update : updates) {
        const ScanSummary s = update(indexer);
        EXPECT_TRUE(s.cancelled);
        EXPECT_EQ(s.removed, 0);
        EXPECT_EQ(count("SELECT count(*) FROM documents"), documents);
        EXPECT_TRUE(sandbox.matches("Docs", "first"));
    }
}
