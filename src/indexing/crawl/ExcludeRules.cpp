#include "indexing/crawl/ExcludeRules.h"

#include "common/PathCodec.h"

#include <fnmatch.h>

namespace tessellon {

ExcludeRules::ExcludeRules(const QStringList& patterns, const QStringList& ownFolders) {
    for (const QString& pattern : patterns) {
        if (pattern.isEmpty())
            continue;
        const QByteArray bytes = PathCodec::toBytes(pattern);
        (bytes.contains('/') ? pathPatterns_ : namePatterns_) << bytes;
    }
    // Folders are compared by device and inode, so another spelling of the
    // same folder (a symbolic link in the scope path) is caught as well.
    for (const QString& folder : ownFolders) {
        struct stat st;
        if (::stat(PathCodec::toBytes(folder).constData(), &st) == 0)
            ownFolders_.insert({quint64(st.st_dev), quint64(st.st_ino)});
    }
}

bool ExcludeRules::excludesName(const QByteArray& name, const QByteArray& path) const {
    for (const QByteArray& p : namePatterns_) {
        if (::fnmatch(p.constData(), name.constData(), FNM_PERIOD) == 0)
            return true;
    }
    for (const QByteArray& p : pathPatterns_) {
        if (::fnmatch(p.constData(), path.constData(), 0) == 0)
            return true;
    }
    return false;
}

bool ExcludeRules::isOwnFolder(const struct stat& st) const {
    return S_ISDIR(st.st_mode) && ownFolders_.contains({quint64(st.st_dev), quint64(st.st_ino)});
}

} // namespace tessellon
