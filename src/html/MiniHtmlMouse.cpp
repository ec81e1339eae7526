// Mouse input of a document: thinning of moves, the item under the mouse,
// the installed handlers, and forwarding into table cells.
#include "html/MiniHtml.h"

#include "html/MouseHandlers.h"
#include "html/TableTags.h"

#include <cstdlib>

namespace tessellon {

namespace {

constexpr quint32 MoveInterval = 150;
constexpr int MoveDistance = 5;

} // namespace

int TQzMiniHtml2::itemAt(Point p) const {
    for (int i = int(TagList.size()) - 1; i >= 0; --i) {
        if (dynamic_cast<const aVisTag*>(TagList[i].get()) && TagList[i]->IsIn(p))
            return i;
    }
    return -1;
}

void TQzMiniHtml2::forwardToCell(int X, int Y,
                                 const std::function<void(TQzMiniHtml2&, int, int)>& send) {
    auto* cell = dynamic_cast<aTDSTag*>(MouseOver);
    if (!cell || cell->MiniHtml < 0 || cell->MiniHtml >= int(SubMiniHtml.size()))
        return;
    send(*SubMiniHtml[cell->MiniHtml], X - cell->Left + 5, Y - cell->Top + 5);
    DrawItem(indexOf(cell));
    ReDraw();
}

void TQzMiniHtml2::MouseMove(HtmlControl* Sender, TShiftState Shift, int X, int Y) {
    if (ScrollLeft >= 0)
        X += ScrollLeft;
    if (ScrollTop >= 0)
        Y += ScrollTop;
    const quint32 now = tickCount();
    if (now - LastCheckTime <= MoveInterval)
        return;
    if (std::abs(X - LastPos.x) <= MoveDistance && std::abs(Y - LastPos.y) <= MoveDistance)
        return;
    LastPos = Point{X, Y};
    LastCheckTime = now;
    forEachHandler([&](THandler& handler) { handler.MouseMove(Sender, Shift, X, Y); });
    forwardToCell(X, Y,
                  [&](TQzMiniHtml2& cell, int x, int y) { cell.MouseMove(Sender, Shift, x, y); });
}

void TQzMiniHtml2::MouseDown(HtmlControl* Sender, TMouseButton Button, TShiftState Shift, int X,
                             int Y) {
    if (ScrollLeft >= 0)
        X += ScrollLeft;
    if (ScrollTop >= 0)
        Y += ScrollTop;
    StartPos = LastPos = Point{X, Y};
    Selecting = true;
    if (Button == TMouseButton::mbLeft) {
        Focused = itemAt(StartPos);
        MouseOver = Focused >= 0 ? TagList[Focused].get() : nullptr;
    }
    if (Sender && Sender->cursor() == TCursor::HandPoint)
        Sender->setCursor(TCursor::Default);
    forEachHandler([&](THandler& handler) { handler.MouseDown(Sender, Button, Shift, X, Y); });
    forwardToCell(X, Y, [&](TQzMiniHtml2& cell, int x, int y) {
        cell.MouseDown(Sender, Button, Shift, x, y);
    });
}

void TQzMiniHtml2::MouseUp(HtmlControl* Sender, TMouseButton Button, TShiftState Shift, int X,
                           int Y) {
    if (ScrollLeft >= 0)
        X += ScrollLeft;
    if (ScrollTop >= 0)
        Y += ScrollTop;
    EndPos = Point{X, Y};
    Selecting = false;
    forEachHandler([&](THandler& handler) { handler.MouseUp(Sender, Button, Shift, X, Y); });
    forwardToCell(
        X, Y, [&](TQzMiniHtml2& cell, int x, int y) { cell.MouseUp(Sender, Button, Shift, x, y); });
}

} // namespace tessellon
