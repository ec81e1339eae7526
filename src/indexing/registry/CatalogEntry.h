// One catalog as the registry declares it: its name, the folder of its index
// store, the folders it indexes and what it leaves out, and whether the user
// stopped or paused it.
#pragma once

#include <QString>
#include <QStringList>

namespace tessellon {

enum class CatalogState { Running, Paused, Stopped };

struct CatalogEntry {
    QString name;
    QString location;
    QStringList scopes;
    QStringList excludes;
    CatalogState state = CatalogState::Running;
};

// Patterns every new catalog leaves out unless the user edits them away:
// version-control internals and caches nobody searches.
QStringList defaultExcludePatterns();

} // namespace tessellon
