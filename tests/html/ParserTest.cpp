#include "DocumentFixture.h"

#include "common/Error.h"

#include "html/FormTags.h"
#include "html/FormatTags.h"
#include "html/GraphicTags.h"
#include "html/HtmlValues.h"
#include "html/TableTags.h"

using namespace tessellon;
using namespace tessellon::testing;

namespace {

struct ItemsCase {
    const char* name;
    QString html;
    QStringList items;
};
TESSELLON_PRINT_CASE_BY_NAME(ItemsCase)

class ParserItems : public DocumentFixture, public ::testing::WithParamInterface<ItemsCase> {};

TEST_P(ParserItems, CutsSourceIntoItems) {
    load(GetParam().html);
    EXPECT_EQ(items(), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParserItems,
    ::testing::Values(
        ItemsCase{"two_blanks_two_spaces", u"a  b"_qs, {u"[a]"_qs, u"_"_qs, u"_"_qs, u"[b]"_qs}},
        ItemsCase{"capital_tag_names", u"<B>x</B>"_qs, {u"<b>"_qs, u"[x]"_qs, u"</b>"_qs}},
        ItemsCase{"title_markers_vanish", u"<title>Hello</title>"_qs, {u"[Hello]"_qs}},
        ItemsCase{"html_head_script_vanish",
                  u"<html><head>x</head><script>y</script>"_qs,
                  {u"[x]"_qs, u"[y]"_qs}},
        ItemsCase{"unknown_tag_vanishes", u"<blink>x</blink>"_qs, {u"[x]"_qs}},
        ItemsCase{"stray_close_makes_rest_plain",
                  u"a > b <b>c"_qs,
                  {u"[a]"_qs, u"_"_qs, u"[>]"_qs, u"_"_qs, u"[b]"_qs, u"_"_qs, u"[<b>c]"_qs}},
        ItemsCase{"open_without_close_is_text",
                  u"a < b"_qs,
                  {u"[a]"_qs, u"_"_qs, u"[<]"_qs, u"_"_qs, u"[b]"_qs}},
        ItemsCase{"nbsp_in_capitals", u"a&NBSP;b"_qs, {u"[a]"_qs, u"_"_qs, u"[b]"_qs}},
        ItemsCase{"entities", u"&lt;b&gt;&amp;&quot;&copy;"_qs, {u"[<b>&\"(c)]"_qs}},
        ItemsCase{"link_text_is_one_item",
                  u"<a href=\"HTTP://Example.ORG/Page\">two words</a> after"_qs,
                  {u"<a href=\"http://example.org/page\">"_qs, u"[two words]"_qs, u"</a>"_qs,
                   u"_"_qs, u"[after]"_qs}},
        ItemsCase{"tabs_stay_in_words", u"a\tb c"_qs, {u"[a\tb]"_qs, u"_"_qs, u"[c]"_qs}},
        ItemsCase{"end_of_img_has_no_item",
                  u"<img src=x.png></img><hr></hr>"_qs,
                  {u"<img src=\"x.png\" width=\"105\" height=\"105\">"_qs, u"<hr>"_qs}},
        ItemsCase{"dynamic_end_shows_empty_brackets",
                  u"</dynamic>"_qs,
                  {u"</dynamic>"_qs,
                   u"<font face=\"ms sans serif\" size=\"8\" color=\"#000000\">"_qs, u"[<>]"_qs,
                   u"</font>"_qs}},
        ItemsCase{"program_caption_double_blank",
                  u"<b><font size=12>Find  Results"_qs,
                  {u"<b>"_qs, u"<font size=\"12\">"_qs, u"[Find]"_qs, u"_"_qs, u"_"_qs,
                   u"[Results]"_qs}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentFixture, UnsupportedGroupIsNotRecognised) {
    document.SupportTag.remove(THTMLFlag::_TextFormat);
    load(u"<b>x</b><br>"_qs);
    EXPECT_EQ(items(), (QStringList{u"[x]"_qs, u"<br>"_qs}));
}

struct AttributeCase {
    const char* name;
    QString text;
    QList<std::pair<QString, QString>> attributes;
};
TESSELLON_PRINT_CASE_BY_NAME(AttributeCase)

class Extractvariables : public ::testing::TestWithParam<AttributeCase> {};

TEST_P(Extractvariables, BuildsNameValueList) {
    EXPECT_EQ(TQzMiniHtml2::Extractvariables(GetParam().text).entries(), GetParam().attributes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Extractvariables,
    ::testing::Values(
        AttributeCase{"plain_and_quoted",
                      u" A=1 b=\"X Y\" c"_qs,
                      {{u"a"_qs, u"1"_qs}, {u"b"_qs, u"x y"_qs}, {u"c"_qs, u"true"_qs}}},
        AttributeCase{
            "bare_word_first_joins_name", u" noshade size=3"_qs, {{u"noshade size"_qs, u"3"_qs}}},
        AttributeCase{"bare_word_last",
                      u" size=3 noshade"_qs,
                      {{u"size"_qs, u"3"_qs}, {u"noshade"_qs, u"true"_qs}}},
        AttributeCase{
            "unterminated_quote", u" a=\"x"_qs, {{u"a"_qs, u""_qs}, {u"x"_qs, u"true"_qs}}},
        AttributeCase{"later_name_wins", u" x=1 x=2"_qs, {{u"x"_qs, u"2"_qs}}},
        AttributeCase{
            "quote_inside_value_without_blank", u" a=b\"c\""_qs, {{u"a"_qs, u"b\"c\""_qs}}},
        AttributeCase{"empty", u""_qs, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Readnexttag, SplitsAtNextTag) {
    QString before, after, name, vars;
    TQzMiniHtml2::Readnexttag(u"ab<font size=2>cd<b>"_qs, before, after, name, vars);
    EXPECT_EQ(before, u"ab"_qs);
    EXPECT_EQ(name, u"font"_qs);
    EXPECT_EQ(vars, u" size=2"_qs);
    EXPECT_EQ(after, u"cd<b>"_qs);

    TQzMiniHtml2::Readnexttag(u"x>y<b>"_qs, before, after, name, vars);
    EXPECT_EQ(before, u"x>y<b>"_qs);
    EXPECT_TRUE(name.isEmpty());
    EXPECT_TRUE(after.isEmpty());
}

struct FontCase {
    const char* name;
    QString html;
    int points;
    Color color;
};
TESSELLON_PRINT_CASE_BY_NAME(FontCase)

class FontTag : public DocumentFixture, public ::testing::WithParamInterface<FontCase> {};

TEST_P(FontTag, GivesWordItsSizeAndColour) {
    load(GetParam().html + u"Word"_qs);
    aText* w = word(u"Word"_qs);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->Font.size, GetParam().points);
    EXPECT_EQ(w->FontColor, GetParam().color);
    EXPECT_EQ(w->Font.name, u"MS Sans Serif"_qs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FontTag,
    ::testing::Values(FontCase{"absolute_red", u"<font size=11 color=\"clRed\">"_qs, 11, clRed},
                      FontCase{"minus_two", u"<font size=-2>"_qs, 6, clBlack},
                      FontCase{"plus_two", u"<font size=\"+2\">"_qs, 10, clBlack},
                      FontCase{"not_a_number", u"<font size=big>"_qs, 8, clBlack},
                      FontCase{"hex_colour", u"<font color=#00FF00>"_qs, 8, rgb(0, 255, 0)},
                      FontCase{"closed_before_word", u"<font size=20></font>"_qs, 8, clBlack},
                      FontCase{"nested_closes_innermost", u"<font size=12><font size=14></font>"_qs,
                               12, clBlack}),
    [](const auto& info) { return std::string(info.param.name); });

struct ColorCase {
    const char* name;
    QString value;
    Color color;
};
TESSELLON_PRINT_CASE_BY_NAME(ColorCase)

class ColourRule : public ::testing::TestWithParam<ColorCase> {};

TEST_P(ColourRule, TurnsValueIntoColour) {
    EXPECT_EQ(htmlColor(GetParam().value), GetParam().color);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColourRule,
    ::testing::Values(ColorCase{"empty_black", u""_qs, clBlack},
                      ColorCase{"markup_black", u"<x"_qs, clBlack},
                      ColorCase{"hash", u"#F1FEEF"_qs, rgb(241, 254, 239)},
                      ColorCase{"hash_three_digits_white", u"#f00"_qs, clWhite},
                      ColorCase{"name_any_case", u"clred"_qs, clRed},
                      ColorCase{"system_name", u"clBtnFace"_qs, clBtnFace},
                      ColorCase{"decimal_bgr", u"255"_qs, rgb(255, 0, 0)},
                      ColorCase{"dollar_hex_bgr", u"$FF0000"_qs, rgb(0, 0, 255)},
                      ColorCase{"html_name_white", u"red"_qs, clWhite}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColourRule, WritesUpperCaseHash) {
    EXPECT_EQ(htmlColorText(rgb(241, 254, 239)), u"#F1FEEF"_qs);
    EXPECT_EQ(htmlColorText(rgb(0, 10, 255)), u"#000AFF"_qs);
}

struct LengthCase {
    const char* name;
    QString value;
    int total;
    int defaultValue;
    int length;
};
TESSELLON_PRINT_CASE_BY_NAME(LengthCase)

class LengthRule : public ::testing::TestWithParam<LengthCase> {};

TEST_P(LengthRule, ReadsAgainstTotal) {
    const LengthCase& c = GetParam();
    EXPECT_EQ(htmlLength(c.value, c.total, c.defaultValue), c.length);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LengthRule,
    ::testing::Values(LengthCase{"full_percent", u"100%"_qs, 500, 77, 490},
                      LengthCase{"half_percent_truncates", u"33%"_qs, 500, 77, 155},
                      LengthCase{"bad_percent_is_hundred", u"x%"_qs, 300, 77, 290},
                      LengthCase{"plain", u"200"_qs, 500, 77, 190},
                      LengthCase{"small_stays", u"8"_qs, 500, 77, 8},
                      LengthCase{"not_a_number_is_one", u"wide"_qs, 500, 77, 1},
                      LengthCase{"zero_takes_default", u"0"_qs, 500, 77, 67}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentFixture, RuleNoshadeOnlyAsLastWord) {
    load(u"<hr noshade><hr noshade size=3><hr size=3 width=50%>"_qs);
    auto* first = item<aHorizontalRule>(0);
    auto* second = item<aHorizontalRule>(1);
    auto* third = item<aHorizontalRule>(2);
    ASSERT_TRUE(first && second && third);
    EXPECT_TRUE(first->noshade);
    EXPECT_FALSE(second->noshade);
    EXPECT_EQ(second->size, 4);
    EXPECT_EQ(third->size, 3);
    EXPECT_EQ(third->rwidth, 140);
    EXPECT_EQ(first->rwidth, 290);
}

TEST_F(DocumentFixture, DynamicTagWithoutHandlerShowsIdInBrackets) {
    load(u"<dynamic id=Now>"_qs);
    aText* w = word(u"<now>"_qs);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->Font.size, 8);
    EXPECT_EQ(w->FontColor, clBlack);
}

TEST_F(DocumentFixture, DynamicHandlerSuppliesText) {
    QStringList asked;
    document.FDynamicUpdate = [&](TQzMiniHtml2*, const QString& id, QString& text) {
        asked << id;
        text = u"<b>12:00</b>"_qs;
    };
    load(u"at <dynamic id=time> today"_qs);
    EXPECT_EQ(asked, QStringList{u"time"_qs});
    EXPECT_EQ(items(), (QStringList{u"[at]"_qs, u"_"_qs, u"<dynamic id=\"time\">"_qs, u"<b>"_qs,
                                    u"[12:00]"_qs, u"</b>"_qs, u"_"_qs, u"[today]"_qs}));
}

TEST_F(DocumentFixture, CellContentMovesIntoCell) {
    load(u"<table><tr><td>a <b>b</b></td><td>x<td>y</td>z</td></tr></table>"_qs);
    std::vector<aTDSTag*> cells;
    for (const auto& i : document.TagList) {
        if (auto* cell = dynamic_cast<aTDSTag*>(i.get()))
            cells.push_back(cell);
    }
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0]->Html, u"a <b>b</b>"_qs);
    EXPECT_EQ(cells[1]->Html, u"x<td>y</td>z"_qs);
    EXPECT_EQ(items(), (QStringList{u"<table>"_qs, u"<tr>"_qs, u"<td>"_qs, u"</td>"_qs, u"<td>"_qs,
                                    u"</td>"_qs, u"</tr>"_qs, u"</table>"_qs}));
}

TEST_F(DocumentFixture, CellWithoutEndMarkerStaysInDocument) {
    load(u"<table><tr><td>a"_qs);
    auto* cell = item<aTDSTag>(2);
    ASSERT_TRUE(cell);
    EXPECT_TRUE(cell->Html.isEmpty());
    EXPECT_EQ(items().last(), u"[a]"_qs);
}

struct WriteBackCase {
    const char* name;
    QString html;
    QString written;
};
TESSELLON_PRINT_CASE_BY_NAME(WriteBackCase)

class GetHtml : public DocumentFixture, public ::testing::WithParamInterface<WriteBackCase> {};

TEST_P(GetHtml, WritesItemsBack) {
    load(GetParam().html);
    EXPECT_EQ(document.GetHtml(), GetParam().written + u"\r\n"_qs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetHtml,
    ::testing::Values(WriteBackCase{"caption_unchanged", u"<b>Host:</b>"_qs, u"<b>Host:</b>"_qs},
                      WriteBackCase{"font_attributes", u"<font color=clRed size=+2 name=Arial>x"_qs,
                                    u"<font face=\"arial\" size=\"10\" color=\"#FF0000\">x"_qs},
                      WriteBackCase{"body_colours_in_order",
                                    u"<body alink=#000000 bgcolor=#F1FEEF>x"_qs,
                                    u"<body bgcolor=\"#F1FEEF\" alink=\"#000000\">x"_qs},
                      WriteBackCase{"paragraph", u"<DIV align=Right>x</div>"_qs,
                                    u"<div align=\"right\">x</div>"_qs},
                      WriteBackCase{"input_checked", u"<input type=checkbox name=A checked>"_qs,
                                    u"<input name=\"a\" type=\"checkbox\" checked>"_qs},
                      WriteBackCase{"table_loses_attributes_and_cells",
                                    u"<table border=2><tr bgcolor=red><td>x</td></tr></table>"_qs,
                                    u"<table><tr><td></td></tr></table>"_qs},
                      WriteBackCase{"rule", u"<hr size=3 width=50% noshade>"_qs,
                                    u"<hr size=\"3\" width=\"140\" noshade>"_qs},
                      WriteBackCase{"selection_writes_nothing", u"<hi>x</hi>"_qs, u"x"_qs},
                      WriteBackCase{"blank_runs_kept", u"a  b"_qs, u"a  b"_qs}),
    [](const auto& info) { return std::string(info.param.name); });

struct CaptionCase {
    const char* name;
    QString html;
    int points;
    QStringList boldWords;
    QStringList plainWords;
};
TESSELLON_PRINT_CASE_BY_NAME(CaptionCase)

class ProgramCaption : public DocumentFixture, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(ProgramCaption, ShowsSizeAndBoldWords) {
    const CaptionCase& c = GetParam();
    load(c.html);
    for (const QString& text : c.boldWords) {
        aText* w = word(text);
        ASSERT_TRUE(w);
        EXPECT_TRUE(w->Font.style.bold) << text.toStdString();
        EXPECT_EQ(w->Font.size, c.points);
        EXPECT_EQ(w->Font.name, u"MS Sans Serif"_qs);
    }
    for (const QString& text : c.plainWords) {
        aText* w = word(text);
        ASSERT_TRUE(w);
        EXPECT_FALSE(w->Font.style.bold) << text.toStdString();
        EXPECT_EQ(w->Font.size, c.points);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramCaption,
    ::testing::Values(
        CaptionCase{"find_results",
                    u"<font size=11>Find Results with <b>all</b> of these words:"_qs,
                    11,
                    {u"all"_qs},
                    {u"Find"_qs, u"Results"_qs, u"with"_qs, u"of"_qs, u"these"_qs, u"words:"_qs}},
        CaptionCase{"find_filename",
                    u"<font size=11>find <b>filename</b>(s) or <b>file type</b>(s)"_qs,
                    11,
                    {u"filename"_qs, u"file"_qs, u"type"_qs},
                    {u"find"_qs, u"or"_qs}},
        CaptionCase{"host", u"<font size=11><b>Host:</b>"_qs, 11, {u"Host:"_qs}, {}},
        CaptionCase{"expert_search",
                    u"<font size=12><b>Expert Search</b>"_qs,
                    12,
                    {u"Expert"_qs, u"Search"_qs},
                    {}},
        CaptionCase{
            "heading", u"<b><font size=12>Find  Results"_qs, 12, {u"Find"_qs, u"Results"_qs}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentFixture, SourceRecordReloadsAndReports) {
    QString reported;
    document.InputHtml.FHtmlUpdate = [&](TQzMiniHtml2*, const QString& input, QChar) {
        reported = input;
    };
    document.InputHtml.SetHtml(u"<b>x</b>"_qs, QChar(u'x'));
    EXPECT_EQ(reported, u"<b>x</b>"_qs);
    EXPECT_EQ(items(), (QStringList{u"<b>"_qs, u"[x]"_qs, u"</b>"_qs}));
}

// A selection tag copies the open tags into the selection state; loading
// another text frees those tags, so the copy must go with them (a third load
// would otherwise apply freed tags).
class SelectionReload : public DocumentFixture, public ::testing::WithParamInterface<QString> {};

TEST_P(SelectionReload, ForgetsTheTagsOfTheFormerText) {
    load(u"<b><%1>x</%1></b>"_qs.arg(GetParam()));
    load(u"plain"_qs);
    EXPECT_TRUE(document.selectionState.StateTagList.isEmpty());
    EXPECT_FALSE(document.selectionState.Font.style.bold);
    load(u"again"_qs);
    EXPECT_EQ(items(), QStringList{u"[again]"_qs});
}

INSTANTIATE_TEST_SUITE_P(Tags, SelectionReload, ::testing::Values(u"hi"_qs, u"selection"_qs),
                         [](const auto& info) { return info.param.toStdString(); });

TEST_F(DocumentFixture, MissingFileFailsAndKeepsDocument) {
    load(u"keep"_qs);
    EXPECT_THROW(document.LoadFromFiles(u"/nonexistent/caption.html"_qs), Error);
    EXPECT_EQ(items(), QStringList{u"[keep]"_qs});
}

} // namespace
