#include "query/CriteriaTables.h"
#include "query/TKorvaneTessellonAdvancedIXSSO.h"
#include "search/StatusText.h"
#include "support/FormsFixture.h"
#include "support/QtPrinters.h"

using namespace tessellon;

namespace {

using AdvancedDialog = FormsFixture;

TEST_F(AdvancedDialog, FirstStartValues) {
    EXPECT_EQ(dialog->ComboBox4.text, u"2000"_qs);
    EXPECT_FALSE(dialog->deepshallow_cb.visible);
    EXPECT_TRUE(dialog->deepshallow_cb.checked);
    EXPECT_EQ(dialog->ComboBox3.text, u"<ALL folders>"_qs);
    EXPECT_EQ(dialog->ComboBox5.text, u"<ignore nothing>"_qs);
    EXPECT_EQ(dialog->startdatepicker.dateTime.date(), QDate(1905, 3, 12));
    EXPECT_EQ(dialog->enddatepicker.dateTime, platform.clock);
    EXPECT_FALSE(dialog->startdatepicker.checked || dialog->enddatepicker.checked);
    EXPECT_EQ(main->columnfields, (QStringList{u"Filename"_qs, u"Size"_qs, u"Write"_qs,
                                               u"DocKeywords"_qs, u"Path"_qs}));
    EXPECT_EQ(dialog->Memo1.lines().size(), 3);
    EXPECT_FALSE(dialog->Memo1.enabled);
}

TEST_F(AdvancedDialog, BrowsingAddsAFolderOnceQuotedAndShowsTheDeepTick) {
    platform.folderAnswers = {u"/home/u/Docs"_qs, u"/home/u/Docs"_qs, u"/srv/Work Files"_qs,
                              QString()};
    dialog->BrowsebtnClick();
    EXPECT_EQ(dialog->ComboBox3.text, u"\"/home/u/Docs\""_qs);
    EXPECT_TRUE(dialog->deepshallow_cb.visible);
    dialog->BrowsebtnClick();
    dialog->BrowsebtnClick();
    EXPECT_EQ(dialog->ComboBox3.text, u"\"/home/u/Docs\",\"/srv/Work Files\""_qs);
    dialog->BrowsebtnClick(); // cancelled
    EXPECT_EQ(dialog->ComboBox3.text, u"\"/home/u/Docs\",\"/srv/Work Files\""_qs);
    EXPECT_TRUE(platform.calls.contains(u"folder chooser: Please choose a Folder"_qs));
}

TEST_F(AdvancedDialog, MarkersComeBackOnDoubleClick) {
    dialog->ComboBox3.text = u"/x"_qs;
    dialog->ComboBox3Change();
    EXPECT_TRUE(dialog->deepshallow_cb.visible);
    dialog->ComboBox3DblClick();
    EXPECT_EQ(dialog->ComboBox3.text, AllFoldersMarker);
    EXPECT_FALSE(dialog->deepshallow_cb.visible);
    dialog->ComboBox5.text = u"*.tmp"_qs;
    dialog->ComboBox5DblClick();
    EXPECT_EQ(dialog->ComboBox5.text, IgnoreNothingMarker);
}

TEST_F(AdvancedDialog, FilenameCannotBeUnticked) {
    dialog->ColumnsListView.items[0].checked = false;
    dialog->ColumnsListViewChange(dialog->ColumnsListView, 0);
    EXPECT_TRUE(dialog->ColumnsListView.items[0].checked);
    dialog->ColumnsListView.items[10].checked = false; // Path may go
    dialog->ColumnsListViewChange(dialog->ColumnsListView, 10);
    EXPECT_FALSE(dialog->ColumnsListView.items[10].checked);
}

TEST_F(AdvancedDialog, ExpertTickDisablesExactlyTheCriteriaAndAppendsTheNotice) {
    main->Memo1.text = u"before"_qs;
    dialog->CheckBox25.checked = true;
    dialog->CheckBox25Click();
    for (const ControlState* c : std::initializer_list<const ControlState*>{
             &dialog->ComboBox20, &dialog->ComboBox22, &dialog->ComboBox23, &dialog->ComboBox24,
             &dialog->ComboBox3, &dialog->deepshallow_cb, &dialog->btnBrowse, &dialog->ComboBox5,
             &dialog->startdatepicker, &dialog->enddatepicker, &dialog->ComboBox1,
             &dialog->ComboBox2, &dialog->ColumnsListView, &dialog->FileAttributsListView,
             &main->ComboBox100, &main->ComboBox103, &main->CatalogListView})
        EXPECT_FALSE(c->enabled);
    EXPECT_TRUE(dialog->Memo1.enabled);
    EXPECT_TRUE(dialog->ComboBox4.enabled);
    EXPECT_TRUE(main->hostcb.enabled);
    EXPECT_EQ(main->Memo1.text, u"before\r\n"_qs + ExpertNotice);

    dialog->CheckBox25.checked = false;
    dialog->CheckBox25Click();
    EXPECT_TRUE(dialog->ComboBox20.enabled && main->CatalogListView.enabled);
    EXPECT_FALSE(dialog->Memo1.enabled);
    EXPECT_EQ(main->Memo1.text, u"before\r\n"_qs + ExpertNotice);
}

TEST_F(AdvancedDialog, OkTakesTheWordBoxesOverRestoresTheFolderMarkerAndSearches) {
    provider.names = {u"Path"_qs};
    main->showAdvancedDialog = [this] {
        dialog->ComboBox20.text = u"invoice"_qs;
        dialog->ComboBox3.text.clear();
        return ModalResult::Ok;
    };
    main->AdvancedbtnClick();
    EXPECT_EQ(main->ComboBox100.text, u"invoice"_qs);
    EXPECT_EQ(dialog->ComboBox3.text, AllFoldersMarker);
    ASSERT_EQ(provider.executions.size(), 1);
    EXPECT_TRUE(provider.executions[0].statement.contains(u"CONTAINS(All, 'invoice')"_qs));
}

TEST_F(AdvancedDialog, CancelKeepsTheEditsForTheNextSearch) {
    provider.names = {u"Path"_qs};
    main->showAdvancedDialog = [this] {
        dialog->ComboBox23.text = u"draft"_qs;
        return ModalResult::Cancel;
    };
    main->AdvancedbtnClick();
    EXPECT_TRUE(provider.executions.isEmpty());
    main->SearchbtnClick();
    EXPECT_TRUE(provider.executions[0].statement.contains(u"NOT CONTAINS(All, 'draft')"_qs));
}

TEST_F(AdvancedDialog, SearchTypeDialogOkStartsARun) {
    provider.names = {u"Path"_qs};
    TKorvaneTessellonAdvancedIXSSO searchType(*main);
    EXPECT_EQ(searchType.searchTypeBox.text, u"Free Text Search:  All Properties"_qs);
    EXPECT_EQ(searchType.searchTypeBox.items.size(), 4);
    EXPECT_EQ(searchType.okbtnClick(), ModalResult::Ok);
    EXPECT_EQ(provider.executions.size(), 1);
}

} // namespace
