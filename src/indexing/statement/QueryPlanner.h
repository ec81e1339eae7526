// Turns a syntax tree into one SQLite SELECT. Each catalog becomes a
// sub-select on its attached store; UNION ALL joins them, and one ORDER BY
// (with the Unicode-aware case-insensitive collation for texts) and LIMIT
// apply to the whole.
//
// The positive full-text conditions at the top of the WHERE part drive the
// query: they become one FTS5 MATCH joined to `documents`, which also yields
// Rank (bm25) and HitCount. Other full-text conditions (under OR or NOT)
// become rowid sets. Scopes become ranges of raw path bytes so that the
// UNIQUE index on `path` serves deep scopes and the `directory` index
// serves shallow ones.
#pragma once

#include "indexing/statement/QueryPlan.h"
#include "indexing/statement/Statement.h"

#include <QStringList>

namespace tessellon::statement {

// Names of the SQL functions and collation the executor registers.
inline constexpr const char* CollationName = "tessellon_nocase";
inline constexpr const char* MatchFunction = "tessellon_match";
inline constexpr const char* MatchEntryFunction = "tessellon_match_entry";
inline constexpr const char* HitsFunction = "tessellon_hits";

// schemas[i] is the attached schema name of statement.sources[i]. The plan
// refers to patterns inside the statement, which must outlive it.
// maxRecords 0 means no cap.
QueryPlan planQuery(const Statement& statement, const QStringList& schemas, int maxRecords);

} // namespace tessellon::statement
