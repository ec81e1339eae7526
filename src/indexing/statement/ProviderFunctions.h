// The functions and the collation the executor's SQL relies on, registered
// on its connection:
//  - the collation of NameCollation;
//  - tessellon_match(pattern, value), tessellon_match_entry(pattern, list):
//    a compiled PatternMatcher (bound as a pointer) applied to a text, a
//    path's bytes, or any line of a list;
//  - FTS5 auxiliary function tessellon_hits(fulltext): the number of phrase
//    hits in the row.
#pragma once

struct sqlite3;

namespace tessellon::statement {

// The pointer type name under which patterns are bound.
inline constexpr const char* MatcherPointerType = "tessellon_pattern";

// Throws ProviderError when a registration fails.
void registerProviderFunctions(sqlite3* db);

} // namespace tessellon::statement
