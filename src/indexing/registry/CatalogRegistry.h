// The catalog registry: catalogs.ini in the config folder, read and written
// in a stable order, which is the order in which the administration
// enumerates the catalogs. Changes are made under a lock file and replace the
// file only when complete, so the daemon and several tessellon-admin runs
// never see half a registry.
//
// The file is a plain INI text, one section per catalog:
//   [Docs]
//   Location=/home/u/.local/share/Korvane/Tessellon/catalogs/Docs
//   Scope=/home/u/Docs
//   Exclude=.git
//   State=running            (running, paused or stopped)
// Values are the raw bytes of paths; "\\" and "\n" are written as \\ and \n.
#pragma once

#include "indexing/registry/CatalogEntry.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace tessellon {

class CatalogRegistry {
public:
    explicit CatalogRegistry(QString file);

    const QString& file() const { return file_; }

    // The catalogs in registry order; a missing file holds none. Throws
    // FileError when the file exists but cannot be read or parsed.
    QList<CatalogEntry> load() const;
    std::optional<CatalogEntry> find(const QString& name) const;

    // Read, change and write back under the registry's lock; the change may
    // throw to abandon the edit.
    void modify(const std::function<void(QList<CatalogEntry>&)>& change) const;

    // Throws Error with a message that says what a catalog name may hold.
    static void checkName(const QString& name);
    // Index of the catalog with that name (letter case ignored), or -1.
    static qsizetype indexOf(const QList<CatalogEntry>& catalogs, const QString& name);

    // Throws Error naming the line of anything that makes no sense: a line
    // that is neither heading nor Key=value, an unknown key or state, an
    // invalid or repeated name, a relative path, a catalog without Location.
    static QList<CatalogEntry> parse(const QByteArray& content);
    static QByteArray serialize(const QList<CatalogEntry>& catalogs);

private:
    QString file_;
};

} // namespace tessellon
