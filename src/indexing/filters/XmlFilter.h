// XML: the character data of every element, a line per element, and the
// first <title> element (as in XHTML, RSS or DocBook) as DocTitle. A
// document that is not well-formed gives the text read up to the fault.
#pragma once

#include "indexing/filters/FilterResult.h"

#include <QByteArray>

namespace tessellon::XmlFilter {

FilterResult extract(const QByteArray& bytes);

} // namespace tessellon::XmlFilter
