#include "DocumentFixture.h"

#include "html/MouseHandlers.h"

using namespace tessellon;
using namespace tessellon::testing;

namespace {

// The last time the text was written into the picture.
const TextCall* lastText(const RecordingCanvas& canvas, const QString& text) {
    for (auto it = canvas.texts.rbegin(); it != canvas.texts.rend(); ++it) {
        if (it->text == text)
            return &*it;
    }
    return nullptr;
}

TEST_F(DocumentFixture, LinkPaintsInLinkColourUnderlined) {
    load(u"see <a href=x>go</a>"_qs);
    const TextCall* link = lastText(picture(), u"go"_qs);
    ASSERT_TRUE(link);
    EXPECT_EQ(link->color, clBlue);
    EXPECT_TRUE(link->font.style.underline);
    const TextCall* plain = lastText(picture(), u"see"_qs);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->color, clBlack);
    EXPECT_FALSE(plain->font.style.underline);
}

TEST_F(DocumentFixture, LinkUnderMouseTakesActiveColour) {
    RecordingControl control;
    document.MouseKBHandler1 = std::make_unique<TNormalHandler>(&document);
    load(u"see <a href=x>go</a>"_qs);
    aText* link = word(u"go"_qs);
    ticks += 200;
    document.MouseMove(&control, {}, link->Left + 2, link->Top + 2);
    EXPECT_EQ(lastText(picture(), u"go"_qs)->color, clRed);
    EXPECT_EQ(control.shape, TCursor::HandPoint);

    ticks += 200;
    document.MouseMove(&control, {}, 250, 80);
    EXPECT_EQ(lastText(picture(), u"go"_qs)->color, clBlue);
    EXPECT_EQ(control.shape, TCursor::Default);
}

TEST_F(DocumentFixture, QuickOrSmallMovesAreIgnored) {
    RecordingControl control;
    document.MouseKBHandler1 = std::make_unique<TNormalHandler>(&document);
    load(u"<a href=x>go</a>"_qs);
    aText* link = word(u"go"_qs);
    ticks += 200;
    document.MouseMove(&control, {}, 250, 80);
    ticks += 150;
    document.MouseMove(&control, {}, link->Left + 2, link->Top + 2);
    EXPECT_FALSE(link->MouseOver) << "within 150 ms of the last handled move";
    ticks += 200;
    document.MouseMove(&control, {}, 254, 76);
    EXPECT_FALSE(link->MouseOver) << "within 5 pixels of the last handled move";
    document.MouseMove(&control, {}, link->Left + 2, link->Top + 2);
    EXPECT_TRUE(link->MouseOver);
}

TEST_F(DocumentFixture, ReDrawShowsTargetBrushForKeyColour) {
    load(u"plain <p bgcolor=#FF0000>red</p>"_qs);
    EXPECT_EQ(picture().pixel(2, 2), KeyColor);
    const Color behind = rgb(10, 20, 30);
    EXPECT_EQ(target.pixel(2, 2), behind);
    aText* red = word(u"red"_qs);
    EXPECT_EQ(target.pixel(red->Left + 3, red->Top + 3), clRed);
    EXPECT_EQ(target.pixel(295, red->Top + 3), behind);
}

TEST_F(DocumentFixture, ReDrawCopiesOnlyViewportHeight) {
    document.height = 20;
    load(u"a<br>b<br>c<br>d"_qs);
    target.calls.clear();
    document.ReDraw();
    ASSERT_EQ(target.calls.size(), 2);
    EXPECT_EQ(target.calls[1], u"drawPicture 0,0,300,20 from 0,0,300,20 key=#F1FEEF"_qs);
}

TEST_F(DocumentFixture, ScrollingStaysInsidePicture) {
    document.height = 20;
    load(u"a<br>b<br>c<br>d"_qs);
    const int pictureHeight = document.CacheBitmap->height();
    document.ScrollUp(1000);
    EXPECT_EQ(document.ScrollTop, pictureHeight - 20);
    document.ScrollDown(5);
    EXPECT_EQ(document.ScrollTop, pictureHeight - 25);
    document.ScrollDown(1000);
    EXPECT_EQ(document.ScrollTop, 0);
}

TEST_F(DocumentFixture, ListMarksFollowListType) {
    load(u"<ol><li>a</li></ol><ul type=square><li>b</li></ul><ul><li>c</li></ul>"_qs);
    ASSERT_TRUE(lastText(picture(), u"1."_qs));
    int squares = 0;
    int circles = 0;
    for (const QString& call : picture().calls) {
        if (call.startsWith(u"rectangle"_qs) && call.endsWith(u"brush=#000000"_qs))
            ++squares;
        if (call.startsWith(u"ellipse"_qs))
            ++circles;
    }
    EXPECT_EQ(squares, 1);
    EXPECT_EQ(circles, 1);
}

TEST_F(DocumentFixture, SubscriptIsHalfSizeAndLowered) {
    load(u"H<sub>2</sub>O"_qs);
    const TextCall* sub = lastText(picture(), u"2"_qs);
    const TextCall* base = lastText(picture(), u"H"_qs);
    ASSERT_TRUE(sub && base);
    EXPECT_EQ(sub->font.size, 4);
    EXPECT_EQ(sub->y, word(u"2"_qs)->Top + 4);
}

} // namespace
