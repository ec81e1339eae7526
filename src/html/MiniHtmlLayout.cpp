// Laying out a document: one pass places every item on lines inside the
// viewport width; table cells are placed by their table and measured as
// documents of their own.
#include "html/MiniHtml.h"

#include "html/DummyPrinter.h"
#include "html/FormatTags.h"
#include "html/GraphicTags.h"
#include "html/MouseHandlers.h"
#include "html/TableTags.h"

#include <algorithm>

namespace tessellon {

namespace {

bool isTableCell(const atag* item) {
    return dynamic_cast<const aTDSTag*>(item) != nullptr;
}

} // namespace

void TQzMiniHtml2::Update() {
    layoutItems(nullptr);
}

void TQzMiniHtml2::UpdatePrinter(TDummyPrinter* printer) {
    HtmlPrinter = printer;
    for (auto& sub : SubMiniHtml)
        sub->HtmlPrinter = printer;
    layoutItems(printer);
}

void TQzMiniHtml2::UpdateItem(int index) {
    if (index < 0 || index >= int(TagList.size()))
        return;
    TagList[index]->Update();
    if (TargetCanvas) {
        pictureCanvas().setFont(TargetCanvas->font());
        pictureCanvas().setBrush(TargetCanvas->brush());
    }
}

int TQzMiniHtml2::GetWidth(const QString& s, const TextFont& FontType) {
    Canvas& canvas = pictureCanvas();
    canvas.setFont(FontType);
    return canvas.textWidth(s);
}

int TQzMiniHtml2::GetHeight(const QString& s, const TextFont& FontType) {
    Canvas& canvas = pictureCanvas();
    canvas.setFont(FontType);
    // With "A" appended, an empty text still has a line's height.
    return canvas.textHeight(s + QLatin1Char('A'));
}

void TQzMiniHtml2::layoutItems(TDummyPrinter* printer) {
    if (TagList.empty())
        return;
    // Each pass starts from a clean state, so laying out again after an
    // edit does not inherit the tags the previous pass left open.
    currentState.StateTagList.clear();
    currentState.InitState();
    MaxHeight = 0;
    MaxWidth = 0;
    CurrentPos = Point{currentState.Indent + 5, 5};
    LineHeight = 0;
    lineStart_ = 0;
    lineNumber_ = 0;
    for (int i = 0; i < int(TagList.size()); ++i) {
        if (!isTableCell(TagList[i].get()))
            placeItem(i, printer);
    }
    alignLine(lineStart_, int(TagList.size()) - 1);
    CacheBitmap->setSize(width, MaxHeight + 5);
}

void TQzMiniHtml2::placeItem(int index, TDummyPrinter* printer) {
    atag* item = TagList[index].get();
    int& x = CurrentPos.x;
    int& y = CurrentPos.y;
    int& h = LineHeight;

    item->Top = y;
    item->Left = x;
    if (printer)
        item->UpdatePrinter(*printer);
    else
        item->Update();

    const bool breaksBefore =
        dynamic_cast<aLNInVisTag*>(item) || dynamic_cast<aHorizontalRule*>(item);
    if (x != 5 && (x + item->Width + 5 > width || breaksBefore)) {
        startNewLine(index);
        item->Top = y;
    }
    if (dynamic_cast<aBlockquoteSTag*>(item))
        x = 55;
    item->Left = x;

    if (item->Height > 0) {
        // A table start reserves its height below the line's top like a
        // visible item; placed above the top it would be cut off the picture.
        const bool placedAtTop = dynamic_cast<aVisTag*>(item) || dynamic_cast<aTableSTag*>(item);
        if (item->Height < h)
            item->Top = y + h - item->Height;
        else
            item->Top = placedAtTop ? y : y + h - item->Height;
    }
    item->LineNumber = lineNumber_;
    MaxHeight = std::max(MaxHeight, item->Bottom());
    x += item->Width;

    if (item->Height > h) {
        // Everything earlier on the line moves down onto the new bottom.
        h = item->Height;
        for (int j = lineStart_; j < index; ++j) {
            atag* earlier = TagList[j].get();
            if (isTableCell(earlier))
                continue;
            earlier->Top = y + h - earlier->Height;
            earlier->LineHeight = h;
        }
    }
    if (dynamic_cast<aInVisLNTag*>(item))
        startNewLine(index + 1);
    item->LineHeight = h;
    MaxWidth = std::max(MaxWidth, x);
}

void TQzMiniHtml2::startNewLine(int nextLineStart) {
    MaxWidth = std::max(MaxWidth, CurrentPos.x);
    CurrentPos.x = currentState.Indent + 5;
    CurrentPos.y += LineHeight + 5;
    LineHeight = 0;
    alignLine(lineStart_, nextLineStart - 1);
    lineStart_ = nextLineStart;
    ++lineNumber_;
}

void TQzMiniHtml2::alignLine(int first, int last) {
    int sum = 0;
    QString alignment;
    for (int i = first; i <= last; ++i) {
        auto* item = dynamic_cast<aVisTag*>(TagList[i].get());
        if (!item || isTableCell(item))
            continue;
        sum += item->Width;
        if (alignment.isEmpty())
            alignment = item->align;
    }
    int shift = 0;
    if (alignment == QLatin1String("right"))
        shift = width - sum - 10;
    else if (alignment == QLatin1String("centre"))
        shift = (width - sum - 10) / 2;
    if (shift == 0)
        return;
    for (int i = first; i <= last; ++i) {
        auto* item = dynamic_cast<aVisTag*>(TagList[i].get());
        if (item && !isTableCell(item))
            item->Left += shift;
    }
}

int TQzMiniHtml2::subDocumentFor(int index) {
    if (index >= 0 && index < int(SubMiniHtml.size()))
        return index;
    auto sub = std::make_unique<TQzMiniHtml2>(pictures_, this);
    sub->FDynamicUpdate = FDynamicUpdate;
    sub->FLinkClicked = FLinkClicked;
    sub->FFormElementClicked = FFormElementClicked;
    sub->FUserDefinedUpdate = FUserDefinedUpdate;
    sub->FUserDefinedDraw = FUserDefinedDraw;
    sub->HtmlPrinter = HtmlPrinter;
    sub->Owner = Owner;
    sub->OwnerColor = OwnerColor;
    sub->SupportTag = SupportTag;
    sub->ShellOpen = ShellOpen;
    sub->TickCount = TickCount;
    sub->ProgramFolder = ProgramFolder;
    if (MouseKBHandler1)
        sub->MouseKBHandler1 = MouseKBHandler1->cloneFor(sub.get());
    if (MouseKBHandler2)
        sub->MouseKBHandler2 = MouseKBHandler2->cloneFor(sub.get());
    if (MouseKBHandler3)
        sub->MouseKBHandler3 = MouseKBHandler3->cloneFor(sub.get());
    SubMiniHtml.push_back(std::move(sub));
    TotalMiniHtml = int(SubMiniHtml.size());
    return TotalMiniHtml - 1;
}

int TQzMiniHtml2::CalcSize(int MiniHtmlIndex, const QString& Html, int defwidth, int& outWidth,
                           int& outHeight) {
    const int index = subDocumentFor(MiniHtmlIndex);
    TQzMiniHtml2& sub = *SubMiniHtml[index];
    sub.TargetCanvas = nullptr;
    sub.width = defwidth;
    sub.height = 1000;
    sub.Left = 0;
    sub.Top = 0;
    sub.InputHtml.Html = Html;
    sub.LoadFromCaption();
    outWidth = sub.MaxWidth;
    outHeight = sub.CacheBitmap->height();
    return index;
}

int TQzMiniHtml2::DrawHtmlOnCanvas(int MiniHtmlIndex, int aLeft, int aTop, int aWidth,
                                   const QString& Html) {
    const int index = subDocumentFor(MiniHtmlIndex);
    TQzMiniHtml2& sub = *SubMiniHtml[index];
    const int newWidth = std::abs(aWidth);
    const bool changed = sub.InputHtml.Html != Html || sub.width != newWidth || sub.TagList.empty();
    sub.TargetCanvas = &pictureCanvas();
    sub.Left = aLeft;
    sub.Top = aTop;
    sub.width = newWidth;
    sub.height = pictureCanvas().clipRect().bottom;
    if (changed) {
        sub.InputHtml.Html = Html;
        sub.LoadFromCaption();
    } else {
        sub.Draw();
    }
    return index;
}

} // namespace tessellon
