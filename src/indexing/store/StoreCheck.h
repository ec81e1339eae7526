// The check of a store's structure: SQLite's quick check of its pages and
// tables, then FTS5's own integrity check of the full-text index, which the
// quick check does not look into. Runs on any connection that has the store
// open, under its schema name.
#pragma once

#include "indexing/store/SqliteHandle.h"

#include <QString>

namespace tessellon::StoreCheck {

enum class Depth { Pages, PagesAndFullText };

// What is wrong with the store, or empty when the checks pass.
QString problem(SqliteHandle& db, const QString& schema, Depth depth);

} // namespace tessellon::StoreCheck
