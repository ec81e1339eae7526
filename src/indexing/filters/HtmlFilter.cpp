#include "indexing/filters/HtmlFilter.h"

#include "common/TextFile.h"
#include "indexing/filters/FilterLimits.h"

#include <QHash>
#include <QRegularExpression>

namespace tessellon::HtmlFilter {

namespace {

QString decodeEntity(const QString& name) {
    static const QHash<QString, char16_t> named = [] {
        const std::pair<const char*, char16_t> table[] = {
            {"amp", u'&'},         {"lt", u'<'},          {"gt", u'>'},
            {"quot", u'"'},        {"apos", u'\''},       {"nbsp", u' '},
            {"copy", u'\u00A9'},   {"reg", u'\u00AE'},    {"euro", u'\u20AC'},
            {"mdash", u'\u2014'},  {"ndash", u'\u2013'},  {"hellip", u'\u2026'},
            {"auml", u'\u00E4'},   {"ouml", u'\u00F6'},   {"uuml", u'\u00FC'},
            {"Auml", u'\u00C4'},   {"Ouml", u'\u00D6'},   {"Uuml", u'\u00DC'},
            {"szlig", u'\u00DF'},  {"eacute", u'\u00E9'}, {"egrave", u'\u00E8'},
            {"aacute", u'\u00E1'}, {"agrave", u'\u00E0'}, {"ccedil", u'\u00E7'},
            {"laquo", u'\u00AB'},  {"raquo", u'\u00BB'},  {"lsquo", u'\u2018'},
            {"rsquo", u'\u2019'},  {"ldquo", u'\u201C'},  {"rdquo", u'\u201D'}};
        QHash<QString, char16_t> h;
        for (const auto& [entity, c] : table)
            h.insert(QLatin1String(entity), c);
        return h;
    }();
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const uint code = name.size() > 1 && (name[1] == u'x' || name[1] == u'X')
                              ? name.mid(2).toUInt(&ok, 16)
                              : name.mid(1).toUInt(&ok, 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return QString(QChar::ReplacementCharacter);
        const char32_t c = code;
        return QString::fromUcs4(&c, 1);
    }
    const auto it = named.constFind(name);
    return it != named.cend() ? QString(QChar(*it)) : QStringLiteral("&") + name + QLatin1Char(';');
}

QString decodeEntities(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            // A reference ends within ten characters; looking further would
            // read the rest of the text again at every '&'.
            const qsizetype semi = text.mid(i + 1, 10).indexOf(u';');
            if (semi > 0) {
                out += decodeEntity(text.mid(i + 1, semi).toString());
                i += semi + 1;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

QString attribute(QStringView tag, const QString& name) {
    const QRegularExpression re(
        QStringLiteral("\\b%1\\s*=\\s*(\"([^\"]*)\"|'([^']*)'|([^\\s>]+))").arg(name),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(tag);
    if (!m.hasMatch())
        return {};
    for (int group = 2; group <= 4; ++group) {
        if (m.capturedLength(group) > 0)
            return decodeEntities(m.capturedView(group)).trimmed();
    }
    return {};
}

bool isBlockTag(QStringView name) {
    static const QStringList blocks{"p",       "div",    "br",    "li",  "tr",         "td",
                                    "th",      "h1",     "h2",    "h3",  "h4",         "h5",
                                    "h6",      "title",  "table", "pre", "blockquote", "section",
                                    "article", "header", "footer"};
    return blocks.contains(name.toString(), Qt::CaseInsensitive);
}

void applyMeta(QStringView tag, FilterResult& r) {
    const QString name = attribute(tag, QStringLiteral("name")).toLower();
    const QString content = attribute(tag, QStringLiteral("content"));
    if (name == QLatin1String("author"))
        r.author = content;
    else if (name == QLatin1String("description"))
        r.comments = content;
    else if (name == QLatin1String("keywords")) {
        for (const QString& k : content.split(QRegularExpression(QStringLiteral("[,;]"))))
            if (!k.trimmed().isEmpty())
                r.keywords << k.trimmed();
    }
}

} // namespace

FilterResult extract(const QByteArray& bytes, const FilterBudget& budget) {
    const QString html = TextFile::decode(bytes);
    FilterResult r;
    r.state = FilterState::Filtered;
    QString text;
    QString title;
    bool inTitle = false;
    qsizetype i = 0;
    const qsizetype n = html.size();
    auto appendText = [&](QStringView run) {
        const QString decoded = decodeEntities(run);
        if (inTitle)
            title += decoded;
        text += decoded;
    };
    while (i < n && text.size() < FilterLimits::MaxTextChars) {
        budget.check();
        const qsizetype lt = html.indexOf(u'<', i);
        if (lt < 0) {
            appendText(QStringView(html).mid(i));
            break;
        }
        appendText(QStringView(html).mid(i, lt - i));
        if (html.mid(lt, 4) == QLatin1String("<!--")) {
            const qsizetype end = html.indexOf(QLatin1String("-->"), lt + 4);
            i = end < 0 ? n : end + 3;
            continue;
        }
        const qsizetype gt = html.indexOf(u'>', lt + 1);
        if (gt < 0)
            break;
        const QStringView tag = QStringView(html).mid(lt + 1, gt - lt - 1);
        i = gt + 1;
        const bool closing = tag.startsWith(u'/');
        qsizetype nameEnd = closing ? 1 : 0;
        while (nameEnd < tag.size() && (tag[nameEnd].isLetterOrNumber() || tag[nameEnd] == u'-'))
            ++nameEnd;
        const QString name =
            tag.mid(closing ? 1 : 0, nameEnd - (closing ? 1 : 0)).toString().toLower();
        if (!closing && (name == QLatin1String("script") || name == QLatin1String("style"))) {
            const qsizetype end = html.indexOf(QStringLiteral("</") + name, i, Qt::CaseInsensitive);
            i = end < 0 ? n : end;
            continue;
        }
        if (name == QLatin1String("title"))
            inTitle = !closing;
        else if (!closing && name == QLatin1String("meta"))
            applyMeta(tag, r);
        if (isBlockTag(name))
            text += QLatin1Char('\n');
        else
            text += QLatin1Char(' ');
    }
    r.title = title.simplified();
    r.text = text.left(FilterLimits::MaxTextChars);
    return r;
}

} // namespace tessellon::HtmlFilter
