#include "query/RecentEntries.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

TEST(AddTexttoCombobox, NewTextGoesFirst) {
    ComboBoxModel box;
    box.items = {u"old"_qs};
    box.text = u"new"_qs;
    AddTexttoCombobox(box);
    EXPECT_EQ(box.items, (QStringList{u"new"_qs, u"old"_qs}));
}

TEST(AddTexttoCombobox, KnownTextInOtherCaseMovesUpAndTakesStoredForm) {
    ComboBoxModel box;
    box.items = {u"report"_qs, u"document"_qs};
    box.text = u"DOCUMENT"_qs;
    AddTexttoCombobox(box);
    EXPECT_EQ(box.items, (QStringList{u"document"_qs, u"report"_qs}));
    EXPECT_EQ(box.text, u"document"_qs);
}

TEST(AddTexttoCombobox, CaseIsFoldedBeyondAscii) {
    ComboBoxModel box;
    box.items = {u"grüße"_qs};
    box.text = u"GRÜSSE"_qs; // not the same word: ß has no simple upper case
    AddTexttoCombobox(box);
    EXPECT_EQ(box.items.size(), 2);
    box.text = u"GRÜßE"_qs;
    AddTexttoCombobox(box);
    EXPECT_EQ(box.items.size(), 2);
    EXPECT_EQ(box.text, u"grüße"_qs);
}

TEST(AddTexttoCombobox, EmptyTextChangesNothing) {
    ComboBoxModel box;
    box.items = {u"a"_qs};
    AddTexttoCombobox(box);
    EXPECT_EQ(box.items, QStringList{u"a"_qs});
}

TEST(AddTexttoCombobox, TwentyFirstEntryPushesOldestOutButReentryKeepsAll) {
    ComboBoxModel box;
    for (int i = 1; i <= 20; ++i) {
        box.text = QString::number(i);
        AddTexttoCombobox(box);
    }
    ASSERT_EQ(box.items.size(), 20);
    box.text = u"5"_qs;
    AddTexttoCombobox(box);
    EXPECT_EQ(box.items.size(), 20);
    EXPECT_TRUE(box.items.contains(u"1"_qs));
    box.text = u"21"_qs;
    AddTexttoCombobox(box);
    EXPECT_EQ(box.items.size(), 20);
    EXPECT_EQ(box.items.front(), u"21"_qs);
    EXPECT_FALSE(box.items.contains(u"1"_qs));
}

} // namespace
