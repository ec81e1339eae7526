#include "controls/XpButtonPainter.h"

#include "html/ColorNames.h"

#include <algorithm>
#include <cmath>

namespace tessellon {

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int mulDiv(int a, int b, int c) {
    return int(std::lround(double(a) * double(b) / double(c)));
}

Color blend(Color from, Color to, int step, int steps) {
    const int red = redOf(from) + mulDiv(step, redOf(to) - redOf(from), steps);
    const int green = greenOf(from) + mulDiv(step, greenOf(to) - greenOf(from), steps);
    const int blue = blueOf(from) + mulDiv(step, blueOf(to) - blueOf(from), steps);
    return rgb(red, green, blue);
}

void solidFill(Canvas& canvas, const Rect& r, Color color) {
    canvas.setBrush(Brush{color});
    canvas.fillRect(r);
}

constexpr Color FaceLight = rgb(253, 253, 253);
constexpr Color FaceDark = rgb(205, 204, 223);
constexpr Color OuterFrame = rgb(214, 211, 211);
constexpr Color DarkFrame = rgb(0, 60, 116);
constexpr Color TopHighlight = rgb(206, 231, 255);
constexpr Color BottomShade = rgb(105, 130, 238);
constexpr Color InnerOutline = rgb(188, 212, 246);
constexpr Color HoverRing = rgb(248, 179, 48);
constexpr Color DisabledFace = rgb(241, 241, 237);
constexpr Color DisabledFrame = rgb(196, 195, 191);
constexpr Color DisabledText = rgb(161, 161, 146);

void line(Canvas& canvas, Color color, int x1, int y1, int x2, int y2) {
    canvas.setPen(Pen{color});
    canvas.line(x1, y1, x2, y2);
}

// The caption centred, shifted by one pixel while pressed, with its
// accelerator letter underlined.
void paintCaption(Canvas& canvas, const XpButtonState& button, int W, int H, Color color,
                  int shift) {
    const QString shown = button.shownCaption();
    canvas.setFont(button.FFont);
    canvas.setTextColor(color);
    canvas.setBrush(Brush{color, BrushStyle::Clear});
    const int textWidth = canvas.textWidth(shown);
    const int textHeight = canvas.textHeight(shown);
    const int x = (W - textWidth) / 2 + shift;
    const int y = (H - textHeight) / 2 + shift;
    canvas.textOut(x, y, shown);
    const int letter = button.acceleratorIndex();
    if (letter < 0)
        return;
    const int from = canvas.textWidth(shown.left(letter));
    const int to = canvas.textWidth(shown.left(letter + 1));
    line(canvas, color, x + from, y + textHeight, x + to, y + textHeight);
}

} // namespace

void gradientFill(Canvas& canvas, const Rect& r, Color start, Color end, int bands, int mode) {
    if (r.isEmpty())
        return;
    if (bands < 2) {
        solidFill(canvas, r, start);
        return;
    }
    const bool reversed = mode == 1 || mode == 3;
    const bool horizontalBands = mode == 0 || mode == 1;
    const Color first = reversed ? end : start;
    const Color last = reversed ? start : end;
    const int extent = horizontalBands ? r.height() : r.width();
    const int count = std::max(2, std::min(bands, extent));
    const int band = extent / count;
    auto bandRect = [&](int from, int to) {
        return horizontalBands ? Rect{r.left, r.top + from, r.right, r.top + to}
                               : Rect{r.left + from, r.top, r.left + to, r.bottom};
    };
    if (band > 0) {
        // One band more than asked; the pixels left over get the far colour.
        for (int i = 0; i <= count; ++i)
            solidFill(canvas, bandRect(i * band, (i + 1) * band), blend(first, last, i, count - 1));
    }
    const int leftOver = extent % count;
    if (leftOver > 0)
        solidFill(canvas, bandRect(extent - leftOver, extent), last);
}

void paintXpButton(Canvas& canvas, const XpButtonState& button, int W, int H) {
    const Rect inner{4, 4, W - 4, H - 4};
    if (!button.Enabled) {
        canvas.setBrush(Brush{DisabledFace});
        canvas.setPen(Pen{OuterFrame});
        canvas.roundRect(Rect{0, 0, W, H}, 3, 3);
        for (const Point corner :
             {Point{0, 0}, Point{W - 1, 0}, Point{0, H - 1}, Point{W - 1, H - 1}})
            canvas.setPixel(corner.x, corner.y, clBtnFace);
        canvas.setBrush(Brush{DisabledFace, BrushStyle::Clear});
        canvas.setPen(Pen{DisabledFrame});
        canvas.roundRect(Rect{1, 1, W - 1, H - 1}, 5, 5);
        paintCaption(canvas, button, W, H, DisabledText, 0);
        return;
    }

    canvas.setPen(Pen{OuterFrame, 1});
    canvas.setBrush(Brush{OuterFrame});
    canvas.roundRect(Rect{0, 0, W, H}, 3, 3);
    canvas.setBrush(Brush{OuterFrame, BrushStyle::Clear});
    canvas.setPen(Pen{DarkFrame});
    canvas.roundRect(Rect{1, 1, W - 1, H - 1}, 5, 5);

    if (button.FDowned && button.FActive)
        gradientFill(canvas, inner, FaceLight, FaceDark, H / 2, 1);
    else
        gradientFill(canvas, inner, FaceLight, FaceDark, H / 3, 0);

    line(canvas, TopHighlight, 3, 2, W - 3, 2);
    line(canvas, BottomShade, 3, H - 3, W - 3, H - 3);
    canvas.setPen(Pen{InnerOutline});
    canvas.setBrush(Brush{InnerOutline, BrushStyle::Clear});
    canvas.rectangle(Rect{2, 3, W - 2, H - 3});
    line(canvas, clWhite, 3, 4, 3, H - 4);
    line(canvas, clWhite, W - 4, 4, W - 4, H - 4);
    line(canvas, clWhite, 3, H - 1, W - 3, H - 1);
    line(canvas, clWhite, W - 1, H - 4, W - 1, 2);

    if (button.FActive) {
        canvas.setBrush(Brush{HoverRing, BrushStyle::Clear});
        canvas.setPen(Pen{HoverRing, 1});
        canvas.roundRect(Rect{3, 3, W - 3, H - 3}, 2, 2);
    }

    canvas.setClipRect(inner);
    paintCaption(canvas, button, W, H, button.FFontColor, button.FDowned ? 1 : 0);
    canvas.setClipRect(std::nullopt);

    if (button.FFocused) {
        canvas.setBrush(Brush{clWhite});
        canvas.setPen(Pen{clWhite, 2});
        canvas.focusRect(inner);
    }
}

} // namespace tessellon
