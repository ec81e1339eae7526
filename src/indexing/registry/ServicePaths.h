// Where the indexing service keeps its files: the config folder with the
// catalog registry, and the data folder with the default catalog locations and
// the daemon's lock file. Both can be moved by environment variables, which
// is also how tests keep to a temporary folder.
#pragma once

#include <QString>

namespace tessellon::ServicePaths {

// $TESSELLON_CONFIG_DIR, else $XDG_CONFIG_HOME/Korvane/Tessellon
// (XDG_CONFIG_HOME defaults to ~/.config).
QString configDir();
// $TESSELLON_DATA_DIR, else $XDG_DATA_HOME/Korvane/Tessellon
// (XDG_DATA_HOME defaults to ~/.local/share).
QString dataDir();

QString registryFile();
QString defaultLocation(const QString& catalogName);
// The daemon holds an exclusive lock on this file while it runs.
QString daemonLockFile();
// The file name of a catalog's store inside its Location.
QString storeFile(const QString& location);
// Its presence beside a catalog's store asks the daemon for a full
// comparison of the catalog now.
QString rescanRequestFile(const QString& location);

} // namespace tessellon::ServicePaths
