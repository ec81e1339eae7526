// Plain text: tells text from binary content and decodes it with its
// charset (UTF-8 or UTF-16 by byte-order mark or by shape, else UTF-8 with
// Windows-1252 for the bytes that are not UTF-8).
#pragma once

#include "indexing/filters/FilterResult.h"

#include <QByteArray>

namespace tessellon::TextFilter {

// True when the first bytes look like text in one of the charsets above.
bool looksLikeText(const QByteArray& head);
FilterResult extract(const QByteArray& bytes);

} // namespace tessellon::TextFilter
