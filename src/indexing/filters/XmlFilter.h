// XML: the character data of every element, a line per element, and the
// first <title> element (as in XHTML, RSS or DocBook) as DocTitle. A
// document that is not well-formed, or nested deeper than the filters'
// limit, gives the text read up to there.
#pragma once

#include "indexing/filters/FilterBudget.h"
#include "indexing/filters/FilterResult.h"

#include <QByteArray>

namespace tessellon::XmlFilter {

FilterResult extract(const QByteArray& bytes, const FilterBudget& budget = {});

} // namespace tessellon::XmlFilter
