// Parsing a source into items, and writing the items back as markup.
#include "html/MiniHtml.h"

#include "common/Error.h"
#include "html/FormatTags.h"
#include "html/TableTags.h"
#include "html/TextTags.h"

#include <QFile>

namespace tessellon {

namespace {

const QString CrLf = QStringLiteral("\r\n");

// The entities the dialect knows, replaced in this order.
void replaceEntities(QString& text) {
    if (!text.contains(u'&'))
        return;
    static const std::pair<QString, QString> entities[] = {
        {QStringLiteral("&nbsp;"), QStringLiteral(" ")},
        {QStringLiteral("&lt;"), QStringLiteral("<")},
        {QStringLiteral("&gt;"), QStringLiteral(">")},
        {QStringLiteral("&amp;"), QStringLiteral("&")},
        {QStringLiteral("&quot;"), QStringLiteral("\"")},
        {QStringLiteral("&copy;"), QStringLiteral("(c)")},
    };
    for (const auto& [entity, replacement] : entities)
        text.replace(entity, replacement, Qt::CaseInsensitive);
}

} // namespace

void TQzMiniHtml2::clearDocument() {
    // Both states hold pointers to this document's open tags (the selection
    // state copies them from the state at <selection>); the tags go below.
    currentState.StateTagList.clear();
    selectionState.StateTagList.clear();
    SubMiniHtml.clear();
    TotalMiniHtml = 0;
    currentState.InitState();
    selectionState.InitState();
    MouseOver = nullptr;
    Focused = -1;
    SelectStartFrom = SelectEndAt = -1;
    TagList.clear();
}

void TQzMiniHtml2::LoadFromStream(QIODevice& Stream) {
    loadText(QString::fromUtf8(Stream.readAll()));
}

void TQzMiniHtml2::loadText(QString input) {
    clearDocument();
    while (!input.isEmpty()) {
        QString before, after, tagname, tagvars;
        Readnexttag(input, before, after, tagname, tagvars);
        const bool linkMode =
            !TagList.empty() && (dynamic_cast<aASTag*>(TagList.back().get()) ||
                                 dynamic_cast<aScriptSTag*>(TagList.back().get()));
        PrintText(before, linkMode);
        atag* item = processtag(Extractvariables(tagvars), tagname);
        if (auto* dynamic = dynamic_cast<aDynamicTag*>(item)) {
            QString text = QStringLiteral("<font name=\"MS Sans Serif\" size=\"8\" "
                                          "color=\"#000000\">&lt;") +
                           dynamic->id + QStringLiteral("&gt;</font>");
            if (FDynamicUpdate)
                FDynamicUpdate(this, dynamic->id, text);
            if (!text.isEmpty())
                after.prepend(text);
        }
        if (auto* cell = dynamic_cast<aTDSTag*>(item))
            gatherCellContent(cell, after);
        input = after;
    }
    Update();
    if (CacheBitmap->height() < ScrollTop + height)
        ScrollTop = 0;
    Draw();
}

void TQzMiniHtml2::LoadFromLines() {
    // The lines as one text, each ended by CR LF, as a stream of them reads.
    QString text;
    for (const QString& line : Lines)
        text += line + CrLf;
    loadText(text);
}

void TQzMiniHtml2::LoadFromCaption() {
    Lines = QStringList{InputHtml.Html};
    LoadFromLines();
}

void TQzMiniHtml2::LoadFromFiles(const QString& filename) {
    QFile file(filename);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(filename, file.errorString()));
    LoadFromStream(file);
}

void TQzMiniHtml2::SetCaption(const TQzHtmlRec& Value) {
    InputHtml.Html = Value.Html;
    InputHtml.Hotkey = Value.Hotkey;
    LoadFromCaption();
}

QString TQzMiniHtml2::GetHtml() const {
    QString html;
    for (const auto& item : TagList)
        html += item->GetHtml();
    return html;
}

void TQzMiniHtml2::Readnexttag(const QString& text, QString& beforetag, QString& aftertag,
                               QString& tagname, QString& tagvars) {
    const qsizetype open = text.indexOf(u'<');
    const qsizetype close = text.indexOf(u'>');
    if (open < 0 || close < open) {
        // A stray ">" ahead of the first "<" makes all of it plain text.
        beforetag = text;
        aftertag.clear();
        tagname.clear();
        tagvars.clear();
        return;
    }
    beforetag = text.left(open);
    aftertag = text.mid(close + 1);
    const QString tag = text.mid(open + 1, close - open - 1);
    const qsizetype blank = tag.indexOf(u' ');
    tagname = blank < 0 ? tag : tag.left(blank);
    tagvars = blank < 0 ? QString() : tag.mid(blank);
}

AttributeList TQzMiniHtml2::Extractvariables(const QString& input) {
    AttributeList result;
    QString text = input;
    while (text.contains(u'=')) {
        text = text.trimmed();
        const qsizetype equals = text.indexOf(u'=');
        const QString name = text.left(equals);
        const qsizetype quote = text.indexOf(u'"');
        const qsizetype blank = text.indexOf(u' ');
        const bool quoted = quote >= 0 && (blank >= 0 ? blank > quote : quote <= equals + 1);
        QString value;
        if (quoted) {
            const qsizetype closing = text.indexOf(u'"', quote + 1);
            if (closing < 0) {
                text = text.mid(quote + 1);
            } else {
                value = text.mid(quote + 1, closing - quote - 1);
                text = text.mid(closing + 1);
            }
        } else {
            const qsizetype end = text.indexOf(u' ', equals + 1);
            value = end < 0 ? text.mid(equals + 1) : text.mid(equals + 1, end - equals - 1);
            text = end < 0 ? QString() : text.mid(end + 1);
        }
        if (!name.isEmpty())
            result.set(name.toLower(), value.toLower());
    }
    // Bare words such as "noshade" and "checked".
    const QString rest = text.trimmed();
    if (!rest.isEmpty())
        result.set(rest.toLower(), QStringLiteral("true"));
    return result;
}

atag* TQzMiniHtml2::processtag(const AttributeList& variables, const QString& tag) {
    if (tag.isEmpty())
        return nullptr;
    const QString name = tag.toLower();
    std::unique_ptr<atag> item = createTagItem(lookupTag(name, SupportTag), this,
                                               QLatin1Char('<') + name + QLatin1Char('>'));
    if (!item)
        return nullptr;
    if (auto* visible = dynamic_cast<aVisTag*>(item.get()))
        visible->BackGroundColor = currentState.BackGroundColor;
    item->variables = variables;
    item->SetHtml(variables);
    TagList.push_back(std::move(item));
    return TagList.back().get();
}

void TQzMiniHtml2::PrintText(const QString& text, bool isURL) {
    QString plain = text;
    replaceEntities(plain);
    if (plain.isEmpty())
        return;
    if (isURL) {
        // A link's text stays one item, so it never breaks across lines.
        TagList.push_back(std::make_unique<aText>(this, plain));
        return;
    }
    qsizetype wordStart = 0;
    for (qsizetype i = 0; i <= plain.size(); ++i) {
        if (i < plain.size() && plain[i] != u' ')
            continue;
        if (i > wordStart)
            TagList.push_back(std::make_unique<aText>(this, plain.mid(wordStart, i - wordStart)));
        if (i < plain.size())
            TagList.push_back(std::make_unique<aSpace>(this));
        wordStart = i + 1;
    }
}

void TQzMiniHtml2::gatherCellContent(atag* cell, QString& input) {
    const bool header = dynamic_cast<aTHSTag*>(cell) != nullptr;
    const QString endMarker = header ? QStringLiteral("</th>") : QStringLiteral("</td>");
    const QString startMarker = header ? QStringLiteral("<th>") : QStringLiteral("<td>");
    qsizetype end = input.indexOf(endMarker);
    if (end < 0)
        return;
    QString content;
    // A nested cell travels whole with its own end marker.
    qsizetype start = input.indexOf(startMarker);
    while (start >= 0 && start < end) {
        content += input.left(end + endMarker.size());
        input.remove(0, end + endMarker.size());
        end = input.indexOf(endMarker);
        if (end < 0)
            break;
        start = input.indexOf(startMarker);
    }
    if (end >= 0) {
        content += input.left(end);
        input.remove(0, end);
    }
    static_cast<aTDSTag*>(cell)->Html = content;
}

} // namespace tessellon
