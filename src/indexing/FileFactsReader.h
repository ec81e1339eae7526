// Turns what lstat reports of a directory entry into the document's file
// system properties: times, size and the attribute flags of the statement
// dialect (ReadOnly, Hidden, Directory, Archive, Device, Normal, Sparse,
// Reparse Point).
#pragma once

#include "indexing/DocumentRecord.h"

#include <sys/stat.h>

namespace tessellon::FileFactsReader {

FileFacts fromStat(const QByteArray& directory, const QByteArray& name, const struct stat& st);

} // namespace tessellon::FileFactsReader
