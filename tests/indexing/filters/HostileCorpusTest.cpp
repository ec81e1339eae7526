// A rescan over everything a disk can hold to hurt an indexer, made here at
// test time: zip bombs, entity expansion, broken and deeply nested
// documents, huge and sparse files, pipes, sockets, devices, link loops,
// names no shell likes, paths near the longest the system allows, and files
// that vanish or grow while they are read. The rescan ends, counts honestly,
// stays within its memory, and the catalog answers queries afterwards.
#include "ServiceSandbox.h"
#include "TestDocuments.h"

#include "common/PathCodec.h"
#include "indexing/store/SqliteDatabase.h"
#include "indexing/store/SqliteStatement.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <atomic>
#include <climits>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace tessellon;

namespace {

QByteArray bytesOf(const QString& path) {
    return PathCodec::toBytes(path);
}

void writeRaw(const QByteArray& path, const QByteArray& bytes) {
    QFile f(PathCodec::fromBytes(path));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

// Entity definitions that expand to a billion "lol"s if anyone expands them.
QByteArray billionLaughs() {
    QByteArray xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE w:document [\n<!ENTITY lol \"lol\">\n";
    for (int i = 1; i <= 9; ++i) {
        xml += "<!ENTITY lol" + QByteArray::number(i) + " \"";
        for (int j = 0; j < 10; ++j)
            xml += "&lol" + (i == 1 ? QByteArray() : QByteArray::number(i - 1)) + ";";
        xml += "\">\n";
    }
    return xml + "]>\n<w:document xmlns:w='w'><w:body><w:p><w:r><w:t>laughs &lol9;</w:t></w:r>"
                 "</w:p></w:body></w:document>";
}

// The documents that must fail, each for a reason of its own. (Expanded
// entities stop at the XML reader's limit, and what was read is kept, as
// for any broken XML.)
const QStringList MustFail = {"empty.docx", "malformed.pdf", "truncated.pdf"};

void writeCorpus(const QString& root) {
    const QByteArray r = bytesOf(root);
    writeRaw(r + "/canary.txt", "the hostile canary sings");
    writeRaw(r + "/empty.txt", "");
    writeRaw(r + "/empty.docx", "");
    // A member that unpacks to 256 MB from a quarter of a megabyte, and a
    // container of such containers.
    const QByteArray flood = "<w:document xmlns:w='w'><w:body><w:p><w:r><w:t>bomb " +
                             QByteArray(256 << 20, 'a') +
                             "</w:t></w:r></w:p></w:body></w:document>";
    writeZip(root + "/ratio.docx", {{"word/document.xml", flood}});
    QFile inner(root + "/ratio.docx");
    inner.open(QIODevice::ReadOnly);
    const QByteArray bomb = inner.readAll();
    writeZip(root + "/nested.odt",
             {{"content.xml", "<office:document-content xmlns:office='o' xmlns:text='t'>"
                              "<office:body><text:p>nested outer</text:p></office:body>"
                              "</office:document-content>"},
              {"a.zip", bomb},
              {"b.zip", bomb},
              {"c.zip", bomb}});
    writeZip(root + "/entities.docx", {{"word/document.xml", billionLaughs()}});
    const QByteArray pdf = onePagePdf("a readable pdf");
    writeRaw(r + "/truncated.pdf", pdf.left(pdf.size() / 3));
    writeRaw(r + "/malformed.pdf", "%PDF-1.7\n1 0 obj << /Kids [1 0 R] >> garbage \x01\x02\x03");
    writeRaw(r + "/deep.rtf",
             "{\\rtf1 " + QByteArray(100000, '{') + "deep" + QByteArray(100000, '}') + "}");
    writeRaw(r + "/attribute.html", "<html><body><p title=\"" + QByteArray(50 << 20, 'x') +
                                        "\">unclosed <b><i><div>never closed");
    // A file of 2 GB with no blocks behind it.
    QFile sparse(root + "/sparse.txt");
    sparse.open(QIODevice::WriteOnly);
    sparse.resize(qint64(2) << 30);
    sparse.close();
    ::mkfifo((r + "/pipe.txt").constData(), 0600);
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = r + "/socket.txt";
    if (socketPath.size() < qsizetype(sizeof address.sun_path)) {
        std::memcpy(address.sun_path, socketPath.constData(), std::size_t(socketPath.size()));
        ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    }
    ::close(s);
    if (::geteuid() == 0)
        ::mknod((r + "/device.txt").constData(), S_IFCHR | 0600, makedev(1, 3));
    ::symlink("loop-b", (r + "/loop-a").constData());
    ::symlink("loop-a", (r + "/loop-b").constData());
    ::symlink(".", (r + "/self").constData());
    writeRaw(r + "/bad\xff\xfe.txt", "invalid name");
    writeRaw(r + "/new\nline.txt", "newline name");
    writeRaw(r + "/-rf.txt", "dash name");
    writeRaw(r + "/--help.txt", "dashes name");
    // Folders down to near the longest path the system allows.
    QByteArray deep = r;
    while (deep.size() + 256 < PATH_MAX - 64) {
        deep += '/' + QByteArray(200, 'd');
        ::mkdir(deep.constData(), 0755);
    }
    writeRaw(deep + "/far.txt", "far away");
}

TEST(HostileCorpus, RescanEndsCountsHonestlyAndTheCatalogAnswers) {
    ServiceSandbox sandbox;
    const QString root = sandbox.dir().mkdir("hostile");
    writeCorpus(root);
    ASSERT_EQ(sandbox.admin({"add", "Hostile", "--scope", root}).exitCode, 0);

    // Files that vanish and grow while the rescan reads.
    std::atomic<bool> rescanning = true;
    std::thread churn([&] {
        const QByteArray r = bytesOf(root);
        for (int i = 0; rescanning; ++i) {
            writeRaw(r + "/vanish.txt", "here for a moment");
            ::unlink((r + "/vanish.txt").constData());
            QFile grow(root + "/grow.txt");
            grow.open(QIODevice::Append);
            grow.write(QByteArray(4096, 'g') + ' ');
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    // Measured by time(1): this process, made large by the corpus, would
    // count in its own children's peak.
    const CommandResult rescan = ServiceSandbox::run(
        "/usr/bin/time",
        {"-f", "peak %M KB", ServiceSandbox::binary("tessellon-admin"), "rescan", "Hostile"},
        QProcessEnvironment::systemEnvironment(), 180000);
    rescanning = false;
    churn.join();

    ASSERT_EQ(rescan.exitCode, 0) << rescan.err.toStdString();
    const QRegularExpressionMatch counts =
        QRegularExpression("(\\d+) documents filtered \\((\\d+) failed\\)").match(rescan.out);
    ASSERT_TRUE(counts.hasMatch()) << rescan.out.toStdString();
    // The rescan and its filter helpers (each under its own limit of
    // 1 GB) stay well within their memory; the zip bomb costs the most.
    const QRegularExpressionMatch peak = QRegularExpression("peak (\\d+) KB").match(rescan.err);
    ASSERT_TRUE(peak.hasMatch()) << rescan.err.toStdString();
    EXPECT_LT(peak.captured(1).toLongLong(), 512 * 1024);

    // Failed are exactly the documents that cannot be read, each with its
    // reason, and the count says so.
    SqliteDatabase store(sandbox.storeFile("Hostile"), SqliteDatabase::Mode::ReadOnly);
    SqliteStatement failed(store, "SELECT filename, filter_error FROM documents "
                                  "WHERE filter_state = 3 ORDER BY filename");
    QStringList failedNames;
    while (failed.step()) {
        failedNames << failed.text(0);
        EXPECT_FALSE(failed.text(1).isEmpty()) << failed.text(0).toStdString();
    }
    EXPECT_EQ(failedNames, MustFail);
    EXPECT_EQ(counts.captured(2).toInt(), MustFail.size());

    // Every name, however odd, is indexed; the catalog answers queries.
    for (const char* word : {"canary", "nested", "deep", "far", "invalid", "newline", "dash"}) {
        const CommandResult query = sandbox.admin(
            {"query", QStringLiteral("SELECT Filename FROM Hostile..SCOPE() WHERE CONTAINS('%1')")
                          .arg(word)});
        EXPECT_EQ(query.exitCode, 0) << word << query.err.toStdString();
        EXPECT_EQ(query.out.count('\n'), 2) << word << ": " << query.out.toStdString();
    }
    EXPECT_EQ(sandbox.integrityCheck("Hostile"), "ok");
}

} // namespace
