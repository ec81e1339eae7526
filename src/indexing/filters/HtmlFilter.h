// HTML: the text a reader sees (tags, scripts and styles left out, character
// references decoded), the title, and the meta author, keywords and
// description (which becomes DocComments). Tolerant of any markup, however
// broken.
#pragma once

#include "indexing/filters/FilterBudget.h"
#include "indexing/filters/FilterResult.h"

#include <QByteArray>

namespace tessellon::HtmlFilter {

FilterResult extract(const QByteArray& bytes, const FilterBudget& budget = {});

} // namespace tessellon::HtmlFilter
