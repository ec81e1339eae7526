// One document (file or folder) as the store keeps it: the properties the
// file system gives, and what the filter found in it.
#pragma once

#include "indexing/filters/FilterResult.h"
#include "indexing/store/TextTokens.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace tessellon {

struct FileFacts {
    QByteArray path;      // raw bytes
    QByteArray directory; // raw bytes, without trailing "/"
    QString filename;     // display text of the name
    std::int64_t size = 0;
    std::int64_t writeMs = 0;
    std::int64_t createMs = 0;
    std::int64_t accessMs = 0;
    std::uint32_t attrib = 0;
    std::int64_t mtimeNs = 0;
    std::int64_t ctimeNs = 0;
    std::int64_t inode = 0;
    bool isRegularFile = false;
    bool isDirectory = false;
};

struct DocumentRecord {
    FileFacts facts;
    FilterResult content; // its text is dropped once packed
    // Made from the content by IndexStore::pack, on a filter thread, so the
    // one store writer has less to do.
    QString characterization;
    QByteArray utf8Text; // the content's text as the full-text index takes it
    TextTokens tokens;   // the terms the index makes of utf8Text
    QByteArray packedText;
    bool packed = false;
};

} // namespace tessellon
