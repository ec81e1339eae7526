#include "indexing/filters/OfficeFilters.h"

#include "indexing/filters/XmlText.h"
#include "indexing/filters/ZipArchive.h"

#include <QRegularExpression>

namespace tessellon::OfficeFilters {

namespace {

QString first(const QByteArray& xml, const QString& name) {
    const QStringList v = XmlText::values(xml, name);
    return v.isEmpty() ? QString() : v.first();
}

QStringList splitKeywords(const QStringList& values) {
    QStringList out;
    for (const QString& value : values) {
        for (const QString& k : value.split(QRegularExpression(QStringLiteral("[,;]"))))
            if (!k.trimmed().isEmpty())
                out << k.trimmed();
    }
    return out;
}

// Members like ppt/slides/slide10.xml in their natural order (2 before 10).
QStringList membersMatching(const ZipArchive& zip, const QString& pattern) {
    const QRegularExpression re(pattern);
    QStringList out;
    for (const QString& name : zip.names())
        if (re.match(name).hasMatch())
            out << name;
    const QRegularExpression number(QStringLiteral("(\\d+)\\.xml$"));
    std::stable_sort(out.begin(), out.end(), [&](const QString& a, const QString& b) {
        return number.match(a).captured(1).toLongLong() < number.match(b).captured(1).toLongLong();
    });
    return out;
}

// The text of an ODF document's body and the properties of its meta part.
// A flat document holds both, with its settings, styles and pictures
// (base64) beside them, which are no text of the document.
FilterResult odfText(const QByteArray& content, const QByteArray& meta) {
    FilterResult r;
    r.state = FilterState::Filtered;
    XmlText::collect(content, {},
                     {QStringLiteral("p"), QStringLiteral("h"), QStringLiteral("table-cell")},
                     r.text,
                     {QStringLiteral("meta"), QStringLiteral("settings"), QStringLiteral("styles"),
                      QStringLiteral("automatic-styles"), QStringLiteral("master-styles"),
                      QStringLiteral("font-face-decls"), QStringLiteral("scripts"),
                      QStringLiteral("binary-data")});
    r.title = first(meta, QStringLiteral("dc:title"));
    r.subject = first(meta, QStringLiteral("dc:subject"));
    r.author = first(meta, QStringLiteral("dc:creator"));
    if (r.author.isEmpty())
        r.author = first(meta, QStringLiteral("meta:initial-creator"));
    r.comments = first(meta, QStringLiteral("dc:description"));
    r.keywords = splitKeywords(XmlText::values(meta, QStringLiteral("meta:keyword")));
    return r;
}

} // namespace

FilterResult extractOoxml(const QByteArray& path) {
    const ZipArchive zip(path);
    FilterResult r;
    r.state = FilterState::Filtered;
    const QStringList paragraphs{QStringLiteral("p"), QStringLiteral("si"), QStringLiteral("row")};
    const QStringList textElements{QStringLiteral("t"), QStringLiteral("v")};
    QStringList parts;
    if (zip.contains(QStringLiteral("word/document.xml")))
        parts << QStringLiteral("word/document.xml")
              << membersMatching(zip, QStringLiteral("^word/(header|footer|footnotes)\\d*\\.xml$"));
    parts << QStringLiteral("xl/sharedStrings.xml")
          << membersMatching(zip, QStringLiteral("^xl/worksheets/sheet\\d+\\.xml$"))
          << membersMatching(zip, QStringLiteral("^ppt/slides/slide\\d+\\.xml$"));
    bool any = false;
    for (const QString& part : parts) {
        const QByteArray xml = zip.read(part);
        if (xml.isEmpty())
            continue;
        any = true;
        // Worksheet cells hold numbers in <v>; shared strings are in their
        // own part, so from sheets only inline strings and values are taken.
        XmlText::collect(xml, textElements, paragraphs, r.text);
    }
    if (!any)
        return FilterResult::failed(QStringLiteral("no document part found in the container"));
    const QByteArray core = zip.read(QStringLiteral("docProps/core.xml"));
    r.title = first(core, QStringLiteral("dc:title"));
    r.subject = first(core, QStringLiteral("dc:subject"));
    r.author = first(core, QStringLiteral("dc:creator"));
    r.comments = first(core, QStringLiteral("dc:description"));
    r.keywords = splitKeywords(XmlText::values(core, QStringLiteral("cp:keywords")));
    return r;
}

FilterResult extractOdf(const QByteArray& path) {
    const ZipArchive zip(path);
    const QByteArray content = zip.read(QStringLiteral("content.xml"));
    if (content.isEmpty())
        return FilterResult::failed(QStringLiteral("content.xml missing from the container"));
    return odfText(content, zip.read(QStringLiteral("meta.xml")));
}

FilterResult extractFlatOdf(const QByteArray& document) {
    if (!document.contains("office:document"))
        return FilterResult::failed(QStringLiteral("not a flat ODF document"));
    return odfText(document, document);
}

} // namespace tessellon::OfficeFilters
