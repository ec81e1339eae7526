// SQLite's full-text extension interface of a connection, through which
// tokenizers and auxiliary functions are found and registered.
#pragma once

struct sqlite3;
struct fts5_api;

namespace tessellon {

// Null when the SQLite library lacks FTS5.
fts5_api* fts5ApiOf(sqlite3* db);

} // namespace tessellon
