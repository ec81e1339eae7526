// The office formats: OOXML (docx, xlsx, pptx and their macro and template
// forms) and ODF (odt, ods, odp and friends), both zip containers, and flat
// ODF (fodt, fods, fodp, fodg), one plain XML document: their text and their
// core properties (title, subject, creator, keywords, description).
#pragma once

#include "indexing/filters/FilterResult.h"

#include <QByteArray>

namespace tessellon::OfficeFilters {

FilterResult extractOoxml(const QByteArray& path);
FilterResult extractOdf(const QByteArray& path);
// The document's bytes, not its path.
FilterResult extractFlatOdf(const QByteArray& document);

} // namespace tessellon::OfficeFilters
