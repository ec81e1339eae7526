#include "indexing/filters/XmlFilter.h"

#include "indexing/filters/FilterLimits.h"
#include "indexing/filters/XmlAttributeCap.h"

#include <QXmlStreamReader>

namespace tessellon::XmlFilter {

FilterResult extract(const QByteArray& bytes, const FilterBudget& budget) {
    FilterResult r;
    r.state = FilterState::Filtered;
    QXmlStreamReader xml(XmlAttributeCap::apply(bytes, FilterLimits::MaxXmlAttributes));
    // Element names are matched by their local part, so prefixes need not be
    // resolved: a prefix never declared costs no text, and no element looks
    // through the declarations of all its ancestors.
    xml.setNamespaceProcessing(false);
    int titleDepth = 0;
    int depth = 0;
    // The reader keeps every open element; the depth limit bounds that memory.
    while (!xml.atEnd() && r.text.size() < FilterLimits::MaxTextChars &&
           depth <= FilterLimits::MaxNestingDepth) {
        budget.check();
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (r.title.isEmpty() && titleDepth == 0 &&
                xml.name().compare(QLatin1String("title"), Qt::CaseInsensitive) == 0)
                titleDepth = depth;
            break;
        case QXmlStreamReader::EndElement:
            if (depth == titleDepth)
                titleDepth = -1; // only the first title counts
            --depth;
            r.text += QLatin1Char('\n');
            break;
        case QXmlStreamReader::Characters:
            if (!xml.isWhitespace()) {
                r.text += xml.text();
                if (titleDepth > 0)
                    r.title += xml.text();
            }
            break;
        default:
            break;
        }
    }
    r.title = r.title.simplified();
    r.text.truncate(FilterLimits::MaxTextChars);
    return r;
}

} // namespace tessellon::XmlFilter
