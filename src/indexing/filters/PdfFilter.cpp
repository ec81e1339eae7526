#include "indexing/filters/PdfFilter.h"

#include "indexing/filters/FilterLimits.h"

#include <QRegularExpression>
#include <memory>
#include <poppler-document.h>
#include <poppler-page.h>

namespace tessellon::PdfFilter {

namespace {

QString fromUstring(const poppler::ustring& s) {
    const poppler::byte_array utf8 = s.to_utf8();
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).trimmed();
}

void silence(const std::string&, void*) {}

} // namespace

FilterResult extract(const QByteArray& path) {
    poppler::set_debug_error_function(silence, nullptr);
    std::unique_ptr<poppler::document> doc(poppler::document::load_from_file(path.toStdString()));
    if (!doc)
        return FilterResult::failed(QStringLiteral("not a readable PDF document"));
    if (doc->is_locked())
        return FilterResult::failed(QStringLiteral("the PDF document is encrypted"));
    FilterResult r;
    r.state = FilterState::Filtered;
    r.title = fromUstring(doc->info_key("Title"));
    r.subject = fromUstring(doc->info_key("Subject"));
    r.author = fromUstring(doc->info_key("Author"));
    for (const QString& k :
         fromUstring(doc->info_key("Keywords")).split(QRegularExpression(QStringLiteral("[,;]"))))
        if (!k.trimmed().isEmpty())
            r.keywords << k.trimmed();
    const int pages = doc->pages();
    for (int i = 0; i < pages && r.text.size() < FilterLimits::MaxTextChars; ++i) {
        std::unique_ptr<poppler::page> page(doc->create_page(i));
        if (!page)
            continue;
        r.text += fromUstring(page->text());
        r.text += QLatin1Char('\n');
    }
    r.text.truncate(FilterLimits::MaxTextChars);
    return r;
}

} // namespace tessellon::PdfFilter
