// What a crawl leaves out: entries whose name (or, for patterns with a "/",
// whose full path) matches an exclude pattern, and the folders that hold the
// service's own files (a catalog's Location, the data folder), which are
// never indexed even when they lie inside a scope.
#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QStringList>
#include <sys/stat.h>

namespace tessellon {

class ExcludeRules {
public:
    ExcludeRules(const QStringList& patterns, const QStringList& ownFolders);

    bool excludesName(const QByteArray& name, const QByteArray& path) const;
    bool isOwnFolder(const struct stat& st) const;

private:
    QList<QByteArray> namePatterns_;
    QList<QByteArray> pathPatterns_;
    QSet<QPair<quint64, quint64>> ownFolders_; // device, inode
};

} // namespace tessellon
