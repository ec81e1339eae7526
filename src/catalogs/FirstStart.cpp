#include "catalogs/FirstStart.h"

#include "common/Error.h"

#include <QDir>
#include <QStandardPaths>

namespace tessellon {

HomeFolders HomeFolders::ofThisUser() {
    HomeFolders folders;
    folders.home = QDir::homePath();
    for (const auto location :
         {QStandardPaths::GenericDataLocation, QStandardPaths::GenericCacheLocation,
          QStandardPaths::GenericConfigLocation})
        folders.leftOut << QStandardPaths::writableLocation(location);
    return folders;
}

QString createFirstCatalog(CatalogManagement& management, const HomeFolders& folders) {
    if (management.hasRegistry())
        return {};
    CatalogDraft draft;
    draft.name = QStringLiteral("System");
    draft.folders = {folders.home};
    draft.excludes = management.defaultExcludes();
    const QString home = QDir::cleanPath(folders.home) + u'/';
    for (const QString& folder : folders.leftOut) {
        const QString clean = QDir::cleanPath(folder);
        if (clean.startsWith(home))
            draft.excludes << clean;
    }
    try {
        management.add(draft);
    } catch (const std::exception& e) {
        return QStringLiteral("Cannot create the catalog System over %1: %2")
            .arg(folders.home, errorMessage(e));
    }
    try {
        management.startService();
    } catch (const std::exception& e) {
        return QStringLiteral("Catalog System created over %1; the Indexing Service did not "
                              "start: %2")
            .arg(folders.home, errorMessage(e));
    }
    return QStringLiteral("Catalog System created over %1; indexing has started").arg(folders.home);
}

} // namespace tessellon
