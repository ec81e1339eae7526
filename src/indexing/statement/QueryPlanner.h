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

#include "indexing/statement/OrderedAnswer.h"
#include "indexing/statement/QueryPlan.h"
#include "indexing/statement/Statement.h"
#include "indexing/store/NameCollation.h"

#include <QStringList>

namespace tessellon::statement {

// Names of the SQL functions and collation the executor registers.
inline constexpr const char* CollationName = NameCollation::Name;
inline constexpr const char* MatchFunction = "tessellon_match";
inline constexpr const char* MatchEntryFunction = "tessellon_match_entry";
inline constexpr const char* HitsFunction = "tessellon_hits";

// A statement over one whole catalog, ordered by Filename ascending and capped,
// that uses neither Rank nor HitCount and otherwise tests only names and
// paths, is a name-order candidate. Its full-text match, if any, is read once
// into the table MatchedIds and counted; then either the store's name index is
// walked until enough rows are found (when there is no match or it holds a
// large part of the catalog) or the matched documents are sorted.
struct NameOrderCandidate {
    QString match; // the FTS5 text of the driving match; empty when none
};
std::optional<NameOrderCandidate> nameOrderCandidate(const Statement& statement, int maxRecords);
inline constexpr const char* MatchedIds = "temp.tessellon_matched";
// How many matches make walking the name index beat sorting the matches: the
// walk reads about maxRecords * documents / matches index entries, the other
// way every match.
std::int64_t nameWalkThreshold(std::int64_t documents, int maxRecords);
// The plan of a candidate on the attached `schema`, with MatchedIds filled.
QueryPlan planNameOrder(const Statement& statement, const QString& schema, int maxRecords,
                        bool walkNames, bool withPlaces);

// schemas[i] is the attached schema name of statement.sources[i]. The plan
// refers to patterns inside the statement, which must outlive it.
// maxRecords 0 means no cap. withPlaces adds each row's place in the order
// (OrderedAnswer) as the columns after the selected ones.
QueryPlan planQuery(const Statement& statement, const QStringList& schemas, int maxRecords,
                    bool withPlaces);

// How the places of the statement's rows compare: its ORDER BY (by default
// Rank, descending), then catalog and path.
std::vector<KeyOrder> placeOrder(const Statement& statement);

} // namespace tessellon::statement
