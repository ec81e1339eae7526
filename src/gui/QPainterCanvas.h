// The canvas on Qt: draws with a QPainter on a widget or an image. The faces
// "MS Sans Serif" and "Arial" of the captions become the desktop's
// sans-serif font at the same point size; system colours come from the
// application palette.
#pragma once

#include "html/Canvas.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <memory>
#include <optional>

namespace tessellon {

QColor toQColor(Color color);
Color fromQColor(const QColor& color);
QFont toQFont(const TextFont& font);
TextFont fromQFont(const QFont& font);

class QPainterCanvas : public Canvas {
public:
    // Draws with `painter`, which must stay active while the canvas is used.
    // Every drawing operation counts up `changes` when given.
    explicit QPainterCanvas(QPainter& painter, quint64* changes = nullptr);

    void setFont(const TextFont& font) override;
    const TextFont& font() const override { return font_; }
    void setTextColor(Color color) override { textColor_ = color; }
    Color textColor() const override { return textColor_; }
    void setPen(const Pen& pen) override { pen_ = pen; }
    const Pen& pen() const override { return pen_; }
    void setBrush(const Brush& brush) override { brush_ = brush; }
    const Brush& brush() const override { return brush_; }

    int textWidth(const QString& text) override;
    int textHeight(const QString& text) override;
    void textOut(int x, int y, const QString& text) override;
    void line(int x1, int y1, int x2, int y2) override;
    void rectangle(const Rect& r) override;
    void roundRect(const Rect& r, int cornerWidth, int cornerHeight) override;
    void ellipse(const Rect& r) override;
    void fillRect(const Rect& r) override;
    void setPixel(int x, int y, Color color) override;
    void focusRect(const Rect& r) override;
    void setClipRect(std::optional<Rect> clip) override;
    Rect clipRect() const override;
    void drawPicture(const Rect& dest, const Picture& picture, const Rect& source,
                     std::optional<Color> transparent) override;

private:
    // Sets the painter's pen and brush for an outlined shape; false when
    // nothing would be drawn.
    bool preparePenAndBrush();
    const QFontMetrics& metrics();
    void touch() {
        if (changes_)
            ++*changes_;
    }

    QPainter& painter_;
    quint64* changes_;
    TextFont font_;
    QFont qfont_;
    std::optional<QFontMetrics> metrics_;
    std::shared_ptr<QHash<QString, int>> widths_;
    Color textColor_ = 0;
    Pen pen_;
    Brush brush_;
    std::optional<Rect> clip_;
};

// An off-screen image at 96 dots per inch, so point sizes come out as on the
// desktop.
class QPainterPicture : public Picture {
public:
    QPainterPicture(int width, int height);
    explicit QPainterPicture(QImage image);
    ~QPainterPicture() override;

    int width() const override { return width_; }
    int height() const override { return height_; }
    void setSize(int width, int height) override;
    Canvas& canvas() override { return *canvas_; }
    const QImage& image() const { return image_; }
    // A part of the image with the key colour made transparent; kept until
    // the picture is drawn on again, so unchanged repaints only copy.
    const QImage& keyedPart(const QRect& source, QRgb key) const;

private:
    void attachPainter();

    struct KeyedCopy {
        quint64 changes = ~quint64(0);
        QRect source;
        QRgb key = 0;
        QImage image;
    };
    mutable KeyedCopy keyed_;
    quint64 changes_ = 0;

    // The image is at least one pixel each way, so a painter is always active.
    QImage image_;
    int width_ = 0;
    int height_ = 0;
    QPainter painter_;
    std::unique_ptr<QPainterCanvas> canvas_;
};

class QPainterPictureFactory : public PictureFactory {
public:
    std::unique_ptr<Picture> createPicture(int width, int height) override;
    // Files and Qt resources (":/NAME") alike.
    std::unique_ptr<Picture> loadPicture(const QString& path) override;

    // The one factory the widgets share.
    static QPainterPictureFactory& instance();
};

} // namespace tessellon
