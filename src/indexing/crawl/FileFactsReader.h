// Turns what statx reports of a directory entry (not following a link) into
// the document's file system properties: times, size and the attribute flags
// of the statement dialect (ReadOnly, Hidden, Directory, Archive, Device,
// Normal, Sparse, Reparse Point, and Compressed and Encrypted where the file
// system says so).
#pragma once

#include "indexing/store/DocumentRecord.h"

#include <sys/stat.h>

namespace tessellon::FileFactsReader {

struct Entry {
    struct stat st; // type, size, blocks, times, device and inode
    std::uint64_t statxAttributes = 0;
};

// Reads the entry `name` of the open folder `folderFd`; false with errno set
// when it cannot be read.
bool readEntry(int folderFd, const char* name, Entry& entry);

FileFacts fromEntry(const QByteArray& directory, const QByteArray& name, const Entry& entry);

} // namespace tessellon::FileFactsReader
