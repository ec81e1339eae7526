#include "indexing/filters/InProcessFilters.h"

#include "common/Error.h"
#include "indexing/filters/FileContent.h"
#include "indexing/filters/FilterLimits.h"
#include "indexing/filters/HtmlFilter.h"
#include "indexing/filters/OfficeFilters.h"
#include "indexing/filters/PdfFilter.h"
#include "indexing/filters/RtfFilter.h"
#include "indexing/filters/TextFilter.h"
#include "indexing/filters/XmlFilter.h"

namespace tessellon::InProcessFilters {

namespace {

FilterResult runChecked(FilterKind kind, const QByteArray& path, const FilterBudget& budget) {
    budget.check();
    switch (kind) {
    case FilterKind::None:
        return FilterResult{};
    case FilterKind::Pdf:
        return PdfFilter::extract(path);
    case FilterKind::Ooxml:
        return OfficeFilters::extractOoxml(path);
    case FilterKind::Odf:
        return OfficeFilters::extractOdf(path);
    case FilterKind::FlatOdf:
        return OfficeFilters::extractFlatOdf(FileContent::read(path, FilterLimits::MaxReadBytes));
    default:
        break;
    }
    const QByteArray bytes = FileContent::read(path, FilterLimits::MaxReadBytes);
    switch (kind) {
    case FilterKind::Html:
        return HtmlFilter::extract(bytes, budget);
    case FilterKind::Xml:
        return XmlFilter::extract(bytes, budget);
    case FilterKind::Rtf:
        return RtfFilter::extract(bytes, budget);
    default:
        // Empty files and binary content are indexed by their properties.
        return bytes.isEmpty() ? FilterResult{} : TextFilter::extract(bytes);
    }
}

} // namespace

FilterResult run(FilterKind kind, const QByteArray& path, const FilterBudget& budget) {
    try {
        return runChecked(kind, path, budget);
    } catch (const std::bad_alloc&) {
        return FilterResult::failed(QStringLiteral("out of memory while filtering"));
    } catch (const std::exception& e) {
        return FilterResult::failed(errorMessage(e));
    }
}

} // namespace tessellon::InProcessFilters
