#include "gui/TQzHtmlLabel2.h"

#include "html/Tag.h"
#include "html/TextTags.h"
#include "support/QtPrinters.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace tessellon;

namespace {

const QColor WindowColor(200, 210, 220);

class HtmlLabelTest : public ::testing::Test {
protected:
    HtmlLabelTest() {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, WindowColor);
        window.setPalette(palette);
        window.resize(400, 200);
        label = new TQzHtmlLabel2(&window);
        label->setGeometry(10, 10, 300, 60);
        label->document().ShellOpen = [this](const QString& target) { opened << target; };
    }

    QImage paint() { return label->grab().toImage(); }

    QWidget window;
    TQzHtmlLabel2* label;
    QStringList opened;
};

int countPixels(const QImage& image, const std::function<bool(QColor)>& match) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += match(image.pixelColor(x, y)) ? 1 : 0;
    }
    return count;
}

TEST_F(HtmlLabelTest, CaptionDrawsOnWindowColour) {
    label->setCaption(u"<font size=11>Find Results with <b>all</b> of these words:"_qs);
    const QImage image = paint();
    EXPECT_EQ(image.pixelColor(image.width() - 2, image.height() - 2), WindowColor);
    EXPECT_EQ(countPixels(image, [](QColor c) { return c == QColor(241, 254, 239); }), 0)
        << "the key colour never reaches the screen";
    EXPECT_GT(countPixels(image, [](QColor c) { return c.lightness() < 80; }), 50)
        << "dark text pixels";
    auto* bold = static_cast<aText*>(label->document().TagList[8].get());
    EXPECT_EQ(bold->shownText(), u"all"_qs);
    EXPECT_TRUE(bold->Font.style.bold);
}

// Marks the parsed items; a new parse makes new items without the mark.
void markItems(TQzHtmlLabel2* label) {
    label->document().TagList.front()->LineNumber = -1;
}
bool itemsMarked(TQzHtmlLabel2* label) {
    return label->document().TagList.front()->LineNumber == -1;
}

TEST_F(HtmlLabelTest, RepaintWithoutChangeDoesNotParse) {
    label->setCaption(u"<b>Host:</b>"_qs);
    paint();
    markItems(label);
    paint();
    EXPECT_TRUE(itemsMarked(label));
    label->resize(250, 60);
    paint();
    EXPECT_FALSE(itemsMarked(label)) << "a new size parses again";
}

TEST_F(HtmlLabelTest, AutoHeightFollowsContent) {
    label->setCaption(u"one<br>two<br>three"_qs);
    paint();
    EXPECT_EQ(label->height(), 60) << "without AutoHeight the stored height stays";
    label->setAutoHeight(true);
    paint();
    EXPECT_EQ(label->height(), label->document().MaxHeight + 5);
    EXPECT_GT(label->height(), 40);
}

TEST_F(HtmlLabelTest, SizeHintFitsCaptionOnOneLine) {
    label->setCaption(u"<font size=11><b>Host:</b>"_qs);
    const QSize hint = label->sizeHint();
    label->setCaption(u"<font size=11><b>Host:</b> and more words"_qs);
    EXPECT_GT(label->sizeHint().width(), hint.width());
    EXPECT_EQ(label->sizeHint().height(), hint.height());
    EXPECT_GT(hint.height(), 10);
}

TEST_F(HtmlLabelTest, EmptyHtmlShowsPlainCaption) {
    label->setText(u"Plain"_qs);
    const QImage image = paint();
    EXPECT_GT(countPixels(image, [](QColor c) { return c.lightness() < 80; }), 10);
    EXPECT_TRUE(label->document().TagList.empty());
}

TEST_F(HtmlLabelTest, DynamicTagReparsesAtEveryPaint) {
    label->setCaption(u"now <dynamic id=time>"_qs);
    paint();
    markItems(label);
    paint();
    EXPECT_FALSE(itemsMarked(label));
}

TEST_F(HtmlLabelTest, OwnDynamicHandlerStopsReparsing) {
    QStringList asked;
    label->setOnDynamicUpdate([&](TQzMiniHtml2*, const QString& id, QString& text) {
        asked << id;
        text = u"12:00"_qs;
    });
    label->setCaption(u"now <dynamic id=time>"_qs);
    paint();
    markItems(label);
    paint();
    EXPECT_TRUE(itemsMarked(label));
    EXPECT_EQ(asked, QStringList{u"time"_qs});
}

TEST_F(HtmlLabelTest, LinkClickReportsAndOpens) {
    window.show();
    label->setCaption(u"<a href=\"HTTP://Example.org\">site</a>"_qs);
    paint();
    QSignalSpy spy(label, &TQzHtmlLabel2::linkClicked);
    const atag* link = label->document().TagList[1].get();
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(link->Left + 2, link->Top + 2));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString(), u"http://example.org"_qs);
    EXPECT_EQ(opened, QStringList{u"http://example.org"_qs});

    label->setOnLinkClicked([](HtmlControl*, const QString&, bool& handled) { handled = true; });
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(link->Left + 2, link->Top + 2));
    EXPECT_EQ(opened.size(), 1) << "a handled click opens nothing";
}

} // namespace
