// Converts a result column of the executor's SQL into the Variant the
// program reads: Path and Directory as text (from raw bytes), Size and
// WorkId as 64-bit integers, dates as UTC date-times, Attrib as 32-bit
// unsigned, Rank and HitCount as integers, DocKeywords as an array of texts.
#pragma once

#include "common/Variant.h"
#include "indexing/statement/Property.h"

#include <optional>

namespace tessellon {
class SqliteStatement;
}

namespace tessellon::statement {

Variant resultValue(Property property, const SqliteStatement& row, int column);

// Rank 0..1000 from a bm25 score (0 and up, higher is better); no score
// (no full-text condition) is 1000.
int rankOfScore(const std::optional<double>& score);

} // namespace tessellon::statement
