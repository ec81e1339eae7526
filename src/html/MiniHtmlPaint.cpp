// Painting a laid-out document into its cached picture, copying the picture
// to the target surface, scrolling and printing.
#include "html/MiniHtml.h"

#include "html/Tag.h"

#include <algorithm>

namespace tessellon {

void TQzMiniHtml2::Draw() {
    ClearCache();
    Canvas& canvas = pictureCanvas();
    if (TargetCanvas) {
        canvas.setBrush(TargetCanvas->brush());
        canvas.setPen(TargetCanvas->pen());
    }
    for (auto& item : TagList)
        item->Draw(canvas);
    ReDraw();
}

void TQzMiniHtml2::DrawItem(int index) {
    if (index >= 0 && index < int(TagList.size()))
        TagList[index]->Draw(pictureCanvas());
}

void TQzMiniHtml2::ReDraw() {
    if (!TargetCanvas)
        return;
    const int shownHeight = std::min(CacheBitmap->height(), height);
    const int pictureWidth = CacheBitmap->width();
    if (shownHeight <= 0 || pictureWidth <= 0)
        return;
    const Rect source{ScrollLeft, ScrollTop, ScrollLeft + pictureWidth, ScrollTop + shownHeight};
    const Rect dest{Left + ScrollLeft, Top, Left + ScrollLeft + pictureWidth, Top + shownHeight};
    // The key colour becomes the target's brush colour: fill, then copy
    // everything but the key colour over it.
    if (TargetCanvas->brush().style == BrushStyle::Solid)
        TargetCanvas->fillRect(dest);
    TargetCanvas->drawPicture(dest, *CacheBitmap, source, KeyColor);
}

void TQzMiniHtml2::Clear() {
    if (!TargetCanvas)
        return;
    TargetCanvas->setBrush(Brush{OwnerColor});
    TargetCanvas->fillRect(TargetCanvas->clipRect());
}

void TQzMiniHtml2::ClearCache() {
    Canvas& canvas = pictureCanvas();
    canvas.setBrush(Brush{KeyColor});
    canvas.fillRect(Rect{0, 0, CacheBitmap->width(), CacheBitmap->height()});
}

void TQzMiniHtml2::ClearCache(int aLeft, int aTop, int aBottom, int aRight) {
    if (!TargetCanvas)
        return;
    TargetCanvas->setBrush(Brush{KeyColor});
    TargetCanvas->fillRect(Rect{aLeft, aTop, aRight, aBottom});
}

void TQzMiniHtml2::Print() {
    for (auto& item : TagList)
        item->Print();
}

void TQzMiniHtml2::ScrollDown(int Pixel) {
    if (height >= CacheBitmap->height())
        return;
    ScrollTop = std::max(0, ScrollTop - Pixel);
    ReDraw();
}

void TQzMiniHtml2::ScrollUp(int Pixel) {
    if (height >= CacheBitmap->height())
        return;
    ScrollTop = std::min(CacheBitmap->height() - height, ScrollTop + Pixel);
    ReDraw();
}

} // namespace tessellon
