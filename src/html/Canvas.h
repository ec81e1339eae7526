// The drawing surface the mini-HTML renderer and the flat button paint on.
// Colours are 0x00BBGGRR values as the window system keeps them; a value
// whose high byte is 0xFF names a system colour that the surface resolves.
// The Qt implementation lives with the widgets; tests use a recording one.
#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>

namespace tessellon {

using Color = quint32;

constexpr Color rgb(int red, int green, int blue) {
    return Color(red & 0xFF) | Color(green & 0xFF) << 8 | Color(blue & 0xFF) << 16;
}
constexpr int redOf(Color c) {
    return int(c & 0xFF);
}
constexpr int greenOf(Color c) {
    return int(c >> 8 & 0xFF);
}
constexpr int blueOf(Color c) {
    return int(c >> 16 & 0xFF);
}
constexpr bool isSystemColor(Color c) {
    return (c & 0xFF000000) == 0xFF000000;
}

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const FontStyle&) const = default;
};

// A font as the captions name it: face, size in points and style.
struct TextFont {
    QString name = QStringLiteral("MS Sans Serif");
    int size = 8;
    FontStyle style;
    bool operator==(const TextFont&) const = default;
};

enum class PenStyle { Solid, Clear };
enum class BrushStyle { Solid, Clear };

struct Pen {
    Color color = 0;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    bool operator==(const Pen&) const = default;
};

struct Brush {
    Color color = rgb(255, 255, 255);
    BrushStyle style = BrushStyle::Solid;
    bool operator==(const Brush&) const = default;
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// Right and bottom are exclusive, as the window system draws rectangles.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const Rect&) const = default;
};

class Picture;

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void setFont(const TextFont& font) = 0;
    virtual const TextFont& font() const = 0;
    virtual void setTextColor(Color color) = 0;
    virtual Color textColor() const = 0;
    virtual void setPen(const Pen& pen) = 0;
    virtual const Pen& pen() const = 0;
    virtual void setBrush(const Brush& brush) = 0;
    virtual const Brush& brush() const = 0;

    // Extent of a text in the current font.
    virtual int textWidth(const QString& text) = 0;
    virtual int textHeight(const QString& text) = 0;

    // Writes a text with its top-left corner at (x, y); with a solid brush
    // the text's cell is filled with the brush colour first.
    virtual void textOut(int x, int y, const QString& text) = 0;
    // A line in the pen from the first point up to, not including, the second.
    virtual void line(int x1, int y1, int x2, int y2) = 0;
    // Outlined with the pen and filled with the brush.
    virtual void rectangle(const Rect& r) = 0;
    virtual void roundRect(const Rect& r, int cornerWidth, int cornerHeight) = 0;
    virtual void ellipse(const Rect& r) = 0;
    // Filled with the brush, no outline.
    virtual void fillRect(const Rect& r) = 0;
    virtual void setPixel(int x, int y, Color color) = 0;
    // The desktop's keyboard-focus frame.
    virtual void focusRect(const Rect& r) = 0;

    // Drawing is limited to the rectangle; std::nullopt lifts the limit.
    virtual void setClipRect(std::optional<Rect> clip) = 0;
    // The current limit, or the whole surface.
    virtual Rect clipRect() const = 0;

    // Copies `source` of the picture into `dest`, stretched when the sizes
    // differ; pixels of the colour `transparent` are left out.
    virtual void drawPicture(const Rect& dest, const Picture& picture, const Rect& source,
                             std::optional<Color> transparent) = 0;
};

// An off-screen picture with its own surface.
class Picture {
public:
    virtual ~Picture() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
    // After resizing the content is undefined until drawn.
    virtual void setSize(int width, int height) = 0;
    virtual Canvas& canvas() = 0;
};

// Makes pictures of the same kind as the surfaces they are copied to.
class PictureFactory {
public:
    virtual ~PictureFactory() = default;
    virtual std::unique_ptr<Picture> createPicture(int width, int height) = 0;
    // The picture stored in a file or a program resource, or nothing when it
    // does not exist or cannot be read.
    virtual std::unique_ptr<Picture> loadPicture(const QString& path) = 0;
};

} // namespace tessellon
