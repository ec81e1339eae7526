#include "gui/FileIconList.h"

#include <QApplication>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStyle>

namespace tessellon {

namespace {

// The theme's icon for the type, else its generic icon, else the style's
// file or folder icon (a desktop without an icon theme still shows one).
QIcon themeIcon(const QMimeType& type) {
    const bool folder = type.name() == u"inode/directory";
    const QIcon fallback =
        QApplication::style()->standardIcon(folder ? QStyle::SP_DirIcon : QStyle::SP_FileIcon);
    return QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName(), fallback));
}

} // namespace

int FileIconList::indexFor(const QString& path) {
    static const QMimeDatabase database;
    const QMimeType type = database.mimeTypeForFile(QFileInfo(path), QMimeDatabase::MatchExtension);
    const auto known = indexByMimeType_.constFind(type.name());
    if (known != indexByMimeType_.constEnd())
        return *known;
    icons_.append(themeIcon(type));
    const int index = int(icons_.size()) - 1;
    indexByMimeType_.insert(type.name(), index);
    return index;
}

QIcon FileIconList::icon(int index) const {
    if (index < 0 || index >= icons_.size())
        return {};
    return icons_[index];
}

} // namespace tessellon
