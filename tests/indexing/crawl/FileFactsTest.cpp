// The attribute flags a directory entry gets from what the file system says.
#include "indexing/crawl/FileFactsReader.h"

#include <fcntl.h>
#include <gtest/gtest.h>

using namespace tessellon;

namespace {

struct AttributeCase {
    const char* name;
    const char* fileName;
    mode_t mode;
    std::int64_t size;
    std::int64_t blocks;
    std::uint64_t statxAttributes;
    std::uint32_t expected;
};

class AttributeFlags : public ::testing::TestWithParam<AttributeCase> {};

TEST_P(AttributeFlags, FollowTheEntry) {
    const AttributeCase& c = GetParam();
    FileFactsReader::Entry entry;
    entry.st = {};
    entry.st.st_mode = c.mode;
    entry.st.st_size = c.size;
    entry.st.st_blocks = c.blocks;
    entry.statxAttributes = c.statxAttributes;
    EXPECT_EQ(FileFactsReader::fromEntry("/d", c.fileName, entry).attrib, c.expected);
}

constexpr mode_t File = S_IFREG | 0644;

INSTANTIATE_TEST_SUITE_P(
    Entries, AttributeFlags,
    ::testing::Values(
        AttributeCase{"plain_file", "a.txt", File, 10, 8, 0, 0x20 | 0x80},
        AttributeCase{"read_only", "a.txt", S_IFREG | 0444, 10, 8, 0, 0x1 | 0x20},
        AttributeCase{"hidden", ".profile", File, 10, 8, 0, 0x2 | 0x20},
        AttributeCase{"folder", "docs", S_IFDIR | 0755, 4096, 8, 0, 0x10},
        AttributeCase{"link", "up", S_IFLNK | 0777, 2, 0, 0, 0x400},
        AttributeCase{"device", "null", S_IFCHR | 0666, 0, 0, 0, 0x40},
        AttributeCase{"sparse", "big.img", File, 1 << 20, 8, 0, 0x20 | 0x200},
        AttributeCase{"compressed", "a.txt", File, 10, 8, STATX_ATTR_COMPRESSED, 0x20 | 0x800},
        AttributeCase{"encrypted", "a.txt", File, 10, 8, STATX_ATTR_ENCRYPTED, 0x20 | 0x4000},
        AttributeCase{"other_statx_flags_ignored", "a.txt", File, 10, 8,
                      STATX_ATTR_IMMUTABLE | STATX_ATTR_APPEND, 0x20 | 0x80}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileFacts, ReadEntryReportsTheEntryNotTheLinkTarget) {
    const int root = ::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(root, 0);
    FileFactsReader::Entry tmp;
    EXPECT_TRUE(FileFactsReader::readEntry(root, "tmp", tmp));
    EXPECT_TRUE(S_ISDIR(tmp.st.st_mode));
    FileFactsReader::Entry missing;
    EXPECT_FALSE(FileFactsReader::readEntry(root, "no-such-entry-here", missing));
    EXPECT_EQ(errno, ENOENT);
    ::close(root);
}

} // namespace
