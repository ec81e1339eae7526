#include "gui/QPainterCanvas.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QPalette>

#include <algorithm>

namespace tessellon {

namespace {

// 96 dots per inch in dots per metre.
constexpr int DesktopDotsPerMetre = 3780;

QColor systemColor(int index) {
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 2:  // active caption
    case 13: // highlight
    case 29: // menu highlight
        return palette.color(QPalette::Highlight);
    case 9:  // caption text
    case 14: // highlight text
        return palette.color(QPalette::HighlightedText);
    case 5: // window
        return palette.color(QPalette::Base);
    case 7:  // menu text
    case 8:  // window text
    case 23: // info text
        return palette.color(QPalette::WindowText);
    case 16: // button shadow
    case 21: // dark shadow
        return palette.color(QPalette::Dark);
    case 17: // grey text
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 18: // button text
        return palette.color(QPalette::ButtonText);
    case 20: // button highlight
    case 22: // light
        return palette.color(QPalette::Light);
    case 24: // info background
        return palette.color(QPalette::ToolTipBase);
    default:
        return palette.color(QPalette::Window);
    }
}

bool isDesktopSansSerif(const QString& name) {
    return name.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0;
}

QRect toQRect(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

} // namespace

QColor toQColor(Color color) {
    if (isSystemColor(color))
        return systemColor(int(color & 0xFF));
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

Color fromQColor(const QColor& color) {
    return rgb(color.red(), color.green(), color.blue());
}

QFont toQFont(const TextFont& font) {
    static const QFont desktopFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    QFont qfont = isDesktopSansSerif(font.name) ? desktopFont : QFont(font.name);
    qfont.setPointSize(std::max(1, font.size));
    qfont.setBold(font.style.bold);
    qfont.setItalic(font.style.italic);
    qfont.setUnderline(font.style.underline);
    qfont.setStrikeOut(font.style.strikeOut);
    return qfont;
}

TextFont fromQFont(const QFont& font) {
    TextFont result{font.family(), std::max(1, font.pointSize()), {}};
    result.style.bold = font.bold();
    result.style.italic = font.italic();
    result.style.underline = font.underline();
    result.style.strikeOut = font.strikeOut();
    return result;
}

QPainterCanvas::QPainterCanvas(QPainter& painter, quint64* changes)
    : painter_(painter), changes_(changes) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    setFont(font_);
}

namespace {

struct CachedFont {
    TextFont font;
    int dpi;
    QFont qfont;
    QFontMetrics metrics;
    // Widths of the texts measured in this font: captions are laid out again
    // at every change of size with the same words.
    std::shared_ptr<QHash<QString, int>> widths;
};

// Looking fonts up is slow next to laying out a caption, and captions use a
// handful of fonts; the window thread keeps the recent ones.
const CachedFont& cachedFont(const TextFont& font, QPaintDevice* device) {
    static std::vector<CachedFont> cache;
    const int dpi = device ? device->logicalDpiY() : 96;
    for (const CachedFont& entry : cache) {
        if (entry.dpi == dpi && entry.font == font)
            return entry;
    }
    constexpr size_t MaxFonts = 64;
    if (cache.size() >= MaxFonts)
        cache.erase(cache.begin());
    QFont qfont = toQFont(font);
    QFontMetrics metrics = device ? QFontMetrics(qfont, device) : QFontMetrics(qfont);
    cache.push_back(CachedFont{font, dpi, qfont, metrics, std::make_shared<QHash<QString, int>>()});
    return cache.back();
}

} // namespace

void QPainterCanvas::setFont(const TextFont& font) {
    if (metrics_ && font == font_)
        return;
    font_ = font;
    const CachedFont& entry = cachedFont(font, painter_.device());
    qfont_ = entry.qfont;
    metrics_ = entry.metrics;
    widths_ = entry.widths;
}

const QFontMetrics& QPainterCanvas::metrics() {
    if (!metrics_)
        setFont(font_);
    return *metrics_;
}

int QPainterCanvas::textWidth(const QString& text) {
    const QFontMetrics& m = metrics();
    auto found = widths_->constFind(text);
    if (found != widths_->constEnd())
        return *found;
    constexpr qsizetype MaxWidths = 4096;
    if (widths_->size() >= MaxWidths)
        widths_->clear();
    const int width = m.horizontalAdvance(text);
    widths_->insert(text, width);
    return width;
}

int QPainterCanvas::textHeight(const QString&) {
    return metrics().height();
}

void QPainterCanvas::textOut(int x, int y, const QString& text) {
    touch();
    const QFontMetrics& m = metrics();
    if (brush_.style == BrushStyle::Solid)
        painter_.fillRect(QRect(x, y, m.horizontalAdvance(text), m.height()),
                          toQColor(brush_.color));
    painter_.setFont(qfont_);
    painter_.setPen(toQColor(textColor_));
    painter_.drawText(QPoint(x, y + m.ascent()), text);
}

bool QPainterCanvas::preparePenAndBrush() {
    const bool hasPen = pen_.style == PenStyle::Solid;
    const bool hasBrush = brush_.style == BrushStyle::Solid;
    painter_.setPen(hasPen ? QPen(toQColor(pen_.color), std::max(1, pen_.width)) : QPen(Qt::NoPen));
    painter_.setBrush(hasBrush ? QBrush(toQColor(brush_.color)) : QBrush(Qt::NoBrush));
    return hasPen || hasBrush;
}

void QPainterCanvas::line(int x1, int y1, int x2, int y2) {
    touch();
    if (pen_.style == PenStyle::Clear || (x1 == x2 && y1 == y2))
        return;
    painter_.setPen(QPen(toQColor(pen_.color), std::max(1, pen_.width)));
    // The end point is not drawn; step back one pixel along the line.
    const int endX = x2 - (x2 > x1 ? 1 : (x2 < x1 ? -1 : 0));
    const int endY = y2 - (y2 > y1 ? 1 : (y2 < y1 ? -1 : 0));
    painter_.drawLine(x1, y1, endX, endY);
}

void QPainterCanvas::rectangle(const Rect& r) {
    touch();
    if (r.isEmpty() || !preparePenAndBrush())
        return;
    if (pen_.style == PenStyle::Clear) {
        painter_.fillRect(toQRect(r), painter_.brush());
        return;
    }
    // A one-pixel pen outlines inside the rectangle, as on the desktop.
    painter_.drawRect(QRect(r.left, r.top, r.width() - 1, r.height() - 1));
}

void QPainterCanvas::roundRect(const Rect& r, int cornerWidth, int cornerHeight) {
    touch();
    if (r.isEmpty() || !preparePenAndBrush())
        return;
    painter_.drawRoundedRect(QRectF(r.left, r.top, r.width() - 1, r.height() - 1),
                             cornerWidth / 2.0, cornerHeight / 2.0);
}

void QPainterCanvas::ellipse(const Rect& r) {
    touch();
    if (r.isEmpty() || !preparePenAndBrush())
        return;
    painter_.drawEllipse(QRect(r.left, r.top, r.width() - 1, r.height() - 1));
}

void QPainterCanvas::fillRect(const Rect& r) {
    touch();
    if (r.isEmpty() || brush_.style == BrushStyle::Clear)
        return;
    painter_.fillRect(toQRect(r), toQColor(brush_.color));
}

void QPainterCanvas::setPixel(int x, int y, Color color) {
    touch();
    painter_.setPen(toQColor(color));
    painter_.drawPoint(x, y);
}

void QPainterCanvas::focusRect(const Rect& r) {
    touch();
    // The desktop's focus frame: a dotted line, whatever the pen.
    painter_.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRect(r.left, r.top, r.width() - 1, r.height() - 1));
}

void QPainterCanvas::setClipRect(std::optional<Rect> clip) {
    clip_ = clip;
    if (clip)
        painter_.setClipRect(toQRect(*clip));
    else
        painter_.setClipping(false);
}

Rect QPainterCanvas::clipRect() const {
    if (clip_)
        return *clip_;
    const QPaintDevice* device = painter_.device();
    return device ? Rect{0, 0, device->width(), device->height()} : Rect{};
}

void QPainterCanvas::drawPicture(const Rect& dest, const Picture& picture, const Rect& source,
                                 std::optional<Color> transparent) {
    const auto* qpicture = dynamic_cast<const QPainterPicture*>(&picture);
    if (!qpicture || dest.isEmpty() || source.isEmpty())
        return;
    touch();
    if (transparent)
        painter_.drawImage(toQRect(dest),
                           qpicture->keyedPart(toQRect(source), toQColor(*transparent).rgb()));
    else
        painter_.drawImage(toQRect(dest), qpicture->image(), toQRect(source));
}

QPainterPicture::QPainterPicture(int width, int height) {
    setSize(width, height);
}

QPainterPicture::QPainterPicture(QImage image)
    : image_(image.convertToFormat(QImage::Format_RGB32)), width_(image_.width()),
      height_(image_.height()) {
    attachPainter();
}

QPainterPicture::~QPainterPicture() {
    canvas_.reset();
    if (painter_.isActive())
        painter_.end();
}

void QPainterPicture::setSize(int width, int height) {
    if (canvas_ && width == width_ && height == height_)
        return;
    canvas_.reset();
    if (painter_.isActive())
        painter_.end();
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    image_ = QImage(std::max(1, width_), std::max(1, height_), QImage::Format_RGB32);
    attachPainter();
}

void QPainterPicture::attachPainter() {
    image_.setDotsPerMeterX(DesktopDotsPerMetre);
    image_.setDotsPerMeterY(DesktopDotsPerMetre);
    painter_.begin(&image_);
    ++changes_;
    canvas_ = std::make_unique<QPainterCanvas>(painter_, &changes_);
}

const QImage& QPainterPicture::keyedPart(const QRect& source, QRgb key) const {
    key &= 0xFFFFFF;
    if (keyed_.changes == changes_ && keyed_.source == source && keyed_.key == key)
        return keyed_.image;
    QImage part = image_.copy(source).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < part.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
        for (int x = 0; x < part.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = 0;
        }
    }
    keyed_ = KeyedCopy{changes_, source, key, std::move(part)};
    return keyed_.image;
}

std::unique_ptr<Picture> QPainterPictureFactory::createPicture(int width, int height) {
    return std::make_unique<QPainterPicture>(width, height);
}

std::unique_ptr<Picture> QPainterPictureFactory::loadPicture(const QString& path) {
    QImage image(path);
    if (image.isNull())
        return nullptr;
    return std::make_unique<QPainterPicture>(std::move(image));
}

QPainterPictureFactory& QPainterPictureFactory::instance() {
    static QPainterPictureFactory factory;
    return factory;
}

} // namespace tessellon
