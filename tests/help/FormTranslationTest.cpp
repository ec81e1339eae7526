#include "help/FormTranslation.h"
#include "common/Error.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

TEST(FormTranslation, EachKindTakesItsTextsFromTagAndTagPlusOne) {
    // Every number n holds "sn"; caption and hint start as "-".
    QString table;
    for (int n = 1; n <= 60; ++n)
        table += u"%1=s%1\n"_qs.arg(n);
    const StringTable strings = StringTable::parse(table);
    const struct {
        ControlKind kind;
        const char16_t* caption;
        const char16_t* hint;
        const char16_t* filter;
    } cases[] = {
        {ControlKind::Label, u"s10", u"s11", u"-"},
        {ControlKind::MenuItem, u"s10", u"s11", u"-"},
        {ControlKind::Button, u"s10", u"s11", u"-"},
        {ControlKind::CheckBox, u"s10", u"s11", u"-"},
        {ControlKind::ComboBox, u"s10", u"s11", u"-"},
        {ControlKind::SpeedButton, u"-", u"s10", u"-"},
        {ControlKind::Image, u"-", u"s10", u"-"},
        {ControlKind::ToolButton, u"-", u"s11", u"-"},
        {ControlKind::Edit, u"s10", u"-", u"-"},
        {ControlKind::GroupBox, u"s10", u"-", u"-"},
        {ControlKind::RadioGroup, u"s10", u"-", u"-"},
        {ControlKind::OpenDialog, u"s10", u"-", u"s11"},
        {ControlKind::SaveDialog, u"s10", u"-", u"s11"},
        {ControlKind::Other, u"-", u"-", u"-"},
    };
    for (const auto& c : cases) {
        TranslatableForm form;
        form.tag = 1;
        form.controls = {{c.kind, 10, u"-"_qs, u"-"_qs, u"-"_qs, {}},
                         {c.kind, 0, u"-"_qs, u"-"_qs, u"-"_qs, {}}}; // tag 0: untouched
        translateForm(form, strings);
        const TranslatableControl& t = form.controls[0];
        EXPECT_EQ(form.caption, u"s1"_qs);
        EXPECT_EQ(t.caption, QString::fromUtf16(c.caption)) << int(c.kind);
        EXPECT_EQ(t.hint, QString::fromUtf16(c.hint)) << int(c.kind);
        EXPECT_EQ(t.filter, QString::fromUtf16(c.filter)) << int(c.kind);
        EXPECT_EQ(form.controls[1].caption, u"-"_qs);
    }
}

TEST(FormTranslation, ColumnsChildFormsAndMissingNumbers) {
    const StringTable strings = StringTable::parse(u"# About\r\n5=Name\n6=Size\n7=Child\n"_qs);
    TranslatableForm form;
    form.caption = u"kept"_qs; // tag 0: the form's caption stays
    TranslatableControl list{
        ControlKind::ListView, 3, {}, {}, {}, {{5, u"a"_qs}, {6, u"b"_qs}, {99, u"c"_qs}}};
    form.controls = {list};
    TranslatableForm child;
    child.tag = 7;
    form.children = {child};
    translateForm(form, strings);
    EXPECT_EQ(form.caption, u"kept"_qs);
    const auto& columns = form.controls[0].columns;
    EXPECT_EQ(columns[0].second, u"Name"_qs);
    EXPECT_EQ(columns[1].second, u"Size"_qs);
    EXPECT_EQ(columns[2].second, u"c"_qs); // a number the table lacks
    EXPECT_EQ(form.children[0].caption, u"Child"_qs);
}

TEST(FormTranslation, TableTextsAreCutAt255AndBadLinesAreNamed) {
    const StringTable strings = StringTable::parse(u"1="_qs + QString(300, u'x') + u"\n2=a\\nb"_qs);
    EXPECT_EQ(strings.text(1)->size(), 255);
    EXPECT_EQ(strings.text(2), std::optional<QString>(u"a\nb"_qs));
    try {
        StringTable::parse(u"1=a\nCaption=b\n"_qs);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.message(), u"String table line 2 is not NUMBER=TEXT: Caption=b"_qs);
    }
}

} // namespace
