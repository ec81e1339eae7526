#include "help/TTMyAbout.h"
#include "html/ColorNames.h"
#include "html/canvas/RecordingCanvas.h"
#include "support/QtPrinters.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

using namespace tessellon;
using tessellon::testing::RecordingCanvas;
using tessellon::testing::RecordingPictureFactory;

namespace {

constexpr Color Yellow = rgb(255, 255, 0);
constexpr Color Aqua = rgb(0, 255, 255);

class AboutWindowTest : public ::testing::Test {
protected:
    TAboutInfo info() const {
        TAboutInfo info;
        info.productname = u"Tessellon"_qs;
        info.applicationname = u"Local"_qs;
        info.deeplink = u"https://www.korvane.example/tessellon"_qs;
        return info;
    }
    void open(const TAboutInfo& info, const QString& version = u"0.1.0"_qs) {
        about = std::make_unique<TTMyAbout>(pictures, platform, version);
        about->FormCreate();
        about->FillInfo(info);
    }
    RecordingCanvas& canvas() { return static_cast<RecordingCanvas&>(about->Image1->canvas()); }
    const tessellon::testing::TextCall& lastText() { return canvas().texts.back(); }

    RecordingPictureFactory pictures;
    RecordingPlatform platform;
    std::unique_ptr<TTMyAbout> about;
};

// The recording canvas's metrics: " Tessellon " in bold Arial 28 is 11
// characters of 15 pixels, 42 pixels high.
TEST_F(AboutWindowTest, TitleIsALinkThatLightsUpUnderThePointer) {
    open(info());
    EXPECT_EQ(about->caption, u" Tessellon "_qs);
    EXPECT_EQ(about->linkrect, (Rect{134, 82, 299, 130}));
    EXPECT_TRUE(
        canvas().calls.contains(u"roundRect 131,82,302,130 10x10 pen=#C0C0C0 brush=#C0C0C0"_qs));
    const auto title = [&] {
        for (auto it = canvas().texts.rbegin(); it != canvas().texts.rend(); ++it)
            if (it->text == u" Tessellon ")
                return *it;
        return tessellon::testing::TextCall{};
    };
    EXPECT_EQ(title().x, 134);
    EXPECT_EQ(title().y, 85);
    EXPECT_EQ(title().background, std::optional<Color>(clBlack));

    const struct {
        int x, y;
        bool hand;
        Color color;
    } moves[] = {{200, 100, true, Aqua},
                 {200, 140, false, Yellow},
                 {134, 82, true, Aqua},
                 {299, 100, false, Yellow}};
    for (const auto& m : moves) {
        about->Image1MouseMove(m.x, m.y);
        EXPECT_EQ(about->handCursor, m.hand) << m.x << ',' << m.y;
        EXPECT_EQ(title().color, m.color) << m.x << ',' << m.y;
    }

    TAboutInfo inert = info();
    inert.deeplink.clear();
    open(inert);
    about->Image1MouseMove(200, 100);
    EXPECT_FALSE(about->handCursor);
    EXPECT_EQ(title().color, Yellow);
}

TEST_F(AboutWindowTest, ApplicationNameShrinksUntilItFits) {
    const struct {
        QString name;
        int size;
    } cases[] = {{u"Local"_qs, 23}, {QString(60, u'W'), 15}, {QString(2000, u'W'), 1}};
    for (const auto& c : cases) {
        TAboutInfo i = info();
        i.applicationname = c.name;
        open(i);
        const tessellon::testing::TextCall& name = lastText();
        ASSERT_EQ(name.text, c.name);
        EXPECT_EQ(name.font.size, c.size) << c.name.size();
        EXPECT_EQ(name.y, 135);
        EXPECT_EQ(name.background, std::nullopt);
    }
}

TEST_F(AboutWindowTest, BuildLineShowsTheVersionInFourPartsUnderTheTitle) {
    const struct {
        const char16_t* version;
        const char16_t* given; // the record's version
        const char16_t* shown;
    } cases[] = {{u"0.1.0", u"", u"Build: 0.1.0.0"},
                 {u"2.3.4.5", u"", u"Build: 2.3.4.5"},
                 {u"", u"", u"Build: 0.0.0.0"},
                 {u"0.1.0", u"Preview 7", u"Preview 7"}};
    for (const auto& c : cases) {
        TAboutInfo i = info();
        i.version = QString::fromUtf16(c.given);
        open(i, QString::fromUtf16(c.version));
        EXPECT_EQ(about->Label2.caption, QString::fromUtf16(c.shown));
        EXPECT_EQ(about->Label2.bounds.left, about->linkrect.left);
    }
}

TEST_F(AboutWindowTest, PanelIsRoundedOnTheTransparentKeyColour) {
    open(info());
    const struct {
        int x, y;
        Color color;
    } pixels[] = {{0, 0, TTMyAbout::Navy},
                  {TTMyAbout::Width - 1, 0, TTMyAbout::Navy},
                  {TTMyAbout::Width / 2, 0, rgb(255, 221, 187)},
                  {TTMyAbout::Width / 2, TTMyAbout::Height - 2, TTMyAbout::Cream}};
    for (const auto& p : pixels)
        EXPECT_EQ(canvas().pixel(p.x, p.y), p.color) << p.x << ',' << p.y;
}

TEST_F(AboutWindowTest, NoticeOrCreditsRollingWithoutEnd) {
    TAboutInfo i = info();
    open(i);
    EXPECT_TRUE(about->Memo1.visible);
    EXPECT_FALSE(about->Timer1Enabled);
    ASSERT_EQ(about->ListBox1.size(), 143);
    EXPECT_EQ(about->ListBox1.first(), u"Requirement Engineering"_qs);
    EXPECT_EQ(about->ListBox1.last(), u"Newsletter"_qs);
    EXPECT_EQ(about->bitmap->width(), 195);
    EXPECT_EQ(about->bitmap->height(), 143 * 30);

    about->FormKeyDown(TTMyAbout::KeyF3);
    EXPECT_FALSE(about->Memo1.visible);
    EXPECT_TRUE(about->Timer1Enabled);
    about->Timer1Timer();
    EXPECT_EQ(about->scrollOffset, 4290);
    about->Timer1Timer();
    EXPECT_EQ(about->scrollOffset, 4289);
    about->scrollOffset = 2;
    about->Timer1Timer();
    EXPECT_EQ(about->scrollOffset, 1);
    canvas().calls.clear();
    about->Timer1Timer();
    EXPECT_EQ(about->scrollOffset, 4290); // wrapped
    // Both copies, clipped to the notice: the roll's top at the notice's top.
    EXPECT_EQ(
        canvas().calls.mid(0, 4),
        (QStringList{u"clip 20,228,414,278"_qs, u"drawPicture 20,228,215,348 from 0,0,195,120"_qs,
                     u"drawPicture 20,4518,215,4638 from 0,0,195,120"_qs, u"clip none"_qs}));

    i.showauthors = true;
    open(i);
    EXPECT_FALSE(about->Memo1.visible);
    EXPECT_TRUE(about->Timer1Enabled);
}

TEST_F(AboutWindowTest, ClicksOpenTheTitlesLinkOrCloseWithAFadeOut) {
    open(info());
    about->Image1MouseDown(200, 100);
    EXPECT_EQ(platform.calls, QStringList{u"open: https://www.korvane.example/tessellon"_qs});
    EXPECT_FALSE(about->Timer3Enabled);

    about->LabelClick(about->Label4);
    EXPECT_EQ(platform.calls.mid(1),
              (QStringList{u"events"_qs, u"open: mailto:tessellon@korvane.example"_qs}));
    EXPECT_EQ(about->Label4.color, clPurple);

    about->Image1MouseDown(20, 300);
    EXPECT_TRUE(about->Timer3Enabled);
    EXPECT_TRUE(about->cursorHidden);
    EXPECT_EQ(about->modalResult, ModalResult::Ok);
    for (int tick = 0; tick < 50; ++tick)
        about->Timer3Timer();
    EXPECT_EQ(about->alphaBlendValue, 5);
    about->FormKeyDown(TTMyAbout::KeyEscape); // already closing: nothing starts again
    EXPECT_EQ(about->alphaBlendValue, 5);
    about->Timer3Timer();
    EXPECT_TRUE(about->released);
    about->FormClose();
    EXPECT_FALSE(about->cursorHidden);

    open(info());
    about->FormKeyDown(TTMyAbout::KeyEscape);
    EXPECT_TRUE(about->Timer3Enabled);
}

} // namespace
