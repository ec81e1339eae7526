#include "DocumentFixture.h"

#include "html/DummyPrinter.h"

using namespace tessellon;
using namespace tessellon::testing;

namespace {

class RecordingPrinter : public TDummyPrinter {
public:
    int GetWidth(const TextFont&, const QString& Text) override { return int(Text.size()) * 10; }
    void TextOut(double X, double Y, const QString& Text) override {
        output << QStringLiteral("%1,%2 %3").arg(X).arg(Y).arg(Text);
    }
    QStringList output;
};

TEST_F(DocumentFixture, PrinterMeasuresWordsAndReceivesThem) {
    load(u"ab <font size=12>cde</font>"_qs);
    RecordingPrinter printer;
    document.UpdatePrinter(&printer);
    EXPECT_EQ(word(u"ab"_qs)->Width, 20);
    EXPECT_EQ(word(u"cde"_qs)->Width, 30);
    EXPECT_EQ(word(u"cde"_qs)->Height, 12) << "a word is as high as its point size";
    document.Print();
    EXPECT_EQ(printer.output,
              (QStringList{u"5,9 ab"_qs, u"25,9  "_qs, u"35,5 cde"_qs, u"65,9 "_qs}));
}

TEST_F(DocumentFixture, KeyColouredPictureShowsControlBackground) {
    pictures.addPicture(u"/pics/key.bmp"_qs, 10, 10, KeyColor);
    pictures.addPicture(u"/pics/white.bmp"_qs, 10, 10, clWhite);
    pictures.addPicture(u"/pics/blue.bmp"_qs, 10, 10, clBlue);
    load(u"<img src=file:///pics/key.bmp><img src=file:///pics/white.bmp>"
         u"<img src=file:///pics/blue.bmp>"_qs);
    const Color behind = target.brush().color;
    const atag* key = document.TagList[0].get();
    const atag* white = document.TagList[1].get();
    const atag* blue = document.TagList[2].get();
    EXPECT_EQ(target.pixel(key->Left + 5, key->Top + 5), behind);
    EXPECT_EQ(target.pixel(white->Left + 5, white->Top + 5), behind) << "white is transparent";
    EXPECT_EQ(target.pixel(blue->Left + 5, blue->Top + 5), clBlue);
}

TEST_F(DocumentFixture, SelectionMarkersSelectAndRecordState) {
    // The style in force at the end marker is added to the selection state.
    load(u"a <hi><b>marked</hi> b"_qs);
    EXPECT_TRUE(word(u"marked"_qs)->Selected);
    EXPECT_FALSE(word(u"a"_qs)->Selected);
    EXPECT_TRUE(document.selectionState.Selected);
    EXPECT_TRUE(document.selectionState.Font.style.bold);
}

TEST_F(DocumentFixture, BodyBackgroundBecomesOwnerColour) {
    load(u"<body bgcolor=#102030 text=clRed>x"_qs);
    EXPECT_EQ(document.OwnerColor, rgb(16, 32, 48));
    EXPECT_EQ(word(u"x"_qs)->FontColor, clRed);
    EXPECT_EQ(target.pixel(250, 2), rgb(16, 32, 48));
}

} // namespace
