// The order of texts in the index store: letter case ignored, ASCII compared
// byte by byte and anything beyond it by Unicode case folding. The store's
// index of file names is built in this order, so every connection that
// writes or checks a store registers it, as does the query engine, which
// sorts and compares texts with it.
#pragma once

struct sqlite3;

namespace tessellon::NameCollation {

inline constexpr const char* Name = "tessellon_nocase";

// Compares two UTF-8 texts in this order: below zero, zero or above zero.
int compare(const char* a, int lengthA, const char* b, int lengthB);

// SQLite's result code.
int registerWith(sqlite3* db);

} // namespace tessellon::NameCollation
