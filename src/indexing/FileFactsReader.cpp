#include "indexing/FileFactsReader.h"

#include "common/PathCodec.h"

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
};

std::int64_t nanoseconds(const struct timespec& t) {
    return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

std::int64_t milliseconds(const struct timespec& t) {
    return std::int64_t(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

std::uint32_t attributes(const QByteArray& name, const struct stat& st) {
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
        if (a == Archive)
            a |= Normal;
    }
    return a;
}

} // namespace

FileFacts fromStat(const QByteArray& directory, const QByteArray& name, const struct stat& st) {
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
    f.attrib = attributes(name, st);
    f.mtimeNs = nanoseconds(st.st_mtim);
    f.ctimeNs = nanoseconds(st.st_ctim);
    f.inode = std::int64_t(st.st_ino);
    return f;
}

} // namespace tessellon::FileFactsReader
