#include "html/ListTags.h"

#include "html/DummyPrinter.h"
#include "html/MiniHtml.h"

namespace tessellon {

void aULSTag::SetHtml(const AttributeList& commands) {
    if (commands.has(QStringLiteral("type")))
        ShowType = commands.value(QStringLiteral("type"));
}

QString aULSTag::GetHtml() const {
    TagWriter writer(*this);
    if (!ShowType.isEmpty())
        writer.attribute(QStringLiteral("type"), ShowType);
    return writer.text();
}

void aOLSTag::Update() {
    // Number every item up to this list's end; a nested numbered list
    // renumbers its own items when its turn comes.
    const auto& items = aHtml->TagList;
    int depth = 1;
    int counter = 0;
    for (int i = aHtml->indexOf(this) + 1; i < int(items.size()); ++i) {
        atag* item = items[i].get();
        if (dynamic_cast<aOLSTag*>(item))
            ++depth;
        else if (dynamic_cast<aOLETag*>(item) && --depth == 0)
            break;
        else if (auto* listItem = dynamic_cast<aLISTag*>(item))
            listItem->Counter = ++counter;
    }
    openTag(aHtml, this);
}

void aLISTag::Update() {
    aVisTag::Update();
    openTag(aHtml, this);
    ShowType = aHtml->currentState.ListItemShowType;
    Font = aHtml->currentState.Font;
    if (!Visible) {
        Width = Height = 0;
        return;
    }
    Width = 50;
    Height = aHtml->GetHeight(QStringLiteral("Test"), Font);
}

Rect aLISTag::markBox() const {
    return Rect{Left + 25, Top + 4, Left + 25 + Font.size, Top + 4 + Font.size};
}

void aLISTag::Draw(Canvas& c) {
    const Color background = BackGroundColor == ColorNotSet ? aHtml->OwnerColor : BackGroundColor;
    c.setBrush(Brush{Selected ? clActiveCaption : background});
    Rect box = lineBox();
    box.right += 20;
    c.fillRect(box);
    if (ShowType == QLatin1String("number")) {
        c.setFont(Font);
        c.setTextColor(FontColor);
        c.textOut(Left + 25, Top, QString::number(Counter) + QLatin1Char('.'));
        return;
    }
    c.setPen(Pen{clBlack});
    c.setBrush(Brush{clBlack});
    if (ShowType.isEmpty() || ShowType == QLatin1String("round"))
        c.ellipse(markBox());
    else if (ShowType == QLatin1String("square") || ShowType == QLatin1String("disk"))
        c.rectangle(markBox());
}

void aLISTag::Print() {
    TDummyPrinter* printer = aHtml->HtmlPrinter;
    if (!printer)
        return;
    const Rect mark = markBox();
    if (ShowType == QLatin1String("number")) {
        printer->SetFont(Font, TTextStyle::isNormal);
        printer->TextOut(Left + 25, Top, QString::number(Counter) + QLatin1Char('.'));
        return;
    }
    printer->SetPenColor(clBlack);
    printer->SetBrushColor(clBlack);
    if (ShowType.isEmpty() || ShowType == QLatin1String("round"))
        printer->Ellipse(mark.left, mark.top, mark.width(), mark.height(), 1);
    else if (ShowType == QLatin1String("square") || ShowType == QLatin1String("disk"))
        printer->Rectangle(mark.left, mark.top, mark.right, mark.bottom, 1);
}

} // namespace tessellon
