// RTF: the body text (paragraphs as lines, \'hh bytes as Windows-1252, \uN
// characters) and the \info group's title, subject, author, keywords and
// comment. Font tables, pictures and other destinations are left out.
#pragma once

#include "indexing/filters/FilterBudget.h"
#include "indexing/filters/FilterResult.h"

#include <QByteArray>

namespace tessellon::RtfFilter {

FilterResult extract(const QByteArray& bytes, const FilterBudget& budget = {});

} // namespace tessellon::RtfFilter
