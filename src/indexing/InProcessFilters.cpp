#include "indexing/InProcessFilters.h"

#include "common/Error.h"
#include "indexing/FileContent.h"
#include "indexing/FilterLimits.h"
#include "indexing/HtmlFilter.h"
#include "indexing/OfficeFilters.h"
#include "indexing/PdfFilter.h"
#include "indexing/RtfFilter.h"
#include "indexing/TextFilter.h"
#include "indexing/XmlFilter.h"

namespace tessellon::InProcessFilters {

namespace {

FilterResult runChecked(FilterKind kind, const QByteArray& path) {
    switch (kind) {
    case FilterKind::None:
        return FilterResult{};
    case FilterKind::Pdf:
        return PdfFilter::extract(path);
    case FilterKind::Ooxml:
        return OfficeFilters::extractOoxml(path);
    case FilterKind::Odf:
        return OfficeFilters::extractOdf(path);
    default:
        break;
    }
    const QByteArray bytes = FileContent::read(path, FilterLimits::MaxReadBytes);
    switch (kind) {
    case FilterKind::Html:
        return HtmlFilter::extract(bytes);
    case FilterKind::Xml:
        return XmlFilter::extract(bytes);
    case FilterKind::Rtf:
        return RtfFilter::extract(bytes);
    default:
        // Empty files and binary content are indexed by their properties.
        return bytes.isEmpty() ? FilterResult{} : TextFilter::extract(bytes);
    }
}

} // namespace

FilterResult run(FilterKind kind, const QByteArray& path) {
    try {
        return runChecked(kind, path);
    } catch (const std::bad_alloc&) {
        return FilterResult::failed(QStringLiteral("out of memory while filtering"));
    } catch (const std::exception& e) {
        return FilterResult::failed(errorMessage(e));
    }
}

} // namespace tessellon::InProcessFilters
