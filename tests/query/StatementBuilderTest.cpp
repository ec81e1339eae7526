#include "common/Error.h"
#include "query/CriteriaTables.h"
#include "support/FormsFixture.h"
#include "support/QtPrinters.h"

#include <functional>

using namespace tessellon;

namespace {

const QString Select = u"SELECT Path, Filename, Size, Write, DocKeywords FROM "_qs;

struct BuildCase {
    const char* name;
    std::function<void(TKorvaneTessellonMain&, TKorvaneTessellonAdvancedSQL&, FakeAdminWorld&)>
        setUp;
    QString statement;
};
TESSELLON_PRINT_CASE_BY_NAME(BuildCase)

void untick(TickListModel& list, const QString& caption) {
    list.items[list.indexOf(caption)].checked = false;
}

class StatementBuilder : public FormsFixture, public ::testing::WithParamInterface<BuildCase> {};

TEST_P(StatementBuilder, WritesTheStatementExactly) {
    GetParam().setUp(*main, *dialog, *world);
    main->CatalogRefreshClick();
    dialog->ResearchSQL();
    EXPECT_EQ(main->sqlstatement, GetParam().statement);
    EXPECT_EQ(main->ADOQuery1.statementText(), GetParam().statement);
    EXPECT_EQ(main->ADOQuery1.connectionText(), u"Provider=MSIDXS;Data Source="_qs);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, StatementBuilder,
    ::testing::Values(
        BuildCase{
            "all_words", [](auto& m, auto&, auto&) { m.ComboBox100.text = u"document"_qs; },
            Select +
                u"System..SCOPE()  WHERE CONTAINS(All, 'document')  ORDER BY Filename ASC "_qs},
        BuildCase{
            "phrase_among_words",
            [](auto& m, auto&, auto&) { m.ComboBox100.text = u"annual \"sales report\" 2014"_qs; },
            Select +
                u"System..SCOPE()  WHERE CONTAINS(All, 'annual AND \"sales report\" AND 2014')  ORDER BY Filename ASC "_qs},
        BuildCase{
            "any_words", [](auto&, auto& d, auto&) { d.ComboBox22.text = u"budget forecast"_qs; },
            Select +
                u"System..SCOPE()  WHERE  FREETEXT(Contents,'\"budget forecast\"') ORDER BY Filename ASC "_qs},
        BuildCase{
            "file_patterns",
            [](auto& m, auto&, auto&) { m.ComboBox103.text = u"*.doc budget.xls"_qs; },
            Select +
                u"System..SCOPE()  WHERE ( MATCHES(Filename, '*.doc') OR  MATCHES(Filename, 'budget.xls')) ORDER BY Filename ASC "_qs},
        BuildCase{
            "one_file_pattern", [](auto& m, auto&, auto&) { m.ComboBox103.text = u"*.doc"_qs; },
            Select +
                u"System..SCOPE()  WHERE  MATCHES(Filename, '*.doc') ORDER BY Filename ASC "_qs},
        BuildCase{
            "without_word", [](auto&, auto& d, auto&) { d.ComboBox23.text = u"obsolete"_qs; },
            Select +
                u"System..SCOPE()  WHERE  Size >=0 AND NOT CONTAINS(All, 'obsolete')  ORDER BY Filename ASC "_qs},
        BuildCase{
            "without_several_words",
            [](auto&, auto& d, auto&) { d.ComboBox23.text = u"obsolete \"old draft\""_qs; },
            Select +
                u"System..SCOPE()  WHERE  Size >=0 AND NOT CONTAINS(All, 'obsolete OR \"old draft\"')  ORDER BY Filename ASC "_qs},
        BuildCase{
            "ignore_pattern", [](auto&, auto& d, auto&) { d.ComboBox5.text = u"*.tmp"_qs; },
            Select +
                u"System..SCOPE()  WHERE  Size >=0 AND NOT MATCHES(Filename, '*.tmp') ORDER BY Filename ASC "_qs},
        BuildCase{
            "shallow_folders",
            [](auto& m, auto& d, auto&) {
                d.ComboBox3.text = u"/home/u/Docs,/home/u/My Files"_qs;
                d.deepshallow_cb.checked = false;
                m.ComboBox100.text = u"invoice"_qs;
            },
            Select +
                u"System..SCOPE(' SHALLOW TRAVERSAL OF (\"/home/u/Docs\", \"/home/u/My Files\") ')  WHERE CONTAINS(All, 'invoice')  ORDER BY Filename ASC "_qs},
        BuildCase{
            "quoted_deep_folder",
            [](auto& m, auto& d, auto&) {
                d.ComboBox3.text = u"\"/home/u/Docs\""_qs;
                m.ComboBox100.text = u"invoice"_qs;
            },
            Select +
                u"System..SCOPE(' \"/home/u/Docs\" ')  WHERE CONTAINS(All, 'invoice')  ORDER BY Filename ASC "_qs},
        BuildCase{"marker_in_other_case_is_a_folder",
                  [](auto&, auto& d, auto&) {
                      d.ComboBox3.items.clear(); // else the stored entry's case wins
                      d.ComboBox3.text = u"<all folders>"_qs;
                  },
                  Select + u"System..SCOPE(' \"<all folders>\" ')  ORDER BY Filename ASC "_qs},
        BuildCase{"empty_folder_text", [](auto&, auto& d, auto&) { d.ComboBox3.text = u""_qs; },
                  Select + u"System..SCOPE()  ORDER BY Filename ASC "_qs},
        BuildCase{
            "date_range",
            [](auto& m, auto& d, auto&) {
                m.ComboBox100.text = u"x"_qs;
                d.startdatepicker = {{}, QDateTime(QDate(2014, 1, 1), QTime(9, 0)), true};
                d.enddatepicker = {{}, QDateTime(QDate(2014, 8, 15), QTime(23, 0)), true};
            },
            Select +
                u"System..SCOPE()  WHERE CONTAINS(All, 'x')  AND (write >= '2014-01-01') AND (write <= '2014-08-15')  ORDER BY Filename ASC "_qs},
        BuildCase{
            "only_end_date",
            [](auto&, auto& d, auto&) {
                d.enddatepicker = {{}, QDateTime(QDate(2014, 8, 15), QTime(23, 0)), true};
            },
            Select + u"System..SCOPE()  WHERE  (write <= '2014-08-15')  ORDER BY Filename ASC "_qs},
        BuildCase{
            "size_range",
            [](auto&, auto& d, auto&) {
                d.ComboBox1.text = u"10K"_qs;
                d.ComboBox2.text = u"2M"_qs;
            },
            Select +
                u"System..SCOPE()  WHERE  (size >= 10000) AND (size <= 2000000)  ORDER BY Filename ASC "_qs},
        BuildCase{
            "attributes",
            [](auto&, auto& d, auto&) {
                untick(d.FileAttributsListView, u"Hidden"_qs);
                untick(d.FileAttributsListView, u"System"_qs);
            },
            Select +
                u"System..SCOPE()  WHERE  ATTRIB = ARRAY[0x00005EF1]  ORDER BY Filename ASC "_qs},
        BuildCase{
            "no_attribute_ticked",
            [](auto&, auto& d, auto&) {
                for (auto& item : d.FileAttributsListView.items)
                    item.checked = false;
            },
            Select +
                u"System..SCOPE()  WHERE  ATTRIB = ARRAY[0x00000000]  ORDER BY Filename ASC "_qs},
        BuildCase{
            "two_catalogs_remote_host",
            [](auto& m, auto&, auto& w) {
                w.catalogs.append(FakeCatalog{u"Web"_qs});
                m.catalognames = {u"System"_qs, u"Web"_qs};
                m.hostcb.text = u"SERVER2"_qs;
                m.ComboBox100.text = u"report"_qs;
            },
            Select +
                u"(TABLE SERVER2.System..SCOPE() UNION ALL TABLE SERVER2.Web..SCOPE() ) WHERE CONTAINS(All, 'report')  ORDER BY Filename ASC "_qs},
        BuildCase{"local_name_in_other_case_is_remote",
                  [](auto& m, auto&, auto&) {
                      m.hostcb.items.clear(); // else the stored entry's case wins
                      m.hostcb.text = u"testhost"_qs;
                  },
                  Select + u"testhost.System..SCOPE()  ORDER BY Filename ASC "_qs},
        BuildCase{"no_criteria", [](auto&, auto&, auto&) {},
                  Select + u"System..SCOPE()  ORDER BY Filename ASC "_qs},
        BuildCase{"sorted_descending_by_size",
                  [](auto& m, auto&, auto&) {
                      m.ComboBox100.text = u"report"_qs;
                      m.sortmarker = u" [d]"_qs;
                      m.sortcolumn = u"Size"_qs;
                  },
                  Select +
                      u"System..SCOPE()  WHERE CONTAINS(All, 'report')  ORDER BY Size DESC "_qs},
        BuildCase{"path_unticked_still_selected_once",
                  [](auto&, auto& d, auto&) { untick(d.ColumnsListView, u"Path"_qs); },
                  Select + u"System..SCOPE()  ORDER BY Filename ASC "_qs}),
    [](const auto& info) { return std::string(info.param.name); });

// Apostrophes in user text are doubled inside the statement's quoted texts.
INSTANTIATE_TEST_SUITE_P(
    Apostrophes, StatementBuilder,
    ::testing::Values(
        BuildCase{
            "word_boxes",
            [](auto& m, auto& d, auto&) {
                m.ComboBox100.text = u"don't \"rock 'n' roll\""_qs;
                d.ComboBox22.text = u"o'clock"_qs;
                d.ComboBox23.text = u"isn't"_qs;
            },
            Select +
                u"System..SCOPE()  WHERE CONTAINS(All, 'don''t AND \"rock ''n'' roll\"')  AND FREETEXT(Contents,'\"o''clock\"') AND NOT CONTAINS(All, 'isn''t')  ORDER BY Filename ASC "_qs},
        BuildCase{
            "patterns_and_folder",
            [](auto& m, auto& d, auto&) {
                m.ComboBox103.text = u"o'neil*"_qs;
                d.ComboBox5.text = u"*'s.tmp"_qs;
                d.ComboBox3.text = u"/home/o'brien"_qs;
            },
            Select +
                u"System..SCOPE(' \"/home/o''brien\" ')  WHERE  MATCHES(Filename, 'o''neil*') AND NOT MATCHES(Filename, '*''s.tmp') ORDER BY Filename ASC "_qs}),
    [](const auto& info) { return std::string(info.param.name); });

using StatementBuilderRules = FormsFixture;

TEST_F(StatementBuilderRules, ThreeRemoteCatalogsKeepTheScopeBlankBeforeEachUnion) {
    for (const char16_t* name : {u"K2", u"K3"})
        world->catalogs.append(FakeCatalog{QString::fromUtf16(name)});
    world->catalogs[0].name = u"K1"_qs;
    main->CatalogRefreshClick();
    main->catalognames = {u"K1"_qs, u"K2"_qs, u"K3"_qs};
    for (auto& item : main->CatalogListView.items)
        item.checked = true;
    main->hostcb.text = u"H"_qs;
    dialog->ResearchSQL();
    EXPECT_TRUE(main->sqlstatement.contains(
        u"FROM (TABLE H.K1..SCOPE() UNION ALL TABLE H.K2..SCOPE() UNION ALL TABLE H.K3..SCOPE() )"_qs))
        << main->sqlstatement.toStdString();
}

TEST_F(StatementBuilderRules, ColumnsFollowTheTicksWithARowNumberColumn) {
    dialog->ResearchSQL();
    QStringList captions;
    for (const auto& c : main->ListView1.columns)
        captions << c.caption;
    EXPECT_EQ(captions, (QStringList{u"Filename"_qs, u"Size"_qs, u"Write"_qs, u"DocKeywords"_qs,
                                     u"Path"_qs, u"#"_qs}));
    EXPECT_EQ(main->ListView1.columns[0].width, 200);
    EXPECT_EQ(main->ListView1.columns[1].alignment, ListColumn::Alignment::Right);
    EXPECT_EQ(main->ListView1.columns[3].tag, 3);
    EXPECT_EQ(main->ListView1.columns.back().alignment, ListColumn::Alignment::Right);
}

TEST_F(StatementBuilderRules, ExpertTextGetsPathAndItsColumns) {
    dialog->CheckBox25.checked = true;
    dialog->Memo1.text =
        u"SELECT Filename, Size FROM System..SCOPE() WHERE CONTAINS(Contents, 'x')"_qs;
    dialog->ResearchSQL();
    EXPECT_EQ(main->sqlstatement,
              u"SELECT Path, Filename, Size FROM System..SCOPE() WHERE CONTAINS(Contents, 'x')"_qs);
    EXPECT_EQ(main->columnfields, (QStringList{u"Path"_qs, u"Filename"_qs, u"Size"_qs}));
    ASSERT_EQ(main->ListView1.columns.size(), 3); // no "#" column in expert mode
}

TEST_F(StatementBuilderRules, ExpertTextThatNamesPathInAnyCaseIsLeftAlone) {
    dialog->CheckBox25.checked = true;
    dialog->Memo1.text = u"select Size,\r\n PATH from\r\nSystem..SCOPE()"_qs;
    dialog->ResearchSQL();
    EXPECT_EQ(main->sqlstatement, dialog->Memo1.text);
    EXPECT_EQ(main->columnfields, (QStringList{u"Size"_qs, u"PATH"_qs}));
}

TEST_F(StatementBuilderRules, NoCatalogLeavesNoStatementAndKeepsTheQueryText) {
    main->ComboBox100.text = u"first"_qs;
    dialog->ResearchSQL();
    const QString first = main->sqlstatement;
    world->catalogs.clear();
    main->CatalogRefreshClick();
    dialog->ResearchSQL();
    EXPECT_TRUE(main->sqlstatement.isEmpty());
    EXPECT_EQ(main->ADOQuery1.statementText(), first);
}

TEST_F(StatementBuilderRules, BadSizeStopsTheBuildWithTheConversionMessage) {
    dialog->ComboBox1.text = u"9999999999K"_qs;
    try {
        dialog->ResearchSQL();
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), u"'9999999999' is not a valid integer value"_qs);
    }
}

TEST_F(StatementBuilderRules, RecordsRecentEntriesAndSyncsTheMainBoxes) {
    main->ComboBox100.text = u"alpha"_qs;
    main->ComboBox103.text = u"*.txt"_qs;
    dialog->ComboBox22.text = u"beta"_qs;
    dialog->ResearchSQL();
    EXPECT_EQ(main->ComboBox100.items, QStringList{u"alpha"_qs});
    EXPECT_EQ(dialog->ComboBox20.items, QStringList{u"alpha"_qs});
    EXPECT_EQ(dialog->ComboBox24.text, u"*.txt"_qs);
    EXPECT_EQ(dialog->ComboBox22.items, QStringList{u"beta"_qs});
    EXPECT_EQ(dialog->ComboBox4.items, QStringList{u"2000"_qs});
}

} // namespace
