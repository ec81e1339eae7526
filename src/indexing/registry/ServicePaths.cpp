#include "indexing/registry/ServicePaths.h"

#include <QDir>

namespace tessellon::ServicePaths {

namespace {

QString fromEnvironment(const char* override, const char* xdgName, const char* xdgDefault) {
    const QString direct = qEnvironmentVariable(override);
    if (!direct.isEmpty())
        return QDir::cleanPath(direct);
    QString base = qEnvironmentVariable(xdgName);
    if (base.isEmpty())
        base = QDir::homePath() + QLatin1Char('/') + QLatin1String(xdgDefault);
    return QDir::cleanPath(base + QStringLiteral("/Korvane/Tessellon"));
}

} // namespace

QString configDir() {
    return fromEnvironment("TESSELLON_CONFIG_DIR", "XDG_CONFIG_HOME", ".config");
}

QString dataDir() {
    return fromEnvironment("TESSELLON_DATA_DIR", "XDG_DATA_HOME", ".local/share");
}

QString registryFile() {
    return configDir() + QStringLiteral("/catalogs.ini");
}

QString defaultLocation(const QString& catalogName) {
    return dataDir() + QStringLiteral("/catalogs/") + catalogName;
}

QString daemonLockFile() {
    return dataDir() + QStringLiteral("/tessellon-indexd.lock");
}

QString storeFile(const QString& location) {
    return location + QStringLiteral("/index.sqlite3");
}

QString rescanRequestFile(const QString& location) {
    return storeFile(location) + QStringLiteral("-rescan");
}

} // namespace tessellon::ServicePaths
