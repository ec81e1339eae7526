// Runs the filter of a kind on a file in the calling process. The indexer
// calls it for the simple formats, under a budget; the filter helper calls it
// for the complex ones. Every failure, a spent budget too, comes back as a
// failed result, never as an exception.
#pragma once

#include "indexing/filters/FilterBudget.h"
#include "indexing/filters/FilterKind.h"
#include "indexing/filters/FilterResult.h"

#include <QByteArray>

namespace tessellon::InProcessFilters {

FilterResult run(FilterKind kind, const QByteArray& path, const FilterBudget& budget);

} // namespace tessellon::InProcessFilters
