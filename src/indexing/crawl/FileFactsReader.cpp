#include "indexing/crawl/FileFactsReader.h"

#include "common/PathCodec.h"

#include <fcntl.h>
#include <sys/sysmacros.h>

namespace tessellon::FileFactsReader {

namespace {

enum Attribute : std::uint32_t {
    ReadOnly = 0x1,
    Hidden = 0x2,
    Directory = 0x10,
    Archive = 0x20,
    Device = 0x40,
    Normal = 0x80,
    Sparse = 0x200,
    ReparsePoint = 0x400,
    Compressed = 0x800,
    Encrypted = 0x4000,
};

std::int64_t nanoseconds(const struct timespec& t) {
    return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

std::int64_t milliseconds(const struct timespec& t) {
    return std::int64_t(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

struct timespec timeOf(const struct statx_timestamp& t) {
    return {t.tv_sec, t.tv_nsec};
}

std::uint32_t attributes(const QByteArray& name, const FileFactsReader::Entry& entry) {
    const struct stat& st = entry.st;
    std::uint32_t a = 0;
    if (!(st.st_mode & S_IWUSR))
        a |= ReadOnly;
    if (name.startsWith('.'))
        a |= Hidden;
    if (S_ISDIR(st.st_mode))
        a |= Directory;
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        a |= Device;
    if (S_ISLNK(st.st_mode))
        a |= ReparsePoint;
    if (S_ISREG(st.st_mode)) {
        a |= Archive;
        if (std::int64_t(st.st_blocks) * 512 < std::int64_t(st.st_size))
            a |= Sparse;
        if (entry.statxAttributes & STATX_ATTR_COMPRESSED)
            a |= Compressed;
        if (entry.statxAttributes & STATX_ATTR_ENCRYPTED)
            a |= Encrypted;
        if (a == Archive)
            a |= Normal;
    }
    return a;
}

} // namespace

bool readEntry(int folderFd, const char* name, Entry& entry) {
    struct statx sx;
    if (::statx(folderFd, name, AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS, &sx) != 0)
        return false;
    entry.st = {};
    entry.st.st_mode = sx.stx_mode;
    entry.st.st_size = off_t(sx.stx_size);
    entry.st.st_blocks = blkcnt_t(sx.stx_blocks);
    entry.st.st_ino = ino_t(sx.stx_ino);
    entry.st.st_dev = makedev(sx.stx_dev_major, sx.stx_dev_minor);
    entry.st.st_mtim = timeOf(sx.stx_mtime);
    entry.st.st_ctim = timeOf(sx.stx_ctime);
    entry.st.st_atim = timeOf(sx.stx_atime);
    entry.statxAttributes = sx.stx_attributes & sx.stx_attributes_mask;
    return true;
}

FileFacts fromEntry(const QByteArray& directory, const QByteArray& name, const Entry& entry) {
    const struct stat& st = entry.st;
    FileFacts f;
    f.directory = directory;
    f.path = directory + '/' + name;
    f.filename = PathCodec::displayText(PathCodec::fromBytes(name));
    f.isDirectory = S_ISDIR(st.st_mode);
    f.isRegularFile = S_ISREG(st.st_mode);
    f.size = f.isDirectory ? 0 : std::int64_t(st.st_size);
    f.writeMs = milliseconds(st.st_mtim);
    f.createMs = milliseconds(st.st_ctim);
    f.accessMs = milliseconds(st.st_atim);
    f.attrib = attributes(name, entry);
    f.mtimeNs = nanoseconds(st.st_mtim);
    f.ctimeNs = nanoseconds(st.st_ctim);
    f.inode = std::int64_t(st.st_ino);
    return f;
}

} // namespace tessellon::FileFactsReader
