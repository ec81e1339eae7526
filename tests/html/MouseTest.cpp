#include "DocumentFixture.h"

#include "html/FormTags.h"
#include "html/MouseHandlers.h"

using namespace tessellon;
using namespace tessellon::testing;

namespace {

class MouseFixture : public DocumentFixture {
protected:
    MouseFixture() {
        document.MouseKBHandler1 = std::make_unique<TNormalHandler>(&document);
        document.MouseKBHandler2 = std::make_unique<TFormElementHandler>(&document);
        document.ShellOpen = [this](const QString& target) { opened << target; };
    }

    void click(const atag* item, TMouseButton button = TMouseButton::mbLeft) {
        const int x = item->Left + 1;
        const int y = item->Bottom() - 1;
        document.MouseDown(nullptr, button, {}, x, y);
        document.MouseUp(nullptr, button, {}, x, y);
    }

    void drag(int fromX, int toX, int y) {
        document.MouseDown(nullptr, TMouseButton::mbLeft, {}, fromX, y);
        ticks += 200;
        document.MouseMove(nullptr, {}, toX, y);
        document.MouseUp(nullptr, TMouseButton::mbLeft, {}, toX, y);
    }

    QStringList opened;
};

struct LinkCase {
    const char* name;
    QString href;
    bool handled;
    QStringList opened;
};
TESSELLON_PRINT_CASE_BY_NAME(LinkCase)

class LinkClick : public MouseFixture, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(LinkClick, ReportsThenOpens) {
    const LinkCase& c = GetParam();
    QStringList reported;
    document.FLinkClicked = [&](HtmlControl*, const QString& href, bool& handled) {
        reported << href;
        handled = c.handled;
    };
    load(u"<a href=\""_qs + c.href + u"\">mail us</a>"_qs);
    click(word(u"mail us"_qs));
    EXPECT_EQ(reported, QStringList{c.href.toLower()});
    EXPECT_EQ(opened, c.opened);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LinkClick,
    ::testing::Values(
        LinkCase{"web", u"http://example.org/"_qs, false, {u"http://example.org/"_qs}},
        LinkCase{"mailto_loses_slashes",
                 u"mailto://Info@Example.org"_qs,
                 false,
                 {u"mailto:info@example.org"_qs}},
        LinkCase{"handled_opens_nothing", u"http://example.org/"_qs, true, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MouseFixture, RightButtonNeitherOpensNorToggles) {
    load(u"<a href=x>go</a> <input type=checkbox name=c>"_qs);
    auto* box = item<aFormElement>(4);
    ASSERT_TRUE(box);
    click(word(u"go"_qs), TMouseButton::mbRight);
    click(box, TMouseButton::mbRight);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_FALSE(box->checked);
}

TEST_F(MouseFixture, CheckBoxTogglesAndButtonOnlyReports) {
    QStringList events;
    document.FFormElementClicked = [&](HtmlControl*, const QString& form, const QString& method,
                                       const QString& action, const QString& name,
                                       const QString& type, const QString& value) {
        events << QStringList{form, method, action, name, type, value}.join(u'|');
    };
    load(u"<form name=f action=go><input type=checkbox name=c><input type=submit name=s "
         u"value=Send></form>"_qs);
    auto* box = item<aFormElement>(1);
    auto* send = item<aFormElement>(2);
    ASSERT_TRUE(box && send);
    click(box);
    EXPECT_TRUE(box->checked);
    click(box);
    EXPECT_FALSE(box->checked);
    click(send);
    EXPECT_EQ(events, (QStringList{u"f||go|c|checkbox|"_qs, u"f||go|c|checkbox|"_qs,
                                   u"f||go|s|submit|send"_qs}));
}

TEST_F(MouseFixture, UserDefinedItemReportsItsVariables) {
    document.FUserDefinedUpdate = [](aUserDefined*, const QString&, const QString&, int& w, int& h,
                                     QString&, QString&, QString&) {
        w = 20;
        h = 10;
    };
    QStringList events;
    document.FFormElementClicked = [&](HtmlControl*, const QString& a, const QString& b,
                                       const QString& c, const QString& d, const QString& e,
                                       const QString& f) {
        events << QStringList{a, b, c, d, e, f}.join(u'|');
    };
    load(u"<user id=7 type=chart var1=q>"_qs);
    click(item<aUserDefined>(0));
    EXPECT_EQ(events, QStringList{u"|q|chart|7||"_qs});
}

class SelectionFixture : public MouseFixture {
protected:
    SelectionFixture() { document.MouseKBHandler3 = std::make_unique<TBlockHandler>(&document); }
};

// "abcdef ghijkl" in 8 points: 4 pixels a character, the first word from 5
// to 29, the blank to 33, the second word to 57.
TEST_F(SelectionFixture, DragSelectsCoveredCharactersAtBothEnds) {
    load(u"abcdef ghijkl"_qs);
    drag(15, 40, 10);
    aText* first = word(u"abcdef"_qs);
    aText* last = word(u"ghijkl"_qs);
    EXPECT_EQ(first->SelStart, 2);
    EXPECT_EQ(first->SelStop, 5);
    EXPECT_EQ(first->SelStartX, 8);
    EXPECT_EQ(last->SelStart, 0);
    EXPECT_EQ(last->SelStop, 1);
    EXPECT_EQ(document.TotalSelected(), 3);

    const TextCall& highlight = picture().texts.back();
    EXPECT_EQ(highlight.text, u"gh"_qs);
    EXPECT_EQ(highlight.background, std::optional<Color>(clActiveCaption));
    EXPECT_EQ(highlight.color, document.OwnerColor);
}

TEST_F(SelectionFixture, PressClearsSelection) {
    load(u"abcdef ghijkl"_qs);
    drag(15, 40, 10);
    document.MouseDown(nullptr, TMouseButton::mbLeft, {}, 200, 60);
    EXPECT_EQ(document.TotalSelected(), 0);
    EXPECT_EQ(word(u"abcdef"_qs)->SelStart, -1);
}

TEST_F(SelectionFixture, BoldSplitsPartlySelectedWords) {
    load(u"abcdef ghijkl"_qs);
    drag(15, 40, 10);
    document.Bold();
    EXPECT_EQ(document.GetHtml(), u"ab<b>cdef gh</b>ijkl\r\n"_qs);
    EXPECT_TRUE(word(u"cdef"_qs)->Font.style.bold);
    EXPECT_FALSE(word(u"ab"_qs)->Font.style.bold);
    document.Underline();
    EXPECT_EQ(document.GetHtml(), u"ab<u><b>cdef gh</b></u>ijkl\r\n"_qs);
}

TEST_F(SelectionFixture, BoldInsideOneWord) {
    load(u"abcdef"_qs);
    drag(10, 20, 10);
    document.Bold();
    EXPECT_EQ(document.GetHtml(), u"a<b>bcd</b>ef\r\n"_qs);
}

TEST_F(SelectionFixture, BoldCountsShownCharactersAcrossLineEnds) {
    document.Lines = QStringList{u"ab"_qs, u"cd"_qs};
    document.LoadFromLines();
    // "ab\r\ncd\r\n" shows as "abcd": select "bc".
    drag(10, 17, 10);
    document.Bold();
    EXPECT_EQ(document.GetHtml(), u"a<b>b\r\nc</b>d\r\n"_qs);
}

TEST_F(SelectionFixture, BoldWithoutSelectionChangesNothing) {
    load(u"abc"_qs);
    document.Bold();
    EXPECT_EQ(document.GetHtml(), u"abc\r\n"_qs);
}

struct BoldTextCase {
    const char* name;
    QString text;
    bool stateBold;
    QString result;
};
TESSELLON_PRINT_CASE_BY_NAME(BoldTextCase)

class BoldText : public ::testing::TestWithParam<BoldTextCase> {};

TEST_P(BoldText, TogglesBoldMarkers) {
    TCurrentState state;
    state.Font.style.bold = GetParam().stateBold;
    EXPECT_EQ(TQzMiniHtml2::Bold(GetParam().text, state), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BoldText,
    ::testing::Values(BoldTextCase{"plain_becomes_bold", u"a<b>b</b>c"_qs, false, u"<b>abc</b>"_qs},
                      BoldTextCase{"both_markers", u"a<b>b</b>c"_qs, true, u"</b>abc<b>"_qs},
                      BoldTextCase{"only_end", u"a</b>c"_qs, true, u"</b>ac"_qs},
                      BoldTextCase{"only_start", u"a<b>c"_qs, true, u"ac<b>"_qs},
                      BoldTextCase{"no_markers_unchanged", u"ac"_qs, true, u"ac"_qs}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MouseFixture, TableCellPassesMouseToItsDocument) {
    load(u"<table><tr><td><a href=inner>x</a></td></tr></table>"_qs);
    auto* cell = item<aVisTag>(2);
    ASSERT_TRUE(cell);
    ASSERT_EQ(document.TotalMiniHtml, 1);
    TQzMiniHtml2& sub = *document.SubMiniHtml[0];
    const atag* link = sub.TagList[1].get();
    // The cell's document sees (x - cell left + 5, y - cell top + 5).
    document.MouseDown(nullptr, TMouseButton::mbLeft, {}, cell->Left + link->Left - 4,
                       cell->Top + link->Bottom() - 6);
    EXPECT_EQ(opened, QStringList{u"inner"_qs});
}

} // namespace
