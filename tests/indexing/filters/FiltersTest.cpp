#include "TestDocuments.h"
#include "indexing/filters/FilterKind.h"
#include "indexing/filters/FilterLimits.h"
#include "indexing/filters/FilterProtocol.h"
#include "indexing/filters/HtmlFilter.h"
#include "indexing/filters/InProcessFilters.h"
#include "indexing/filters/RtfFilter.h"
#include "indexing/filters/TextFilter.h"
#include "indexing/filters/XmlFilter.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

QByteArray utf16le(const QString& s, bool bom) {
    QByteArray out = bom ? QByteArray("\xFF\xFE", 2) : QByteArray();
    for (QChar c : s) {
        out += char(c.unicode() & 0xFF);
        out += char(c.unicode() >> 8);
    }
    return out;
}

} // namespace

struct TextCase {
    const char* name;
    QByteArray bytes;
    FilterState state;
    QString text;
};
TESSELLON_PRINT_CASE_BY_NAME(TextCase)

class PlainText : public ::testing::TestWithParam<TextCase> {};

TEST_P(PlainText, DetectsCharsetAndBinary) {
    const TextCase& c = GetParam();
    const FilterResult r = TextFilter::extract(c.bytes);
    EXPECT_EQ(r.state, c.state);
    EXPECT_EQ(r.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PlainText,
    ::testing::Values(
        TextCase{"Utf8",
                 "Gr\xc3\xbc\xc3\x9f"
                 "e",
                 FilterState::Filtered, u"Grüße"_qs},
        TextCase{"Utf8Bom", "\xEF\xBB\xBFhi", FilterState::Filtered, "hi"},
        TextCase{"Windows1252", "caf\xe9 \x80", FilterState::Filtered, u"café €"_qs},
        TextCase{"Utf16Bom", utf16le("Hallo Welt", true), FilterState::Filtered, "Hallo Welt"},
        TextCase{"Utf16NoBom", utf16le("plain words here", false), FilterState::Filtered,
                 "plain words here"},
        TextCase{"Binary",
                 QByteArray("\x7f"
                            "ELF\x02\x01\x00\x00\x00",
                            9),
                 FilterState::PropertiesOnly, ""},
        TextCase{"ControlNoise", QByteArray(100, '\x01'), FilterState::PropertiesOnly, ""}));

TEST(HtmlFilter, TakesTitleMetaAndVisibleTextOnly) {
    const FilterResult r = HtmlFilter::extract(
        "<html><head><title>The &amp; Title</title>"
        "<meta name=\"Author\" content=\"Jane Roe\">"
        "<meta name='keywords' content='alpha, beta;gamma'>"
        "<meta name=description content=\"About it\">"
        "<script>var hidden = 'scriptword';</script><style>.x{}</style></head>"
        "<body><p>Caf&eacute; &#x263A; &#8364;<!-- commentword --></p><b>bold</b>"
        "<broken attr='<'>tail");
    EXPECT_EQ(r.title, "The & Title");
    EXPECT_EQ(r.author, "Jane Roe");
    EXPECT_EQ(r.keywords, QStringList({"alpha", "beta", "gamma"}));
    EXPECT_EQ(r.comments, "About it");
    EXPECT_TRUE(r.text.contains(u"Café ☺ €"_qs)) << r.text.toStdString();
    EXPECT_TRUE(r.text.contains("bold"));
    EXPECT_FALSE(r.text.contains("scriptword"));
    EXPECT_FALSE(r.text.contains("commentword"));
}

TEST(XmlFilter, TakesTextAndFirstTitleEvenWhenBroken) {
    const FilterResult r =
        XmlFilter::extract("<?xml version='1.0'?><rss><channel><title>Feed</title>"
                           "<item><title>Second</title><d>body words</d></item><unclosed>");
    EXPECT_EQ(r.title, "Feed");
    EXPECT_TRUE(r.text.contains("body words"));
    EXPECT_TRUE(r.text.contains("Second"));
}

TEST(RtfFilter, TakesBodyAndInfoGroup) {
    const FilterResult r = RtfFilter::extract(
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Times;}}{\\info{\\title Report}{\\author Max}"
        "{\\keywords one, two}{\\doccomm note}}{\\*\\generator X;}"
        "Hello \\'e9t\\'e9\\par second \\u8364? line\\tab end}");
    EXPECT_EQ(r.state, FilterState::Filtered);
    EXPECT_EQ(r.title, "Report");
    EXPECT_EQ(r.author, "Max");
    EXPECT_EQ(r.keywords, QStringList({"one", "two"}));
    EXPECT_EQ(r.comments, "note");
    EXPECT_EQ(r.text, u"Hello été\nsecond € line\tend"_qs);
}

TEST(RtfFilter, RefusesWhatIsNotRtf) {
    EXPECT_EQ(RtfFilter::extract("plain").state, FilterState::Failed);
}

TEST(OfficeFilters, ReadOoxmlAndOdfTextAndProperties) {
    TempDir dir;
    const QString docx = dir.filePath("a.docx");
    writeZip(docx, {{"word/document.xml",
                     "<w:document xmlns:w='w'><w:body><w:p><w:r><w:t>First para</w:t></w:r></w:p>"
                     "<w:p><w:r><w:t>second</w:t></w:r></w:p></w:body></w:document>"},
                    {"docProps/core.xml",
                     "<cp:coreProperties xmlns:cp='c' xmlns:dc='d'><dc:title>Doc T</dc:title>"
                     "<dc:creator>Ann</dc:creator><cp:keywords>k1, k2</cp:keywords>"
                     "<dc:subject>Subj</dc:subject></cp:coreProperties>"}});
    FilterResult r = InProcessFilters::run(FilterKind::Ooxml, docx.toUtf8(), {});
    EXPECT_EQ(r.state, FilterState::Filtered) << r.error.toStdString();
    EXPECT_EQ(r.text, "First para\nsecond\n");
    EXPECT_EQ(r.title, "Doc T");
    EXPECT_EQ(r.author, "Ann");
    EXPECT_EQ(r.subject, "Subj");
    EXPECT_EQ(r.keywords, QStringList({"k1", "k2"}));

    const QString pptx = dir.filePath("s.pptx");
    writeZip(pptx, {{"ppt/slides/slide10.xml",
                     "<p:sld xmlns:a='a' xmlns:p='p'><a:p><a:t>ten</a:t></a:p></p:sld>"},
                    {"ppt/slides/slide2.xml",
                     "<p:sld xmlns:a='a' xmlns:p='p'><a:p><a:t>two</a:t></a:p></p:sld>"}});
    EXPECT_EQ(InProcessFilters::run(FilterKind::Ooxml, pptx.toUtf8(), {}).text, "two\nten\n");

    const QString odt = dir.filePath("b.odt");
    writeZip(odt, {{"content.xml",
                    "<office:document-content xmlns:office='o' xmlns:text='t'><office:body>"
                    "<text:h>Head</text:h><text:p>Body<text:s/>text</text:p></office:body>"
                    "</office:document-content>"},
                   {"meta.xml", "<office:document-meta xmlns:office='o' xmlns:meta='m' "
                                "xmlns:dc='d'><office:meta><dc:title>Odt T</dc:title>"
                                "<meta:initial-creator>Bo</meta:initial-creator>"
                                "<meta:keyword>x</meta:keyword><meta:keyword>y</meta:keyword>"
                                "</office:meta></office:document-meta>"}});
    r = InProcessFilters::run(FilterKind::Odf, odt.toUtf8(), {});
    EXPECT_EQ(r.text, "Head\nBody text\n");
    EXPECT_EQ(r.title, "Odt T");
    EXPECT_EQ(r.author, "Bo");
    EXPECT_EQ(r.keywords, QStringList({"x", "y"}));

    // A flat document: one XML file with its settings, styles and pictures.
    const QString fodt = dir.write(
        "c.fodt", "<office:document xmlns:office='o' xmlns:text='t' xmlns:dc='d' "
                  "xmlns:config='c' xmlns:draw='g'><office:meta><dc:title>Flat T</dc:title>"
                  "</office:meta><office:settings><config:config-item>true</config:config-item>"
                  "</office:settings><office:styles><text:p>style sample</text:p></office:styles>"
                  "<office:body><text:h>Flat head</text:h><text:p>Flat <draw:frame><draw:image>"
                  "<office:binary-data>iVBORw0KGgo=</office:binary-data></draw:image>"
                  "</draw:frame>body</text:p></office:body></office:document>");
    r = InProcessFilters::run(FilterKinds::forName("c.fodt"), fodt.toUtf8(), {});
    EXPECT_EQ(r.state, FilterState::Filtered) << r.error.toStdString();
    EXPECT_EQ(r.text, "Flat head\nFlat body\n");
    EXPECT_EQ(r.title, "Flat T");
}

struct BrokenCase {
    const char* name;
    FilterKind kind;
    QByteArray bytes;
};
TESSELLON_PRINT_CASE_BY_NAME(BrokenCase)

class BrokenDocuments : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenDocuments, FailWithAMessageInsteadOfThrowing) {
    TempDir dir;
    const QString path = dir.write("broken.bin", GetParam().bytes);
    const FilterResult r = InProcessFilters::run(GetParam().kind, path.toUtf8(), {});
    EXPECT_EQ(r.state, FilterState::Failed);
    EXPECT_FALSE(r.error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, BrokenDocuments,
    ::testing::Values(BrokenCase{"PdfGarbage", FilterKind::Pdf, "%PDF-1.4 garbage \x01\x02"},
                      BrokenCase{"PdfEmpty", FilterKind::Pdf, ""},
                      BrokenCase{"DocxNotZip", FilterKind::Ooxml, "PK\x03\x04 truncated"},
                      BrokenCase{"OdtNoContent", FilterKind::Odf, "not a zip at all"},
                      BrokenCase{"FodtNotOdf", FilterKind::FlatOdf, "<html>not odf</html>"}));

TEST(InProcessFilters, MissingFileFailsAndEmptyFileIsPropertiesOnly) {
    TempDir dir;
    EXPECT_EQ(InProcessFilters::run(FilterKind::Text, dir.filePath("gone.txt").toUtf8(), {}).state,
              FilterState::Failed);
    const QString empty = dir.write("empty.txt", "");
    EXPECT_EQ(InProcessFilters::run(FilterKind::Text, empty.toUtf8(), {}).state,
              FilterState::PropertiesOnly);
}

TEST(FilterKinds, ChooseByExtensionAndSniffTheUnknown) {
    EXPECT_EQ(FilterKinds::forName("A.PDF"), FilterKind::Pdf);
    EXPECT_EQ(FilterKinds::forName("x.tar.gz"), FilterKind::None);
    EXPECT_EQ(FilterKinds::forName("README"), FilterKind::Sniff);
    EXPECT_EQ(FilterKinds::forName(".bashrc"), FilterKind::Sniff);
    EXPECT_TRUE(FilterKinds::runsInHelper(FilterKind::Ooxml));
    EXPECT_FALSE(FilterKinds::runsInHelper(FilterKind::Rtf));
}

TEST(FilterProtocol, RoundTripsAndRejectsAnythingElse) {
    FilterResult r;
    r.state = FilterState::Filtered;
    r.text = u"Text ✓\nline"_qs;
    r.title = "T";
    r.keywords = {"a", "b"};
    const QByteArray bytes = FilterProtocol::encode(r);
    const auto back = FilterProtocol::decode(bytes);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->state, FilterState::Filtered);
    EXPECT_EQ(back->text, r.text);
    EXPECT_EQ(back->keywords, r.keywords);
    EXPECT_FALSE(FilterProtocol::decode(bytes.left(bytes.size() - 1)).has_value());
    EXPECT_FALSE(FilterProtocol::decode("garbage").has_value());
    EXPECT_FALSE(FilterProtocol::decode({}).has_value());
}

TEST(FilterProtocol, LengthsBeyondTheAnswerFailWithoutReservingForThem) {
    // Magic and state, then the text's length; a keyword count after four
    // null strings. None of these lengths has the bytes it announces.
    const QByteArray start = QByteArray::fromHex("54464c5400000001");
    const QByteArray nulls = QByteArray::fromHex("ffffffff").repeated(4);
    const QByteArray trailer = QByteArray::fromHex("54464c54");
    for (const QByteArray& damaged :
         {start + QByteArray::fromHex("fffffffe") + trailer,
          start + QByteArray::fromHex("00000003") + "abc" + trailer,
          start + nulls + QByteArray::fromHex("ffffff00") + nulls.left(8) + trailer,
          start + nulls + QByteArray::fromHex("00000002ffffffff") + nulls.left(8) + trailer})
        EXPECT_FALSE(FilterProtocol::decode(damaged).has_value()) << damaged.toHex().toStdString();
}

TEST(Filters, CapTheTextOfAHugeFileAndRefuseFolders) {
    TempDir dir;
    const QString big = dir.write("big.txt", QByteArray("word ").repeated(3'000'000));
    const FilterResult r = InProcessFilters::run(FilterKind::Text, big.toUtf8(), {});
    EXPECT_EQ(r.state, FilterState::Filtered);
    EXPECT_EQ(r.text.size(), FilterLimits::MaxTextChars);
    EXPECT_EQ(InProcessFilters::run(FilterKind::Text, dir.path().toUtf8(), {}).state,
              FilterState::Failed);
}
