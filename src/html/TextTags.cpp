#include "html/TextTags.h"

#include "html/DummyPrinter.h"
#include "html/MiniHtml.h"

namespace tessellon {

aText::aText(TQzMiniHtml2* AOwner, QString word)
    : aVisTag(AOwner, QString()), Text(std::move(word)) {}

QString aText::shownText() const {
    if (!Text.contains(u'\r'))
        return Text;
    QString shown = Text;
    shown.remove(QStringLiteral("\r\n"));
    return shown;
}

int aText::textIndex(int shownIndex) const {
    int shown = 0;
    for (int i = 0; i < Text.size(); ++i) {
        if (Text[i] == u'\r' && i + 1 < Text.size() && Text[i + 1] == u'\n') {
            ++i;
            continue;
        }
        if (shown == shownIndex)
            return i;
        ++shown;
    }
    return int(Text.size());
}

TextFont aText::shownFont() const {
    TextFont font = Font;
    if (shownTextColor() != FontColor)
        font.style.underline = true;
    if (TextStyle != TTextStyle::isNormal)
        font.size = Font.size / 2;
    return font;
}

int aText::baselineShift() const {
    switch (TextStyle) {
    case TTextStyle::isSubScript:
        return Font.size / 2;
    case TTextStyle::isSuperScript:
        return -(Font.size / 2);
    case TTextStyle::isNormal:
        break;
    }
    return 0;
}

void aText::Update() {
    aVisTag::Update();
    TextStyle = aHtml->currentState.TextStyle;
    if (!Visible) {
        Width = Height = 0;
        return;
    }
    // Measured as drawn: the line end of the source takes no room.
    Width = aHtml->GetWidth(shownText(), Font);
    Height = aHtml->GetHeight(shownText(), Font);
}

void aText::UpdatePrinter(TDummyPrinter& printer) {
    aVisTag::Update();
    TextStyle = aHtml->currentState.TextStyle;
    if (!Visible) {
        Width = Height = 0;
        return;
    }
    Width = printer.GetWidth(Font, shownText());
    Height = Font.size;
}

void aText::Draw(Canvas& c) {
    c.setPen(Pen{KeyColor});
    c.setBrush(Brush{shownBackground()});
    c.rectangle(lineBox());
    const QString shown = shownText();
    const int y = Top + baselineShift();
    c.setFont(shownFont());
    c.setTextColor(shownTextColor());
    c.textOut(Left, y, shown);
    if (!Selected)
        return;
    c.setBrush(Brush{clActiveCaption});
    c.setTextColor(aHtml->OwnerColor);
    if (SelStart >= 0 && SelStop >= SelStart)
        c.textOut(Left + SelStartX, y, shown.mid(SelStart, SelStop - SelStart + 1));
    else
        c.textOut(Left, y, shown);
}

void aText::Print() {
    TDummyPrinter* printer = aHtml->HtmlPrinter;
    if (!printer)
        return;
    printer->SetFont(shownFont(), TextStyle);
    printer->SetPenColor(shownTextColor());
    printer->TextOut(Left, Top, shownText());
}

void aText::UnSelect() {
    aVisTag::UnSelect();
    SelStart = SelStop = SelStartX = SelStopX = -1;
}

aSpace::aSpace(TQzMiniHtml2* AOwner) : aVisTag(AOwner, QStringLiteral(" ")) {}

void aSpace::Update() {
    aVisTag::Update();
    if (!Visible) {
        Width = Height = 0;
        return;
    }
    Width = aHtml->GetWidth(tagName, Font);
    Height = aHtml->GetHeight(tagName, Font);
}

void aSpace::UpdatePrinter(TDummyPrinter& printer) {
    aVisTag::Update();
    if (!Visible) {
        Width = Height = 0;
        return;
    }
    Width = printer.GetWidth(Font, tagName);
    Height = Font.size;
}

void aSpace::Draw(Canvas& c) {
    // A blank shows only as part of an underline.
    if (!Font.style.underline)
        return;
    TextFont font = Font;
    c.setFont(font);
    if (Selected) {
        c.setBrush(Brush{clActiveCaption});
        c.setTextColor(aHtml->OwnerColor);
    } else {
        c.setBrush(Brush{shownBackground()});
        c.setTextColor(shownTextColor());
    }
    c.textOut(Left, Top, tagName);
}

void aSpace::Print() {
    if (TDummyPrinter* printer = aHtml->HtmlPrinter)
        printer->TextOut(Left, Top, tagName);
}

} // namespace tessellon
