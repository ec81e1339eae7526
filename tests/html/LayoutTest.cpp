#include "DocumentFixture.h"

#include "html/ListTags.h"
#include "html/TableTags.h"

using namespace tessellon;
using namespace tessellon::testing;

namespace {

TEST_F(DocumentFixture, WordsOfMixedSizesShareOneBottom) {
    load(u"small <font size=12>Big</font> tail"_qs);
    const int bottom = word(u"Big"_qs)->Bottom();
    EXPECT_EQ(bottom, 5 + RecordingCanvas::lineHeight(TextFont{u"x"_qs, 12, {}}));
    EXPECT_EQ(word(u"small"_qs)->Bottom(), bottom);
    EXPECT_EQ(word(u"tail"_qs)->Bottom(), bottom);
    EXPECT_EQ(word(u"small"_qs)->LineHeight, 18);
}

TEST_F(DocumentFixture, SecondLineBreakAddsFivePixels) {
    load(u"a<br>b"_qs);
    const int oneBreak = word(u"b"_qs)->Top;
    load(u"a<br><br>b"_qs);
    const int twoBreaks = word(u"b"_qs)->Top;
    EXPECT_EQ(oneBreak, 5 + 12 + 5);
    EXPECT_EQ(twoBreaks - oneBreak, 5);
}

TEST_F(DocumentFixture, WordsWrapAtViewportWidth) {
    document.width = 30;
    load(u"aaaa bbbb"_qs);
    EXPECT_EQ(word(u"aaaa"_qs)->Left, 5);
    EXPECT_EQ(word(u"bbbb"_qs)->Left, 5);
    EXPECT_EQ(word(u"bbbb"_qs)->Top, 22);
    EXPECT_EQ(word(u"bbbb"_qs)->LineNumber, 1);
}

TEST_F(DocumentFixture, OverwideWordStaysAtLineStart) {
    document.width = 50;
    load(u"<font size=20>abcdefghijkl"_qs);
    EXPECT_EQ(word(u"abcdefghijkl"_qs)->Left, 5);
    EXPECT_EQ(word(u"abcdefghijkl"_qs)->Top, 5);
    EXPECT_GT(word(u"abcdefghijkl"_qs)->Width, 50);
}

struct AlignCase {
    const char* name;
    QString align;
    int left;
};
TESSELLON_PRINT_CASE_BY_NAME(AlignCase)

class LineAlignment : public DocumentFixture, public ::testing::WithParamInterface<AlignCase> {};

TEST_P(LineAlignment, MovesLine) {
    load(u"<p align="_qs + GetParam().align + u">word</p>"_qs);
    EXPECT_EQ(word(u"word"_qs)->Left, GetParam().left);
}

// A word of 16 pixels in a viewport of 300: right alignment moves the line by
// 300 - 16 - 10 from its start at 5, centring by half of that.
INSTANTIATE_TEST_SUITE_P(Cases, LineAlignment,
                         ::testing::Values(AlignCase{"right", u"right"_qs, 5 + 274},
                                           AlignCase{"centre", u"centre"_qs, 5 + 137},
                                           AlignCase{"american_center_stays_left", u"center"_qs, 5},
                                           AlignCase{"left", u"left"_qs, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentFixture, NestedNumberedListRenumbersFromOne) {
    load(u"<ol><li>a</li><li>b<ol><li>c</li><li>d</li></ol></li><li>e</li></ol>"_qs);
    QList<int> counters;
    for (const auto& i : document.TagList) {
        if (auto* listItem = dynamic_cast<aLISTag*>(i.get()))
            counters << listItem->Counter;
    }
    EXPECT_EQ(counters, (QList<int>{1, 2, 1, 2, 5}));
}

TEST_F(DocumentFixture, BulletsInsideNumberedListCountToo) {
    load(u"<ol><li>a<ul><li>x</li></ul></li><li>b</li></ol>"_qs);
    QList<int> counters;
    QStringList types;
    for (const auto& i : document.TagList) {
        if (auto* listItem = dynamic_cast<aLISTag*>(i.get())) {
            counters << listItem->Counter;
            types << listItem->ShowType;
        }
    }
    EXPECT_EQ(counters, (QList<int>{1, 2, 3}));
    EXPECT_EQ(types, (QStringList{u"number"_qs, u""_qs, u"number"_qs}));
}

TEST_F(DocumentFixture, UnclosedListItemKeepsIndent) {
    load(u"<ul><li>a</ul>b<br>c"_qs);
    EXPECT_EQ(word(u"a"_qs)->Left, 55);
    EXPECT_EQ(word(u"c"_qs)->Left, 55);
}

TEST_F(DocumentFixture, TableColumnsTakeWidestCell) {
    load(u"<table width=200><tr><td>aaaa</td><td>b</td></tr>"
         u"<tr><td>c</td><td>dddddddd</td></tr></table>"_qs);
    std::vector<aTDSTag*> cells;
    for (const auto& i : document.TagList) {
        if (auto* cell = dynamic_cast<aTDSTag*>(i.get()))
            cells.push_back(cell);
    }
    ASSERT_EQ(cells.size(), 4u);
    // Content width: 5 margin + text, plus 5 for the cell.
    const int first = 5 + 4 * 4 + 5;
    const int second = 5 + 8 * 4 + 5;
    const QList<QList<int>> placed{
        {5, first}, {5 + first, second}, {5, first}, {5 + first, second}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(cells[i]->Left, placed[i][0]) << i;
        EXPECT_EQ(cells[i]->Width, placed[i][1]) << i;
    }
    const int rowHeight = 5 + 12 + 5;
    EXPECT_EQ(cells[0]->Height, rowHeight);
    EXPECT_EQ(cells[2]->Top, cells[0]->Top + rowHeight);
    EXPECT_GE(document.MaxHeight, cells[2]->Top + rowHeight);
    EXPECT_EQ(document.TotalMiniHtml, 4);
}

TEST_F(DocumentFixture, PictureIsContentHeightPlusFive) {
    load(u"a<br>b"_qs);
    EXPECT_EQ(document.CacheBitmap->width(), 300);
    EXPECT_EQ(document.CacheBitmap->height(), document.MaxHeight + 5);
}

TEST_F(DocumentFixture, MissingPictureFileTakesFixedSize) {
    pictures.addPicture(u"/opt/app/logo.bmp"_qs, 20, 10, rgb(1, 2, 3));
    document.ProgramFolder = u"/opt/app/"_qs;
    load(u"<img src=\"file://%APP%logo.bmp\"><img src=\"gone.bmp\" width=30>"_qs);
    EXPECT_EQ(pictures.loadedPaths, (QStringList{u"/opt/app/logo.bmp"_qs, u"gone.bmp"_qs}));
    auto* found = item<aVisTag>(0);
    auto* missing = item<aVisTag>(1);
    EXPECT_EQ(found->Width, 20);
    EXPECT_EQ(found->Height, 10);
    EXPECT_EQ(missing->Width, 30);
    EXPECT_EQ(missing->Height, 105);
}

} // namespace
