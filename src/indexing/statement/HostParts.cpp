#include "indexing/statement/HostParts.h"

namespace tessellon::statement {

namespace {

// Blanks [begin, end) and keeps line breaks, so that lines and columns stay.
void blank(QString& text, qsizetype begin, qsizetype end) {
    for (qsizetype i = begin; i < end; ++i) {
        if (text[i] != u'\n' && text[i] != u'\r')
            text[i] = u' ';
    }
}

QString partText(const QString& text, const Statement& parsed,
                 const std::vector<std::size_t>& kept) {
    QString part = text;
    for (std::size_t i = 0; i < parsed.sources.size(); ++i) {
        const CatalogSource& source = parsed.sources[i];
        if (std::find(kept.begin(), kept.end(), i) == kept.end()) {
            // The catalog with the UNION ALL that joins it, or, for the
            // first, the TABLE that opens it.
            blank(part, source.unionPosition >= 0 ? source.unionPosition : source.tablePosition,
                  source.end);
        } else {
            blank(part, source.position, source.catalogPosition);
        }
    }
    // The first catalog kept needs no UNION ALL before it.
    const CatalogSource& first = parsed.sources[kept.front()];
    if (first.unionPosition >= 0)
        blank(part, first.unionPosition, first.tablePosition);
    return part;
}

} // namespace

std::vector<HostPart> splitByHost(const QString& text, const Statement& parsed,
                                  const std::function<bool(const QString& host)>& isLocal) {
    std::vector<HostPart> parts;
    for (std::size_t i = 0; i < parsed.sources.size(); ++i) {
        const QString& named = parsed.sources[i].host;
        const QString host = isLocal(named) ? QString() : named;
        auto part = std::find_if(parts.begin(), parts.end(), [&](const HostPart& p) {
            return p.host.compare(host, Qt::CaseInsensitive) == 0;
        });
        if (part == parts.end())
            part = parts.insert(parts.end(), HostPart{host, {}, {}});
        part->sources.push_back(i);
    }
    for (HostPart& part : parts)
        part.statement = partText(text, parsed, part.sources);
    return parts;
}

} // namespace tessellon::statement
