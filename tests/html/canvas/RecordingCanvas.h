// A canvas for tests: fixed, simple text metrics, a grid of pixels for the
// filling operations, and a record of every text written and every shape
// drawn, so tests can check what was painted where without a display.
//
// Metrics: a character is (points / 2) pixels wide, one more when bold; a
// line of text is (points * 3 / 2) pixels high.
#pragma once

#include "html/Canvas.h"
#include "html/HtmlControl.h"

#include <QHash>
#include <QStringList>
#include <memory>
#include <vector>

namespace tessellon::testing {

struct TextCall {
    int x = 0;
    int y = 0;
    QString text;
    TextFont font;
    Color color = 0;
    // The text cell's fill, when the brush was solid.
    std::optional<Color> background;
};

class RecordingCanvas : public Canvas {
public:
    // Without pixels only the calls are recorded (for benchmarks).
    RecordingCanvas(int width, int height, bool keepPixels = true);

    static int charWidth(const TextFont& font) { return font.size / 2 + (font.style.bold ? 1 : 0); }
    static int lineHeight(const TextFont& font) { return font.size * 3 / 2; }

    void setFont(const TextFont& font) override { font_ = font; }
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

    int width() const { return width_; }
    int height() const { return height_; }
    void resize(int width, int height);
    // The colour of a pixel; outside the surface: 0xFFFFFFFF.
    Color pixel(int x, int y) const;

    // Every text written, in order.
    std::vector<TextCall> texts;
    // Every other drawing call as one line, e.g. "roundRect 0,0,75,25 3x3
    // pen=#D3D3D6 brush=#D3D3D6".
    QStringList calls;

private:
    void fill(const Rect& r, Color color);
    QString describe() const;

    bool keepPixels_;
    int width_;
    int height_;
    std::vector<Color> pixels_;
    TextFont font_;
    Color textColor_ = 0;
    Pen pen_;
    Brush brush_;
    std::optional<Rect> clip_;
};

class RecordingPicture : public Picture {
public:
    RecordingPicture(int width, int height, bool keepPixels = true)
        : canvas_(width, height, keepPixels) {}
    int width() const override { return canvas_.width(); }
    int height() const override { return canvas_.height(); }
    void setSize(int width, int height) override { canvas_.resize(width, height); }
    RecordingCanvas& canvas() override { return canvas_; }
    const RecordingCanvas& canvas() const { return canvas_; }

private:
    RecordingCanvas canvas_;
};

class RecordingPictureFactory : public PictureFactory {
public:
    std::unique_ptr<Picture> createPicture(int width, int height) override;
    // A stored picture of that size filled with one colour, when one was
    // registered under the path.
    std::unique_ptr<Picture> loadPicture(const QString& path) override;
    void addPicture(const QString& path, int width, int height, Color fill);
    QStringList loadedPaths;
    bool keepPixels = true;

private:
    struct Stored {
        int width;
        int height;
        Color fill;
    };
    QHash<QString, Stored> stored_;
};

// "#RRGGBB" for messages.
QString colorName(Color color);

// A control that only keeps the mouse cursor the document asks for.
class RecordingControl : public HtmlControl {
public:
    TCursor cursor() const override { return shape; }
    void setCursor(TCursor c) override { shape = c; }
    TCursor shape = TCursor::Default;
};

} // namespace tessellon::testing
