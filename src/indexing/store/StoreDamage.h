// What became of a store that SQLite found malformed. Damage that leaves the
// page structure whole (inside the full-text index, say) passes the open-time
// check and shows only later, in a rescan, the daemon or a query. Whoever
// meets it leaves a marker file beside the store with what was met: the
// store's writer moves a marked store aside and rebuilds it at its next open,
// and the catalog's figures show the damage until then.
#pragma once

#include "common/Error.h"

#include <QString>

namespace tessellon {

// SQLite found the store malformed (or not a database at all).
class StoreDamagedError : public FileError {
public:
    using FileError::FileError;
};

namespace StoreDamage {

// Marks the store, keeping what was met. A marker that cannot be written
// (a read-only folder) is left out: the damage is met again later.
void mark(const QString& storeFile, const QString& what);
// What was met, or empty when the store is not marked.
QString marked(const QString& storeFile);
// Removes the mark, once the store it was about has been moved aside.
void clear(const QString& storeFile);

} // namespace StoreDamage

} // namespace tessellon
