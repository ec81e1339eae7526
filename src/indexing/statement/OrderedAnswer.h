// An answer whose rows carry their place in the statement's order: the
// values the engine sorted them by, then the place of their catalog in the
// FROM part and their path bytes, the engine's own tie-breakers. The answers
// of the parts of one statement, each sorted so, merge into the answer the
// whole statement has.
#pragma once

#include "indexing/statement/StatementRecordSet.h"

#include <QByteArray>
#include <variant>

namespace tessellon::statement {

// A text as SQLite hands it out: its UTF-8 bytes.
struct SortText {
    QByteArray utf8;
    bool operator==(const SortText&) const = default;
};
// A value as SQLite sorts it: null, then numbers, then texts, then blobs.
using SortValue = std::variant<std::monostate, std::int64_t, double, SortText, QByteArray>;
using RowPlace = std::vector<SortValue>;

struct OrderedAnswer {
    QStringList names;
    std::vector<StatementRecordSet::Row> rows;
    std::vector<RowPlace> places; // one per row, or none when not asked for
};

struct KeyOrder {
    bool descending = false;
    bool collated = false; // texts in the name collation, else byte for byte
};

// Below zero when a comes first, zero when they tie, above zero otherwise.
int comparePlaces(const RowPlace& a, const RowPlace& b, const std::vector<KeyOrder>& order);

// The rows of all parts in order, the first maxRecords of them (0: all).
OrderedAnswer mergeAnswers(std::vector<OrderedAnswer> parts, const std::vector<KeyOrder>& order,
                           int maxRecords);

} // namespace tessellon::statement
