#include "controls/XpButtonPainter.h"

#include "html/ColorNames.h"
#include "html/canvas/RecordingCanvas.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tessellon;
using namespace tessellon::testing;

namespace {

QStringList callsStartingWith(const RecordingCanvas& canvas, const QString& prefix) {
    QStringList found;
    for (const QString& call : canvas.calls) {
        if (call.startsWith(prefix))
            found << call;
    }
    return found;
}

struct GradientCase {
    const char* name;
    Rect rect;
    int bands;
    int mode;
    QStringList fills;
};
TESSELLON_PRINT_CASE_BY_NAME(GradientCase)

class Gradient : public ::testing::TestWithParam<GradientCase> {};

TEST_P(Gradient, FillsBands) {
    RecordingCanvas canvas(80, 30);
    const GradientCase& c = GetParam();
    gradientFill(canvas, c.rect, rgb(253, 253, 253), rgb(205, 204, 223), c.bands, c.mode);
    QStringList fills = canvas.calls;
    for (QString& fill : fills)
        fill.remove(u" pen=#000000"_qs);
    EXPECT_EQ(fills, c.fills);
}

// The face of a 75 x 25 button: 17 pixels high, 8 bands of 2 pixels, one
// extra band, and the one pixel left over in the end colour. The colours
// step by round(i * difference / 7) per channel, halves away from zero; the
// extra band overshoots the end colour and each channel keeps its low 8 bits.
INSTANTIATE_TEST_SUITE_P(
    Cases, Gradient,
    ::testing::Values(
        GradientCase{
            "button_face",
            Rect{4, 4, 71, 21},
            8,
            0,
            {u"fillRect 4,4,71,6 brush=#FDFDFD"_qs, u"fillRect 4,6,71,8 brush=#F6F6F9"_qs,
             u"fillRect 4,8,71,10 brush=#EFEFF4"_qs, u"fillRect 4,10,71,12 brush=#E8E8F0"_qs,
             u"fillRect 4,12,71,14 brush=#E2E1EC"_qs, u"fillRect 4,14,71,16 brush=#DBDAE8"_qs,
             u"fillRect 4,16,71,18 brush=#D4D3E3"_qs, u"fillRect 4,18,71,20 brush=#CDCCDF"_qs,
             u"fillRect 4,20,71,22 brush=#C6C5DB"_qs, u"fillRect 4,20,71,21 brush=#CDCCDF"_qs}},
        GradientCase{"reversed_leftover_takes_start",
                     Rect{0, 0, 10, 5},
                     2,
                     1,
                     {u"fillRect 0,0,10,2 brush=#CDCCDF"_qs, u"fillRect 0,2,10,4 brush=#FDFDFD"_qs,
                      u"fillRect 0,4,10,6 brush=#2D2E1B"_qs,
                      u"fillRect 0,4,10,5 brush=#FDFDFD"_qs}},
        GradientCase{"vertical_bands",
                     Rect{0, 0, 4, 3},
                     2,
                     2,
                     {u"fillRect 0,0,2,3 brush=#FDFDFD"_qs, u"fillRect 2,0,4,3 brush=#CDCCDF"_qs,
                      u"fillRect 4,0,6,3 brush=#9D9BC1"_qs}},
        GradientCase{"one_band_is_solid_start",
                     Rect{0, 0, 4, 3},
                     1,
                     0,
                     {u"fillRect 0,0,4,3 brush=#FDFDFD"_qs}},
        GradientCase{"bands_limited_to_height",
                     Rect{0, 0, 4, 3},
                     10,
                     0,
                     {u"fillRect 0,0,4,1 brush=#FDFDFD"_qs, u"fillRect 0,1,4,2 brush=#E5E4EE"_qs,
                      u"fillRect 0,2,4,3 brush=#CDCCDF"_qs, u"fillRect 0,3,4,4 brush=#B5B3D0"_qs}},
        GradientCase{"empty_rect", Rect{0, 0, 0, 5}, 4, 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

class XpButtonPaint : public ::testing::Test {
protected:
    XpButtonPaint() { button.setCaption(u"&OK"_qs); }
    RecordingCanvas paint() {
        RecordingCanvas canvas(75, 25);
        paintXpButton(canvas, button, 75, 25);
        return canvas;
    }
    XpButtonState button;
};

TEST_F(XpButtonPaint, CaptionCentredWithUnderlinedAccelerator) {
    RecordingCanvas canvas = paint();
    ASSERT_EQ(canvas.texts.size(), 1u);
    // "OK" in 8 points: 8 x 12 pixels.
    EXPECT_EQ(canvas.texts[0].text, u"OK"_qs);
    EXPECT_EQ(canvas.texts[0].x, 33);
    EXPECT_EQ(canvas.texts[0].y, 6);
    EXPECT_TRUE(canvas.calls.contains(u"line 33,18,37,18 pen=#000000 brush=none"_qs));
    EXPECT_TRUE(callsStartingWith(canvas, u"roundRect 3,3,72,22"_qs).isEmpty());
    EXPECT_TRUE(callsStartingWith(canvas, u"focusRect"_qs).isEmpty());
}

TEST_F(XpButtonPaint, PressedAndHoveredShiftsCaptionAndReversesFace) {
    button.FActive = true;
    button.FDowned = true;
    RecordingCanvas canvas = paint();
    EXPECT_EQ(canvas.texts[0].x, 34);
    EXPECT_EQ(canvas.texts[0].y, 7);
    EXPECT_TRUE(canvas.calls.contains(u"line 34,19,38,19 pen=#000000 brush=none"_qs));
    EXPECT_EQ(callsStartingWith(canvas, u"roundRect 3,3,72,22"_qs),
              QStringList{u"roundRect 3,3,72,22 2x2 pen=#F8B330 brush=none"_qs});
    // Twelve one-pixel bands from dark to light.
    const QStringList fills = callsStartingWith(canvas, u"fillRect 4,4,71,5"_qs);
    ASSERT_EQ(fills.size(), 1);
    EXPECT_TRUE(fills[0].endsWith(u"brush=#CDCCDF"_qs));
}

TEST_F(XpButtonPaint, FocusedDrawsFocusFrame) {
    button.FFocused = true;
    RecordingCanvas canvas = paint();
    EXPECT_EQ(callsStartingWith(canvas, u"focusRect"_qs),
              QStringList{u"focusRect 4,4,71,21 pen=#FFFFFF/2 brush=#FFFFFF"_qs});
}

TEST_F(XpButtonPaint, DisabledIsGreyWithButtonFaceCorners) {
    button.Enabled = false;
    button.FDowned = true;
    RecordingCanvas canvas = paint();
    EXPECT_EQ(canvas.pixel(0, 0), clBtnFace);
    EXPECT_EQ(canvas.pixel(74, 24), clBtnFace);
    EXPECT_EQ(canvas.pixel(10, 10), rgb(241, 241, 237));
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0].color, rgb(161, 161, 146));
    EXPECT_EQ(canvas.texts[0].x, 33) << "no pressed shift while disabled";
}

TEST_F(XpButtonPaint, FramesAndHighlightsInPlace) {
    RecordingCanvas canvas = paint();
    EXPECT_EQ(canvas.calls.first(), u"roundRect 0,0,75,25 3x3 pen=#D6D3D3 brush=#D6D3D3"_qs);
    EXPECT_TRUE(canvas.calls.contains(u"roundRect 1,1,74,24 5x5 pen=#003C74 brush=none"_qs));
    EXPECT_EQ(canvas.pixel(10, 2), rgb(206, 231, 255));
    EXPECT_EQ(canvas.pixel(10, 22), rgb(105, 130, 238));
    EXPECT_EQ(canvas.pixel(3, 10), clWhite);
    EXPECT_EQ(canvas.pixel(74, 10), clWhite);
}

} // namespace
