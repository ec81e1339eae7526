// The program's very first start on a computer: with no catalog declared yet
// it creates the catalog "System" over the home folder and starts the
// indexing service, so that a new user has something to search at once.
#pragma once

#include "common/CatalogManagement.h"

namespace tessellon {

struct HomeFolders {
    QString home;
    // Folders inside the home that hold settings, caches and our own data,
    // which nobody searches.
    QStringList leftOut;

    // The user's home with the XDG data, cache and config folders (our own
    // data folder lies in the data folder unless moved, and the crawler
    // leaves it out wherever it is).
    static HomeFolders ofThisUser();
};

// What to tell the user in the status memo, or empty when catalogs exist
// already. The catalog is created even when the service cannot start.
QString createFirstCatalog(CatalogManagement& management, const HomeFolders& folders);

} // namespace tessellon
