// The zip-based office formats: OOXML (docx, xlsx, pptx and their macro and
// template forms) and ODF (odt, ods, odp and friends): their text and their
// core properties (title, subject, creator, keywords, description).
#pragma once

#include "indexing/filters/FilterResult.h"

#include <QByteArray>

namespace tessellon::OfficeFilters {

FilterResult extractOoxml(const QByteArray& path);
FilterResult extractOdf(const QByteArray& path);

} // namespace tessellon::OfficeFilters
