// What every document filter promises whatever the bytes: a result, never
// more text than the filters keep per document.
#pragma once

#include "FuzzSupport.h"

#include "indexing/filters/FilterBudget.h"
#include "indexing/filters/FilterLimits.h"
#include "indexing/filters/FilterResult.h"

#include <cstdlib>

namespace tessellon::fuzz {

inline void checkFiltered(const FilterResult& result) {
    if (result.text.size() > FilterLimits::MaxTextChars)
        abort();
}

// One input through a filter that reads bytes under a budget: a document's
// time, as the indexer gives it. Running out of it is a result too.
template <FilterResult (*Extract)(const QByteArray&, const FilterBudget&)>
int filterBytes(const std::uint8_t* data, std::size_t size) {
    const FilterBudget budget(FilterLimits::DocumentTimeoutMs, nullptr);
    try {
        checkFiltered(Extract(bytes(data, size), budget));
    } catch (const FilterBudgetError&) {
    }
    return 0;
}

} // namespace tessellon::fuzz
