// The result list's small file icons: one icon per file type, looked up by
// MIME type in the desktop's icon theme and kept in a list, so a row carries
// only the icon's index.
#pragma once

#include <QHash>
#include <QIcon>
#include <QVector>

namespace tessellon {

class FileIconList {
public:
    // The index of the icon for the file at `path`, adding it on first use.
    int indexFor(const QString& path);
    // The icon at `index`; a null icon for an index the list does not hold.
    QIcon icon(int index) const;
    int size() const { return int(icons_.size()); }

private:
    QVector<QIcon> icons_;
    QHash<QString, int> indexByMimeType_;
};

} // namespace tessellon
