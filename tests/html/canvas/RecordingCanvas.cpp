#include "html/canvas/RecordingCanvas.h"

#include <algorithm>

namespace tessellon::testing {

QString colorName(Color color) {
    if (isSystemColor(color))
        return QStringLiteral("sys%1").arg(color & 0xFF);
    return QStringLiteral("#%1%2%3")
        .arg(redOf(color), 2, 16, QLatin1Char('0'))
        .arg(greenOf(color), 2, 16, QLatin1Char('0'))
        .arg(blueOf(color), 2, 16, QLatin1Char('0'))
        .toUpper();
}

RecordingCanvas::RecordingCanvas(int width, int height, bool keepPixels) : keepPixels_(keepPixels) {
    resize(width, height);
}

void RecordingCanvas::resize(int width, int height) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    if (keepPixels_)
        pixels_.assign(size_t(width_) * size_t(height_), 0xFFFFFFFF);
}

Color RecordingCanvas::pixel(int x, int y) const {
    if (!keepPixels_ || x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0xFFFFFFFF;
    return pixels_[size_t(y) * size_t(width_) + size_t(x)];
}

void RecordingCanvas::setPixel(int x, int y, Color color) {
    const Rect clip = clipRect();
    if (x < clip.left || y < clip.top || x >= clip.right || y >= clip.bottom)
        return;
    if (!keepPixels_ || x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    pixels_[size_t(y) * size_t(width_) + size_t(x)] = color;
}

void RecordingCanvas::fill(const Rect& r, Color color) {
    if (!keepPixels_)
        return;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x)
            setPixel(x, y, color);
    }
}

QString RecordingCanvas::describe() const {
    QString text = QStringLiteral(" pen=");
    text += pen_.style == PenStyle::Clear ? QStringLiteral("none") : colorName(pen_.color);
    if (pen_.width != 1)
        text += QStringLiteral("/%1").arg(pen_.width);
    text += QStringLiteral(" brush=");
    text += brush_.style == BrushStyle::Clear ? QStringLiteral("none") : colorName(brush_.color);
    return text;
}

namespace {

QString rectText(const Rect& r) {
    return QStringLiteral("%1,%2,%3,%4").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom);
}

} // namespace

int RecordingCanvas::textWidth(const QString& text) {
    return int(text.size()) * charWidth(font_);
}

int RecordingCanvas::textHeight(const QString&) {
    return lineHeight(font_);
}

void RecordingCanvas::textOut(int x, int y, const QString& text) {
    TextCall call{x, y, text, font_, textColor_, std::nullopt};
    if (brush_.style == BrushStyle::Solid)
        call.background = brush_.color;
    texts.push_back(call);
}

void RecordingCanvas::line(int x1, int y1, int x2, int y2) {
    calls << QStringLiteral("line %1,%2,%3,%4").arg(x1).arg(y1).arg(x2).arg(y2) + describe();
    if (pen_.style == PenStyle::Clear)
        return;
    // Straight lines only; the end point is left out.
    const int dx = x2 > x1 ? 1 : (x2 < x1 ? -1 : 0);
    const int dy = y2 > y1 ? 1 : (y2 < y1 ? -1 : 0);
    if (dx != 0 && dy != 0)
        return;
    for (int x = x1, y = y1; x != x2 || y != y2; x += dx, y += dy)
        setPixel(x, y, pen_.color);
}

void RecordingCanvas::rectangle(const Rect& r) {
    calls << QStringLiteral("rectangle ") + rectText(r) + describe();
    if (brush_.style == BrushStyle::Solid)
        fill(r, brush_.color);
    if (pen_.style == PenStyle::Clear || r.isEmpty())
        return;
    fill(Rect{r.left, r.top, r.right, r.top + 1}, pen_.color);
    fill(Rect{r.left, r.bottom - 1, r.right, r.bottom}, pen_.color);
    fill(Rect{r.left, r.top, r.left + 1, r.bottom}, pen_.color);
    fill(Rect{r.right - 1, r.top, r.right, r.bottom}, pen_.color);
}

void RecordingCanvas::roundRect(const Rect& r, int cornerWidth, int cornerHeight) {
    calls << QStringLiteral("roundRect %1 %2x%3")
                     .arg(rectText(r))
                     .arg(cornerWidth)
                     .arg(cornerHeight) +
                 describe();
    if (brush_.style == BrushStyle::Solid)
        fill(r, brush_.color);
}

void RecordingCanvas::ellipse(const Rect& r) {
    calls << QStringLiteral("ellipse ") + rectText(r) + describe();
    if (brush_.style == BrushStyle::Solid)
        fill(r, brush_.color);
}

void RecordingCanvas::fillRect(const Rect& r) {
    calls << QStringLiteral("fillRect ") + rectText(r) + describe();
    if (brush_.style == BrushStyle::Solid)
        fill(r, brush_.color);
}

void RecordingCanvas::focusRect(const Rect& r) {
    calls << QStringLiteral("focusRect ") + rectText(r) + describe();
}

void RecordingCanvas::setClipRect(std::optional<Rect> clip) {
    clip_ = clip;
    calls << (clip ? QStringLiteral("clip ") + rectText(*clip) : QStringLiteral("clip none"));
}

Rect RecordingCanvas::clipRect() const {
    return clip_.value_or(Rect{0, 0, width_, height_});
}

void RecordingCanvas::drawPicture(const Rect& dest, const Picture& picture, const Rect& source,
                                  std::optional<Color> transparent) {
    calls << QStringLiteral("drawPicture %1 from %2%3")
                 .arg(rectText(dest), rectText(source),
                      transparent ? QStringLiteral(" key=") + colorName(*transparent) : QString());
    const auto* recorded = dynamic_cast<const RecordingPicture*>(&picture);
    // Without pixels of its own there is nothing to copy into.
    if (!keepPixels_ || !recorded || dest.isEmpty() || source.isEmpty())
        return;
    for (int y = dest.top; y < dest.bottom; ++y) {
        for (int x = dest.left; x < dest.right; ++x) {
            const int sx = source.left + (x - dest.left) * source.width() / dest.width();
            const int sy = source.top + (y - dest.top) * source.height() / dest.height();
            const Color c = recorded->canvas().pixel(sx, sy);
            if (c == 0xFFFFFFFF || (transparent && c == *transparent))
                continue;
            setPixel(x, y, c);
        }
    }
}

std::unique_ptr<Picture> RecordingPictureFactory::createPicture(int width, int height) {
    return std::make_unique<RecordingPicture>(width, height, keepPixels);
}

std::unique_ptr<Picture> RecordingPictureFactory::loadPicture(const QString& path) {
    loadedPaths << path;
    auto found = stored_.constFind(path);
    if (found == stored_.constEnd())
        return nullptr;
    auto picture = std::make_unique<RecordingPicture>(found->width, found->height);
    picture->canvas().setBrush(Brush{found->fill});
    picture->canvas().fillRect(Rect{0, 0, found->width, found->height});
    picture->canvas().calls.clear();
    return picture;
}

void RecordingPictureFactory::addPicture(const QString& path, int width, int height, Color fill) {
    stored_.insert(path, Stored{width, height, fill});
}

} // namespace tessellon::testing
