#include "html/FormatTags.h"

#include "html/ColorNames.h"
#include "html/DummyPrinter.h"
#include "html/HtmlValues.h"
#include "html/MiniHtml.h"

#include <algorithm>

namespace tessellon {

void aHiddenSTag::UpdateState(TCurrentState& state) {
    state.Visible = false;
}

aBodySTag::aBodySTag(TQzMiniHtml2* AOwner, QString Tag1)
    : OpeningTag(AOwner, std::move(Tag1)), BackGroundColor(ColorNotSet), FontColor(clBlack),
      URLColor(clBlue), ActiveColor(clRed), VisitedColor(clPurple) {}

void aBodySTag::SetHtml(const AttributeList& commands) {
    if (commands.has(QStringLiteral("bgcolor")))
        BackGroundColor = htmlColor(commands.value(QStringLiteral("bgcolor")));
    if (commands.has(QStringLiteral("text")))
        FontColor = htmlColor(commands.value(QStringLiteral("text")));
    if (commands.has(QStringLiteral("link")))
        URLColor = htmlColor(commands.value(QStringLiteral("link")));
    if (commands.has(QStringLiteral("alink")))
        ActiveColor = htmlColor(commands.value(QStringLiteral("alink")));
    if (commands.has(QStringLiteral("vlink")))
        VisitedColor = htmlColor(commands.value(QStringLiteral("vlink")));
}

QString aBodySTag::GetHtml() const {
    TagWriter writer(*this);
    const std::pair<const char*, Color> colours[] = {{"bgcolor", BackGroundColor},
                                                     {"text", FontColor},
                                                     {"link", URLColor},
                                                     {"vlink", VisitedColor},
                                                     {"alink", ActiveColor}};
    for (const auto& [name, colour] : colours) {
        if (variables.has(QLatin1String(name)))
            writer.attribute(QLatin1String(name), htmlColorText(colour));
    }
    return writer.text();
}

void aBodySTag::UpdateState(TCurrentState& state) {
    if (variables.has(QStringLiteral("text")))
        state.FontColor = FontColor;
    if (variables.has(QStringLiteral("link")))
        state.URLColor = URLColor;
    if (variables.has(QStringLiteral("alink")))
        state.ActiveColor = ActiveColor;
    if (variables.has(QStringLiteral("vlink")))
        state.VisitedColor = VisitedColor;
    if (variables.has(QStringLiteral("bgcolor"))) {
        state.BackGroundColor = BackGroundColor;
        aHtml->OwnerColor = BackGroundColor;
    }
}

void aBodySTag::Draw(Canvas& c) {
    if (!variables.has(QStringLiteral("bgcolor")))
        return;
    c.setBrush(Brush{BackGroundColor});
    c.fillRect(c.clipRect());
}

aFontSTag::aFontSTag(TQzMiniHtml2* AOwner, QString Tag1)
    : OpeningTag(AOwner, std::move(Tag1)), FontName(QStringLiteral("MS Sans Serif")),
      FontColor(clBlack) {}

void aFontSTag::SetHtml(const AttributeList& commands) {
    if (commands.has(QStringLiteral("face")))
        FontName = commands.value(QStringLiteral("face"));
    if (commands.has(QStringLiteral("name")))
        FontName = commands.value(QStringLiteral("name"));
    if (commands.has(QStringLiteral("color")))
        FontColor = htmlColor(commands.value(QStringLiteral("color")));
    if (commands.has(QStringLiteral("size"))) {
        const FontSizeValue size = htmlFontSize(commands.value(QStringLiteral("size")));
        FontSize = size.points;
        absoluteFontSize = size.absolute;
    }
}

QString aFontSTag::GetHtml() const {
    TagWriter writer(*this);
    const bool hasFace =
        variables.has(QStringLiteral("face")) || variables.has(QStringLiteral("name"));
    if (hasFace && !FontName.isEmpty())
        writer.attribute(QStringLiteral("face"), FontName);
    if (variables.has(QStringLiteral("size")))
        writer.number(QStringLiteral("size"), FontSize);
    if (variables.has(QStringLiteral("color")))
        writer.attribute(QStringLiteral("color"), htmlColorText(FontColor));
    return writer.text();
}

void aFontSTag::UpdateState(TCurrentState& state) {
    if (variables.has(QStringLiteral("color")))
        state.FontColor = FontColor;
    if (variables.has(QStringLiteral("name")) || variables.has(QStringLiteral("face")))
        state.Font.name = FontName;
    if (variables.has(QStringLiteral("size")))
        state.Font.size = FontSize;
}

void aBlockquoteSTag::UpdateState(TCurrentState& state) {
    state.Indent += 50;
}

aPSTag::aPSTag(TQzMiniHtml2* AOwner, QString Tag1)
    : OpeningTag(AOwner, std::move(Tag1)), BackGroundColor(ColorNotSet) {}

void aPSTag::SetHtml(const AttributeList& commands) {
    if (commands.has(QStringLiteral("align")))
        Align = commands.value(QStringLiteral("align"));
    if (commands.has(QStringLiteral("bgcolor")))
        BackGroundColor = htmlColor(commands.value(QStringLiteral("bgcolor")));
}

QString aPSTag::GetHtml() const {
    TagWriter writer(*this);
    if (variables.has(QStringLiteral("align")))
        writer.attribute(QStringLiteral("align"), Align);
    if (variables.has(QStringLiteral("bgcolor")))
        writer.attribute(QStringLiteral("bgcolor"), htmlColorText(BackGroundColor));
    return writer.text();
}

void aPSTag::UpdateState(TCurrentState& state) {
    if (variables.has(QStringLiteral("bgcolor")))
        state.BackGroundColor = BackGroundColor;
    if (variables.has(QStringLiteral("align")))
        state.Align = Align;
}

bool aPSTag::contentBox(Rect& box) const {
    const auto& items = aHtml->TagList;
    int depth = 1;
    bool found = false;
    box = Rect{5, 0, aHtml->width - 5, 0};
    for (int i = aHtml->indexOf(this) + 1; i < int(items.size()); ++i) {
        atag* item = items[i].get();
        if (dynamic_cast<aPSTag*>(item))
            ++depth;
        else if (dynamic_cast<aPETag*>(item) && --depth == 0)
            break;
        if (!dynamic_cast<aVisTag*>(item) || item->Height <= 0)
            continue;
        box.top = found ? std::min(box.top, item->Top) : item->Top;
        box.bottom = found ? std::max(box.bottom, item->Bottom()) : item->Bottom();
        found = true;
    }
    return found;
}

void aPSTag::Draw(Canvas& c) {
    Rect box;
    if (!variables.has(QStringLiteral("bgcolor")) || !contentBox(box))
        return;
    c.setPen(Pen{BackGroundColor});
    c.setBrush(Brush{BackGroundColor});
    c.rectangle(box);
}

void aPSTag::Print() {
    TDummyPrinter* printer = aHtml->HtmlPrinter;
    Rect box;
    if (!printer || !variables.has(QStringLiteral("bgcolor")) || !contentBox(box))
        return;
    printer->SetPenColor(BackGroundColor);
    printer->SetBrushColor(BackGroundColor);
    printer->Rectangle(box.left, box.top, box.right, box.bottom, 1);
}

void aASTag::SetHtml(const AttributeList& commands) {
    if (commands.has(QStringLiteral("href")))
        TargetURL = commands.value(QStringLiteral("href"));
}

QString aASTag::GetHtml() const {
    TagWriter writer(*this);
    if (!TargetURL.isEmpty())
        writer.attribute(QStringLiteral("href"), TargetURL);
    return writer.text();
}

void aSelectionSTag::UpdateState(TCurrentState& state) {
    state.Selected = true;
    aHtml->selectionState = state;
    aHtml->selectionState.Selected = true;
}

void aSelectionSTag::Update() {
    openTag(aHtml, this);
    // Scroll the selection into view, unless everything fits the viewport.
    const int pictureHeight = aHtml->CacheBitmap->height();
    if (pictureHeight <= aHtml->height)
        return;
    aHtml->ScrollTop = std::min(Top, pictureHeight - aHtml->height);
}

void aSelectionETag::Update() {
    closeOpenTag(
        aHtml, [](const atag* tag) { return dynamic_cast<const aSelectionSTag*>(tag) != nullptr; });
    FontStyle& selected = aHtml->selectionState.Font.style;
    const FontStyle& current = aHtml->currentState.Font.style;
    selected.bold |= current.bold;
    selected.italic |= current.italic;
    selected.underline |= current.underline;
    selected.strikeOut |= current.strikeOut;
}

void aDynamicTag::SetHtml(const AttributeList& commands) {
    if (commands.has(QStringLiteral("id")))
        id = commands.value(QStringLiteral("id"));
}

QString aDynamicTag::GetHtml() const {
    TagWriter writer(*this);
    if (variables.has(QStringLiteral("id")))
        writer.attribute(QStringLiteral("id"), id);
    return writer.text();
}

} // namespace tessellon
