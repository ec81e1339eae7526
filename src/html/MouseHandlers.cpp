#include "html/MouseHandlers.h"

#include "html/FormTags.h"
#include "html/MiniHtml.h"
#include "html/TextTags.h"

namespace tessellon {

void THandler::MouseMove(HtmlControl*, TShiftState, int, int) {}
void THandler::MouseDown(HtmlControl*, TMouseButton, TShiftState, int, int) {}
void THandler::MouseUp(HtmlControl*, TMouseButton, TShiftState, int, int) {}

namespace {

// The focused item when it contains the point, else nothing.
atag* focusedItemAt(TQzMiniHtml2& document, int X, int Y) {
    const int focused = document.Focused;
    if (focused < 0 || focused >= int(document.TagList.size()))
        return nullptr;
    atag* item = document.TagList[focused].get();
    return item->IsIn(Point{X, Y}) ? item : nullptr;
}

// A "mailto://" address goes to the shell as "mailto:" and the rest.
QString shellTarget(const QString& href) {
    if (href.contains(QStringLiteral("mailto://")))
        return QStringLiteral("mailto:") + href.mid(9);
    return href;
}

} // namespace

void TNormalHandler::MouseMove(HtmlControl* Sender, TShiftState, int X, int Y) {
    TQzMiniHtml2& document = *aMiniHtml;
    document.MouseOver = nullptr;
    for (int i = 0; i < int(document.TagList.size()); ++i) {
        auto* item = dynamic_cast<aVisTag*>(document.TagList[i].get());
        if (!item)
            continue;
        const bool inside = item->IsIn(Point{X, Y});
        if (inside) {
            document.Focused = i;
            document.MouseOver = item;
        }
        if (item->MouseOver != inside) {
            item->MouseOver = inside;
            // Only links look different under the mouse.
            if (item->isLink())
                document.DrawItem(i);
        }
    }
    document.ReDraw();
    if (Sender) {
        auto* over = dynamic_cast<aVisTag*>(document.MouseOver);
        Sender->setCursor(over && over->isLink() ? TCursor::HandPoint : TCursor::Default);
    }
}

void TNormalHandler::MouseDown(HtmlControl* Sender, TMouseButton Button, TShiftState, int X,
                               int Y) {
    if (Button != TMouseButton::mbLeft)
        return;
    TQzMiniHtml2& document = *aMiniHtml;
    auto* link = dynamic_cast<aVisTag*>(focusedItemAt(document, X, Y));
    if (!link || !link->isLink())
        return;
    bool Handled = false;
    if (document.FLinkClicked)
        document.FLinkClicked(Sender, link->TargetURL, Handled);
    if (!Handled && document.ShellOpen)
        document.ShellOpen(shellTarget(link->TargetURL));
}

std::unique_ptr<THandler> TNormalHandler::cloneFor(TQzMiniHtml2* aHtml) const {
    return std::make_unique<TNormalHandler>(aHtml);
}

void TBlockHandler::MouseMove(HtmlControl* Sender, TShiftState, int X, int Y) {
    TQzMiniHtml2& document = *aMiniHtml;
    if (document.Selecting) {
        document.UpdateSelection(document.StartPos, Point{X, Y});
        document.ReDraw();
    }
    if (!Sender)
        return;
    const int index = document.itemAt(Point{X, Y});
    atag* item = index >= 0 ? document.TagList[index].get() : nullptr;
    auto* visible = dynamic_cast<aVisTag*>(item);
    if (visible && visible->isLink())
        Sender->setCursor(TCursor::HandPoint);
    else if (dynamic_cast<aText*>(item) || (dynamic_cast<aSpace*>(item) && visible->MouseOver))
        Sender->setCursor(TCursor::IBeam);
    else
        Sender->setCursor(TCursor::Default);
}

void TBlockHandler::MouseDown(HtmlControl*, TMouseButton, TShiftState, int, int) {
    if (!aMiniHtml->TagList.empty())
        aMiniHtml->UnSelectAll();
}

void TBlockHandler::MouseUp(HtmlControl*, TMouseButton, TShiftState, int, int) {
    aMiniHtml->UpdateSelection(aMiniHtml->StartPos, aMiniHtml->EndPos);
    aMiniHtml->ReDraw();
}

std::unique_ptr<THandler> TBlockHandler::cloneFor(TQzMiniHtml2* aHtml) const {
    return std::make_unique<TBlockHandler>(aHtml);
}

void TFormElementHandler::MouseDown(HtmlControl* Sender, TMouseButton Button, TShiftState, int X,
                                    int Y) {
    if (Button != TMouseButton::mbLeft)
        return;
    TQzMiniHtml2& document = *aMiniHtml;
    atag* item = focusedItemAt(document, X, Y);
    if (auto* input = dynamic_cast<aFormElement*>(item)) {
        if (document.FFormElementClicked)
            document.FFormElementClicked(Sender, input->fmName, input->fmMethod, input->fmAction,
                                         input->inputName, input->inputType, input->inputValue);
        if (input->isCheckBox()) {
            input->checked = !input->checked;
            document.DrawItem(document.Focused);
            document.ReDraw();
        }
    } else if (auto* user = dynamic_cast<aUserDefined*>(item)) {
        if (document.FFormElementClicked)
            document.FFormElementClicked(Sender, QString(), user->variable1, user->ItemType,
                                         user->itemID, QString(), QString());
    }
}

std::unique_ptr<THandler> TFormElementHandler::cloneFor(TQzMiniHtml2* aHtml) const {
    return std::make_unique<TFormElementHandler>(aHtml);
}

} // namespace tessellon
