#include "common/TextFile.h"
#include "support/FormsFixture.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

using namespace tessellon;

namespace {

class ResultList : public FormsFixture {
protected:
    ResultList() {
        provider.names = {u"Path"_qs, u"Filename"_qs, u"Size"_qs, u"Write"_qs, u"DocKeywords"_qs};
        provider.rows = {
            {Variant(u"/d/a.txt"_qs), Variant(u"a.txt"_qs), Variant(std::int64_t(10)),
             Variant(QDateTime(QDate(2014, 1, 2), QTime(0, 0), Qt::UTC)),
             Variant(VariantArray::vector({Variant(u"x"_qs), Variant(u"y"_qs)}))},
            {Variant(u"/d/b.txt"_qs), Variant::null(), Variant::null(), Variant(),
             Variant(VariantArray::vector({}))},
        };
    }
};

TEST_F(ResultList, RowFillFormatsEveryCellAndAddsTheRecordNumber) {
    main->SearchbtnClick();
    const ResultRow first = main->ListView1Data(0);
    EXPECT_EQ(first.caption, u"a.txt"_qs);
    ASSERT_EQ(first.subItems.size(), 5);
    EXPECT_EQ(first.subItems[0], u"10"_qs);
    EXPECT_EQ(first.subItems[2], u"[x,y]"_qs);
    EXPECT_EQ(first.subItems[3], u"/d/a.txt"_qs);
    EXPECT_EQ(first.subItems[4], u"1"_qs);
    EXPECT_EQ(first.imageIndex, 7);
    EXPECT_TRUE(platform.calls.contains(u"icon: /d/a.txt"_qs));
    EXPECT_EQ(main->GetPath(1), u"/d/b.txt"_qs);
}

TEST_F(ResultList, NullFirstCellShowsTheConversionMessageOtherNullsAreEmpty) {
    main->SearchbtnClick();
    const ResultRow second = main->ListView1Data(1);
    EXPECT_EQ(second.caption, u"Could not convert variant of type (Null) into type (String)"_qs);
    EXPECT_EQ(second.subItems[0], u""_qs);
    EXPECT_EQ(second.subItems[2], u"[]"_qs);
}

TEST_F(ResultList, RemoteHostRowsHaveNoIcon) {
    world->defaultMachine = u"TESTHOST"_qs;
    world->reachableHosts = {u"TESTHOST"_qs, u"SERVER2"_qs};
    createForms();
    main->hostcb.text = u"SERVER2"_qs;
    main->SearchbtnClick();
    EXPECT_EQ(main->ListView1Data(0).imageIndex, -1);
}

TEST_F(ResultList, HeaderClickAlternatesAndIgnoresTheNumberColumn) {
    main->SearchbtnClick();
    main->ListView1ColumnClick(0); // Filename
    EXPECT_EQ(main->sortmarker, u" [d]"_qs);
    EXPECT_TRUE(provider.executions.back().statement.endsWith(u"ORDER BY Filename DESC "_qs));
    main->ListView1ColumnClick(1); // Size
    EXPECT_EQ(main->sortcolumn, u"Size"_qs);
    EXPECT_TRUE(provider.executions.back().statement.endsWith(u"ORDER BY Size ASC "_qs));
    const auto runs = provider.executions.size();
    main->ListView1ColumnClick(int(main->ListView1.columns.size()) - 1); // "#"
    EXPECT_EQ(provider.executions.size(), runs);
    EXPECT_EQ(main->sortmarker, u" [a]"_qs);
}

TEST_F(ResultList, NoResultSetMeansEmptyRows) {
    EXPECT_EQ(main->ListView1Data(0).caption, u""_qs);
    EXPECT_TRUE(main->ListView1Data(0).subItems.isEmpty());
}

QStringList reportOf(TKorvaneTessellonMain& main) {
    QStringList blocks;
    main.preparesaveresults(blocks);
    return TextFile::splitLines(blocks.join(u"\r\n"_qs) + u"\r\n"_qs);
}

TEST_F(ResultList, ReportHeaderColumnsRuleAndRows) {
    main->ComboBox100.text = u"x"_qs;
    main->SearchbtnClick();
    const QStringList lines = reportOf(*main);
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines[0], u"Tessellon - Ondrava Search"_qs);
    EXPECT_EQ(lines[3], u" "_qs);
    EXPECT_EQ(lines[4], u"Catalog: System"_qs);
    EXPECT_EQ(lines[5], u"Query: "_qs + main->sqlstatement);
    EXPECT_EQ(lines[6], u"Sorted by column: \"Filename\" ascending"_qs);
    EXPECT_EQ(lines[7], u"Documents found: 2"_qs);
    EXPECT_EQ(lines[8], u"Results Limit: 2000"_qs);
    EXPECT_EQ(lines[9], u""_qs);
    EXPECT_EQ(lines[10], u""_qs);
    EXPECT_EQ(lines[11], u"Filename,Size,Write,DocKeywords,Path,#"_qs);
    EXPECT_EQ(lines[12], QString(56, u'-'));
    EXPECT_TRUE(lines[13].startsWith(u"a.txt,10,"_qs));
    EXPECT_TRUE(lines[13].endsWith(u",[x,y],/d/a.txt,1"_qs));
    EXPECT_EQ(lines[14],
              u"Could not convert variant of type (Null) into type (String),,,[],/d/b.txt,2"_qs);
}

TEST_F(ResultList, ReportOfZeroHitsEndsWithTheRule) {
    provider.rows.clear();
    main->SearchbtnClick();
    const QStringList lines = reportOf(*main);
    EXPECT_EQ(lines.back(), QString(56, u'-'));
}

TEST_F(ResultList, ExpertReportRowsHaveOneValueMoreThanCaptions) {
    dialog->CheckBox25.checked = true;
    dialog->Memo1.text = u"SELECT Filename FROM System..SCOPE()"_qs;
    main->SearchbtnClick();
    const QStringList lines = reportOf(*main);
    const qsizetype columns = lines.indexOf(QString(56, u'-')) - 1;
    EXPECT_EQ(lines[columns], u"Path,Filename"_qs);
    EXPECT_EQ(lines[columns + 2], u"/d/a.txt,a.txt,1"_qs);
}

TEST_F(ResultList, ReportAfterAFailedRunHasLoneCommas) {
    main->SearchbtnClick();
    provider.failure = u"broken"_qs;
    main->SearchbtnClick();
    const QStringList lines = reportOf(*main);
    EXPECT_EQ(lines.mid(lines.size() - 2), (QStringList{u","_qs, u","_qs}));
}

TEST_F(ResultList, SaveResultsWritesTheChosenFileOnlyWhenConfirmed) {
    main->SearchbtnClick();
    TempDir dir;
    platform.saveFileAnswers = {QString(), dir.filePath(u"r.txt"_qs)};
    main->Save1Click();
    EXPECT_FALSE(QFile::exists(dir.filePath(u"r.txt"_qs)));
    main->Save1Click();
    EXPECT_TRUE(dir.read(u"r.txt"_qs).startsWith("Tessellon - Ondrava Search\r\n"));
    EXPECT_EQ(platform.fileDialogs.back().filter, u"Tessellon Result file (*.txt)|*.txt"_qs);
    EXPECT_EQ(platform.fileDialogs.back().defaultExtension, u"txt"_qs);
}

} // namespace
