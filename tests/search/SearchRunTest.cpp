#include "search/StatusText.h"
#include "support/FormsFixture.h"
#include "support/QtPrinters.h"

using namespace tessellon;

namespace {

class SearchRun : public FormsFixture {
protected:
    void answerWith(int rows) {
        provider.names = {u"Path"_qs, u"Filename"_qs};
        provider.rows.clear();
        for (int i = 0; i < rows; ++i)
            provider.rows.append({QString(u"/d/f%1"_qs).arg(i), QString(u"f%1"_qs).arg(i)});
    }
};

TEST_F(SearchRun, NormalRunWritesTheStatusTextAndHandsTheRowsToTheList) {
    answerWith(3);
    main->ComboBox100.text = u"document"_qs;
    main->SearchbtnClick();
    EXPECT_EQ(main->doccount, 3);
    EXPECT_EQ(main->ListView1.itemCount(), 3);
    EXPECT_EQ(main->Memo1.text,
              u"3  doc(s) found. Results Limit: 2000, Host: TESTHOST Catalog(s): 'System'\r\n"
              "Text Filter: With all of these words: document\r\n"
              "Sort by: 'Filename' ascending"_qs);
    ASSERT_EQ(provider.executions.size(), 1);
    EXPECT_EQ(provider.executions[0].maxRecords, 2000);
    EXPECT_TRUE(main->ds.isAttached());
    EXPECT_EQ(dialog->Memo1.text, main->sqlstatement); // the expert text follows the run
    EXPECT_FALSE(platform.busy);
}

TEST_F(SearchRun, EveryCriterionLineInOrder) {
    answerWith(0);
    main->ComboBox100.text = u"a"_qs;
    dialog->ComboBox22.text = u"b c"_qs;
    dialog->ComboBox23.text = u"d"_qs;
    main->ComboBox103.text = u"*.txt"_qs;
    dialog->ComboBox5.text = u""_qs;
    dialog->ComboBox3.text = u"/home"_qs;
    dialog->startdatepicker.checked = true;
    dialog->startdatepicker.dateTime = QDateTime(QDate(2014, 1, 1), QTime());
    dialog->ComboBox2.text = u"1K"_qs;
    dialog->FileAttributsListView.items[1].checked = false;
    main->sortmarker = u" [d]"_qs;
    main->SearchbtnClick();
    EXPECT_EQ(main->Memo1.text,
              u"0  doc(s) found. Results Limit: 2000, Host: TESTHOST Catalog(s): 'System'\r\n"
              "Text Filter: With all of these words: a\r\n"
              "Text Filter: With at least one of these words: b c\r\n"
              "Text Filter: Without these words: d\r\n"
              "Filter: Find this filename(s) or file type(s)*.txt\r\n"
              "Filter: Ignore this filename(s), file type(s) \r\n"
              "Directory Filter: /home\r\n"
              "Date Filter: min: 2014-01-01 max: 2014-08-15\r\n"
              "Size Filter: min:  max: 1000\r\n"
              "File Attributes Filter set: 0x00005EF5\r\n"
              "Sort by: 'Filename' descending"_qs);
}

TEST_F(SearchRun, ExpertRunShowsTheNoticeAfterAnEmptyLine) {
    answerWith(2);
    dialog->CheckBox25.checked = true;
    dialog->Memo1.text = u"SELECT Filename FROM\r\nSystem..SCOPE()"_qs;
    main->SearchbtnClick();
    EXPECT_EQ(main->Memo1.text, u"2  doc(s) found. Results Limit: 2000, Host: TESTHOST Catalog(s): "
                                "'\"FROM\r\nSystem\"'\r\n\r\n"_qs +
                                    ExpertNotice);
}

TEST_F(SearchRun, FailedExecutionShowsTheProviderMessageAndKeepsTheLastCount) {
    answerWith(12);
    main->SearchbtnClick();
    provider.failure = u"Syntax error at position 40: expected ')'"_qs;
    main->SearchbtnClick();
    EXPECT_EQ(main->Memo1.text, provider.failure);
    EXPECT_FALSE(main->ds.isAttached());
    EXPECT_EQ(main->doccount, 12);
    EXPECT_EQ(main->ListView1.itemCount(), 12);

    dialog->CheckBox25.checked = true;
    main->SearchbtnClick();
    EXPECT_EQ(main->Memo1.text, provider.failure + u"\r\n"_qs + ExpertNotice);
}

TEST_F(SearchRun, ResultLimitThatIsNoNumberFallsBackTo2000) {
    answerWith(1);
    for (const QString& bad : {u"abc"_qs, u""_qs, u"12x"_qs, u" 5"_qs}) {
        dialog->ComboBox4.text = bad;
        dialog->ComboBox4.items.clear();
        main->SearchbtnClick();
        EXPECT_EQ(dialog->ComboBox4.text, u"2000"_qs) << bad.toStdString();
        EXPECT_EQ(provider.executions.back().maxRecords, 2000);
        EXPECT_TRUE(main->Memo1.text.contains(u"Results Limit: 2000,"_qs));
    }
    dialog->ComboBox4.text = u"25"_qs;
    main->SearchbtnClick();
    EXPECT_EQ(provider.executions.back().maxRecords, 25);
}

TEST_F(SearchRun, EmptyCatalogListExecutesNothing) {
    answerWith(1);
    world->catalogs.clear();
    dialog->Memo1.text = u"kept"_qs;
    main->SearchbtnClick();
    EXPECT_TRUE(provider.executions.isEmpty());
    EXPECT_EQ(main->Memo1.text, u"Searching ..."_qs);
    EXPECT_EQ(dialog->Memo1.text, u"kept"_qs);
    EXPECT_FALSE(platform.busy);
}

TEST_F(SearchRun, SameCountTwiceStillMakesTheListFetchAgain) {
    answerWith(5);
    main->SearchbtnClick();
    const int generation = main->ListView1.rowsGeneration();
    main->SearchbtnClick();
    EXPECT_GT(main->ListView1.rowsGeneration(), generation);
    EXPECT_EQ(main->ListView1.itemCount(), 5);
}

TEST_F(SearchRun, NoTickedCatalogTicksTheFirst) {
    world->catalogs.append(FakeCatalog{u"My Docs"_qs});
    main->CatalogRefreshClick();
    for (auto& item : main->CatalogListView.items)
        item.checked = false;
    main->catalognames.clear();
    answerWith(0);
    main->SearchbtnClick();
    EXPECT_TRUE(main->CatalogListView.items[0].checked);
    EXPECT_EQ(main->catalogstr, u"System"_qs);
}

TEST_F(SearchRun, CatalogNameWithABlankIsQuotedInTheStatusLine) {
    world->catalogs.append(FakeCatalog{u"My Docs"_qs});
    main->CatalogRefreshClick();
    main->CatalogListView.items[1].checked = true;
    answerWith(0);
    main->SearchbtnClick();
    EXPECT_TRUE(main->Memo1.text.contains(u"Catalog(s): 'System,\"My Docs\"'"_qs))
        << main->Memo1.text.toStdString();
}

TEST_F(SearchRun, CatalogNamesFromTheExpertText) {
    dialog->CheckBox25.checked = true;
    dialog->Memo1.text =
        u"SELECT Path FROM (TABLE srv.Web..SCOPE() UNION ALL TABLE System..SCOPE())"_qs;
    main->fillcatalogstr();
    EXPECT_EQ(main->catalognames, (QStringList{u"Web"_qs, u"System"_qs}));
}

} // namespace
