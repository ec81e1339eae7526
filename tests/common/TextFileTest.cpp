#include "common/TextFile.h"
#include "common/Error.h"
#include "common/PathCodec.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace tessellon;

namespace {

struct DecodeCase {
    const char* name;
    QByteArray bytes;
    QString text;
};
TESSELLON_PRINT_CASE_BY_NAME(DecodeCase)

class TextFileDecode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(TextFileDecode, Decodes) {
    EXPECT_EQ(TextFile::decode(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextFileDecode,
    ::testing::Values(
        DecodeCase{"utf8",
                   QByteArray("Gr\xC3\xBC\xC3\x9F"
                              "e"),
                   u"Grüße"_qs},
        DecodeCase{"utf8_bom", QByteArray("\xEF\xBB\xBFok"), u"ok"_qs},
        DecodeCase{"utf16le_bom", QByteArray("\xFF\xFEh\0i\0", 6), u"hi"_qs},
        DecodeCase{"utf16be_bom", QByteArray("\xFE\xFF\0h\0i", 6), u"hi"_qs},
        DecodeCase{"windows1252_bytes", QByteArray("caf\xE9 \x80"), u"café €"_qs},
        DecodeCase{"mixed", QByteArray("\xC3\xA9 and \xE9"), u"é and é"_qs},
        DecodeCase{"utf16le_without_bom", QByteArray("S\0E\0L\0 \0\xE9\0", 10), u"SEL é"_qs},
        DecodeCase{"utf16be_without_bom", QByteArray("\0S\0E\0L\0 \0\xE9", 10), u"SEL é"_qs}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextFile, SplitsAtEveryKindOfLineBreak) {
    EXPECT_EQ(TextFile::splitLines(u"a\r\nb\nc\rd\r\n"_qs),
              (QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs}));
    EXPECT_EQ(TextFile::splitLines(u"a\r\n\r\nb"_qs), (QStringList{u"a"_qs, u""_qs, u"b"_qs}));
}

TEST(TextFile, WritesUtf8WithCrLfAndReadsBack) {
    TempDir dir;
    const QString path = dir.filePath(u"out.txt"_qs);
    TextFile::writeLines(path, {u"Grüße"_qs, u""_qs, u"end"_qs});
    EXPECT_EQ(dir.read(u"out.txt"_qs), QByteArray("Gr\xC3\xBC\xC3\x9F"
                                                  "e\r\n\r\nend\r\n"));
    EXPECT_EQ(TextFile::readLines(path), (QStringList{u"Grüße"_qs, u""_qs, u"end"_qs}));
}

TEST(TextFile, FailuresNameThePathAndLeaveNoFile) {
    TempDir dir;
    const QString missingFolder = dir.filePath(u"no/such/folder/out.txt"_qs);
    try {
        TextFile::writeLines(missingFolder, {u"x"_qs});
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_TRUE(e.message().contains(missingFolder));
    }
    EXPECT_FALSE(QFile::exists(missingFolder));
}

// Only regular files of a sane size are read: a pipe would hold the program
// and a device would feed it without end.
TEST(TextFile, ReadsOnlyRegularFilesOfASaneSize) {
    TempDir dir;
    const QString fifo = dir.filePath(u"pipe"_qs);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile big(dir.filePath(u"big.SQL"_qs));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(TextFile::MaxBytes + 1));
    big.close();
    const struct {
        QString path;
        QString why;
    } refused[] = {{dir.filePath(u"absent.txt"_qs), u"No such file or directory"_qs},
                   {fifo, u"it is not a regular file"_qs},
                   {u"/dev/zero"_qs, u"it is not a regular file"_qs},
                   {dir.path(), u"it is not a regular file"_qs},
                   {big.fileName(), u"it is larger than 16 MB"_qs}};
    for (const auto& r : refused) {
        try {
            TextFile::readText(r.path);
            ADD_FAILURE() << r.path.toStdString();
        } catch (const FileError& e) {
            EXPECT_TRUE(e.message().contains(u'"' + r.path + u"\": "_qs + r.why))
                << e.message().toStdString();
        }
    }
}

TEST(PathCodec, RoundTripsBytesThatAreNotUtf8) {
    const QByteArray paths[] = {
        QByteArray("/home/u/plain.txt"),
        QByteArray("/home/u/caf\xE9.txt"),
        QByteArray("/home/u/line\nbreak"),
        QByteArray("/home/u/\xC3\xA9t\xE9\xFF\xC3"),
        QByteArray("/home/u/\xED\xA0\x80surrogate"),
    };
    for (const QByteArray& bytes : paths) {
        const QString text = PathCodec::fromBytes(bytes);
        EXPECT_EQ(PathCodec::toBytes(text), bytes) << bytes.toStdString();
    }
    EXPECT_EQ(PathCodec::fromBytes(QByteArray("/a/\xC3\xA9")), u"/a/é"_qs);
    EXPECT_EQ(PathCodec::displayText(PathCodec::fromBytes(QByteArray("x\xE9"))), u"x\uFFFD"_qs);
}

} // namespace
