// What the program's own captions cost: parsing and laying out a caption
// with the desktop's fonts, the whole load (with painting into the cached
// picture), laying out alone, and the repaint of an unchanged label, which
// only copies the cached picture.
#include "gui/QPainterCanvas.h"
#include "html/MiniHtml.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace tessellon;

namespace {

const QString Captions[] = {
    QStringLiteral("<font size=11>Find Results with <b>all</b> of these words:"),
    QStringLiteral("<font size=11>find <b>filename</b>(s) or <b>file type</b>(s)"),
    QStringLiteral("<font size=11><b>Host:</b>"),
    QStringLiteral("<font size=12><b>Expert Search</b>"),
    QStringLiteral("<b><font size=12>Find  Results"),
    QStringLiteral("<b><font size=12>Check columns"),
    QStringLiteral("<b><font size=12>File Attributes"),
};

void setUp(TQzMiniHtml2& document, int caption) {
    document.width = 320;
    document.height = 40;
    document.InputHtml.Html = Captions[caption];
}

// Pictures that measure with the desktop's fonts but draw nothing, so that a
// load costs parsing and laying out only.
class MeasuringCanvas : public Canvas {
public:
    explicit MeasuringCanvas(QPainterCanvas& fonts) : fonts_(fonts) {}
    void setFont(const TextFont& font) override { fonts_.setFont(font); }
    const TextFont& font() const override { return fonts_.font(); }
    void setTextColor(Color) override {}
    Color textColor() const override { return 0; }
    void setPen(const Pen& pen) override { pen_ = pen; }
    const Pen& pen() const override { return pen_; }
    void setBrush(const Brush& brush) override { brush_ = brush; }
    const Brush& brush() const override { return brush_; }
    int textWidth(const QString& text) override { return fonts_.textWidth(text); }
    int textHeight(const QString& text) override { return fonts_.textHeight(text); }
    void textOut(int, int, const QString&) override {}
    void line(int, int, int, int) override {}
    void rectangle(const Rect&) override {}
    void roundRect(const Rect&, int, int) override {}
    void ellipse(const Rect&) override {}
    void fillRect(const Rect&) override {}
    void setPixel(int, int, Color) override {}
    void focusRect(const Rect&) override {}
    void setClipRect(std::optional<Rect>) override {}
    Rect clipRect() const override { return {}; }
    void drawPicture(const Rect&, const Picture&, const Rect&, std::optional<Color>) override {}

private:
    QPainterCanvas& fonts_;
    Pen pen_;
    Brush brush_;
};

class MeasuringPicture : public Picture {
public:
    explicit MeasuringPicture(QPainterCanvas& fonts) : canvas_(fonts) {}
    int width() const override { return width_; }
    int height() const override { return height_; }
    void setSize(int width, int height) override {
        width_ = width;
        height_ = height;
    }
    Canvas& canvas() override { return canvas_; }

private:
    MeasuringCanvas canvas_;
    int width_ = 0;
    int height_ = 0;
};

class MeasuringPictureFactory : public PictureFactory {
public:
    MeasuringPictureFactory()
        : image_(1, 1, QImage::Format_RGB32), painter_(&image_), fonts_(painter_) {}
    std::unique_ptr<Picture> createPicture(int, int) override {
        return std::make_unique<MeasuringPicture>(fonts_);
    }
    std::unique_ptr<Picture> loadPicture(const QString&) override { return nullptr; }

private:
    QImage image_;
    QPainter painter_;
    QPainterCanvas fonts_;
};

void BM_ParseAndLayoutCaption(benchmark::State& state) {
    MeasuringPictureFactory pictures;
    TQzMiniHtml2 document(pictures);
    setUp(document, int(state.range(0)));
    for (auto _ : state)
        document.LoadFromCaption();
    benchmark::DoNotOptimize(document.MaxWidth);
}
BENCHMARK(BM_ParseAndLayoutCaption)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

void BM_LoadCaption(benchmark::State& state) {
    TQzMiniHtml2 document(QPainterPictureFactory::instance());
    setUp(document, int(state.range(0)));
    for (auto _ : state)
        document.LoadFromCaption();
    benchmark::DoNotOptimize(document.MaxWidth);
}
BENCHMARK(BM_LoadCaption)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

void BM_LayoutCaption(benchmark::State& state) {
    TQzMiniHtml2 document(QPainterPictureFactory::instance());
    setUp(document, int(state.range(0)));
    document.LoadFromCaption();
    for (auto _ : state)
        document.Update();
    benchmark::DoNotOptimize(document.MaxWidth);
}
BENCHMARK(BM_LayoutCaption)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

// An unchanged label's paint: the cached picture copied to the surface.
void BM_RepaintUnchanged(benchmark::State& state) {
    QImage surface(320, 40, QImage::Format_RGB32);
    QPainter painter(&surface);
    QPainterCanvas target(painter);
    target.setBrush(Brush{rgb(240, 240, 240)});
    TQzMiniHtml2 document(QPainterPictureFactory::instance());
    setUp(document, 0);
    document.TargetCanvas = &target;
    document.LoadFromCaption();
    for (auto _ : state)
        document.ReDraw();
}
BENCHMARK(BM_RepaintUnchanged)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
