// The provider against real index stores: the statements the builder emits,
// expert statements, every kind of condition, scopes, order, limits, typed
// values and the errors users meet.
#include "FullTextDamage.h"
#include "statement/CatalogFixture.h"
#include "support/BreakOutStatements.h"
#include "support/QtPrinters.h"

#include "common/BrowsingDataSet.h"
#include "common/DataQuery.h"
#include "common/Error.h"
#include "common/PathCodec.h"
#include "indexing/store/StoreDamage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <gtest/gtest.h>

using namespace tessellon;

namespace {

const std::vector<CorpusFile> SystemFiles = {
    {"Docs/document.txt", "This document covers the annual sales report for 2014 x",
     "2014-03-10 09:00:00"},
    {"Docs/invoice.doc", "invoice for consulting x", "2014-08-15 23:30:00"},
    {"Docs/Sub/deep.txt", "old invoice kept deep x", "2014-08-16 00:00:01"},
    {"Doc/sibling.txt", "a folder whose name begins like another"},
    {"My Files/budget.xls",
     "budget forecast for the next year",
     "2013-12-31 23:59:59",
     15000,
     0xA0,
     "",
     {"finance", "planning"}},
    {"My Files/budget.xlsx", "budget only here", "2014-06-01 12:00:00", 9999},
    {"My Files/notes.tmp", "obsolete scratch notes"},
    {"Other/.hidden.txt", "hidden report", "2014-06-01 12:00:00", -1, 0x22},
    {"Other/report.pdf", "the final report", "2014-06-01 12:00:00", 3000000, 0xA1,
     "Quarterly Figures"},
    {"Other/Report-Old.DOC", "obsolete report draft", "2014-06-01 12:00:00", 2000000},
    {"Other/big.bin", "", "2014-06-01 12:00:00", 10000},
};

const std::vector<CorpusFile> WebFiles = {
    {"Site/index.html", "report on the web"},
};

class ProviderTest : public testing::Test {
protected:
    void SetUp() override {
        fixture.addCatalog("System", SystemFiles);
        fixture.addCatalog("Web", WebFiles);
    }
    CatalogFixture fixture;
};

struct StatementCase {
    const char* name;
    QString statement;
    QStringList paths; // in result order
};
TESSELLON_PRINT_CASE_BY_NAME(StatementCase)

class BuilderStatements : public ProviderTest, public testing::WithParamInterface<StatementCase> {};

TEST_P(BuilderStatements, ReturnExactlyTheExpectedFiles) {
    EXPECT_EQ(fixture.paths(GetParam().statement), GetParam().paths);
}

const QString Select =
    QStringLiteral("SELECT Path, Filename, Size, Write, DocKeywords FROM System..SCOPE() ");
const QStringList AllSystemFiles = {
    "Other/.hidden.txt",    "Other/big.bin",     "My Files/budget.xls", "My Files/budget.xlsx",
    "Docs/Sub/deep.txt",    "Docs/document.txt", "Docs/invoice.doc",    "My Files/notes.tmp",
    "Other/Report-Old.DOC", "Other/report.pdf",  "Doc/sibling.txt"};

// The worked examples of the statement builder, with Linux paths.
INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, BuilderStatements,
    testing::Values(
        StatementCase{"allWords",
                      Select + " WHERE CONTAINS(All, 'document')  ORDER BY Filename ASC ",
                      {"Docs/document.txt"}},
        StatementCase{"allWordsWithPhrase",
                      Select + " WHERE CONTAINS(All, 'annual AND \"sales report\" AND 2014')  "
                               "ORDER BY Filename ASC ",
                      {"Docs/document.txt"}},
        StatementCase{"anyWords",
                      Select + " WHERE  FREETEXT(Contents,'\"budget forecast\"') ORDER BY "
                               "Filename ASC ",
                      {"My Files/budget.xls", "My Files/budget.xlsx"}},
        StatementCase{"filePatterns",
                      Select + " WHERE ( MATCHES(Filename, '*.doc') OR  MATCHES(Filename, "
                               "'budget.xls')) ORDER BY Filename ASC ",
                      {"My Files/budget.xls", "Docs/invoice.doc", "Other/Report-Old.DOC"}},
        StatementCase{"withoutWords",
                      Select + " WHERE  Size >=0 AND NOT CONTAINS(All, 'obsolete')  ORDER BY "
                               "Filename ASC ",
                      {"Other/.hidden.txt", "Other/big.bin", "My Files/budget.xls",
                       "My Files/budget.xlsx", "Docs/Sub/deep.txt", "Docs/document.txt",
                       "Docs/invoice.doc", "Other/report.pdf", "Doc/sibling.txt"}},
        StatementCase{"ignorePatterns",
                      Select + " WHERE  Size >=0 AND NOT MATCHES(Filename, '*.tmp') ORDER BY "
                               "Filename ASC ",
                      {"Other/.hidden.txt", "Other/big.bin", "My Files/budget.xls",
                       "My Files/budget.xlsx", "Docs/Sub/deep.txt", "Docs/document.txt",
                       "Docs/invoice.doc", "Other/Report-Old.DOC", "Other/report.pdf",
                       "Doc/sibling.txt"}},
        StatementCase{"shallowFolders",
                      "SELECT Path, Filename, Size, Write, DocKeywords FROM System..SCOPE(' "
                      "SHALLOW TRAVERSAL OF (\"%ROOT%/Docs\", \"%ROOT%/My Files\") ')  WHERE "
                      "CONTAINS(All, 'invoice')  ORDER BY Filename ASC ",
                      {"Docs/invoice.doc"}},
        StatementCase{"deepFolder",
                      "SELECT Path, Filename, Size, Write, DocKeywords FROM System..SCOPE(' "
                      "\"%ROOT%/Docs\" ')  WHERE CONTAINS(All, 'invoice')  ORDER BY Filename ASC ",
                      {"Docs/Sub/deep.txt", "Docs/invoice.doc"}},
        StatementCase{"dates",
                      Select + " WHERE CONTAINS(All, 'x')  AND (write >= '2014-01-01') AND "
                               "(write <= '2014-08-15')  ORDER BY Filename ASC ",
                      {"Docs/document.txt", "Docs/invoice.doc"}},
        StatementCase{"sizes",
                      Select + " WHERE  (size >= 10000) AND (size <= 2000000)  ORDER BY "
                               "Filename ASC ",
                      {"Other/big.bin", "My Files/budget.xls", "Other/Report-Old.DOC"}},
        StatementCase{"attributes",
                      Select + " WHERE  ATTRIB = ARRAY[0x00005EF1]  ORDER BY Filename ASC ",
                      AllSystemFiles.mid(1)},
        StatementCase{"noCriteria", Select + " ORDER BY Filename ASC ", AllSystemFiles},
        StatementCase{"bySizeDescending",
                      Select + " WHERE CONTAINS(All, 'report')  ORDER BY Size DESC ",
                      {"Other/report.pdf", "Other/Report-Old.DOC", "Docs/document.txt",
                       "Other/.hidden.txt"}}),
    testing::PrintToStringParamName());

TEST_F(ProviderTest, UnionOfCatalogsOnTheLocalHostSortsAsOne) {
    const QString host = QSysInfo::machineHostName();
    EXPECT_EQ(fixture.paths("SELECT Path, Filename, Size, Write, DocKeywords FROM (TABLE " + host +
                            ".System..SCOPE() UNION ALL TABLE " + host +
                            ".Web..SCOPE() ) WHERE CONTAINS(All, 'report')  ORDER BY Filename "
                            "ASC "),
              QStringList({"Other/.hidden.txt", "Docs/document.txt", "Site/index.html",
                           "Other/Report-Old.DOC", "Other/report.pdf"}));
    // The same catalog twice keeps the duplicates.
    EXPECT_EQ(fixture.paths("SELECT Path FROM (TABLE Web..SCOPE() UNION ALL TABLE web..SCOPE())"),
              QStringList({"Site/index.html", "Site/index.html"}));
}

TEST_F(ProviderTest, ExpertStatementsSpanLines) {
    QStringList paths = fixture.paths("select Path, Filename, Size\n"
                                      "  from System..Scope()\r\n"
                                      "  where contains(Contents,\n\t'x')");
    paths.sort();
    EXPECT_EQ(paths, QStringList({"Docs/Sub/deep.txt", "Docs/document.txt", "Docs/invoice.doc"}));
    EXPECT_EQ(fixture.paths("SELECT Path\nFROM (\n  TABLE System..SCOPE()\n  UNION ALL\n"
                            "  TABLE Web..SCOPE()\n)\nWHERE FREETEXT('web forecast')\n"
                            "ORDER BY Path"),
              QStringList({"My Files/budget.xls", "Site/index.html"}));
}

class Conditions : public ProviderTest, public testing::WithParamInterface<StatementCase> {};

TEST_P(Conditions, SelectExactlyTheExpectedFiles) {
    EXPECT_EQ(
        fixture.paths("SELECT Path FROM SCOPE() WHERE " + GetParam().statement + " ORDER BY Path"),
        GetParam().paths);
}

INSTANTIATE_TEST_SUITE_P(
    FullText, Conditions,
    testing::Values(
        StatementCase{"and", "CONTAINS('budget AND forecast')", {"My Files/budget.xls"}},
        StatementCase{
            "or", "CONTAINS('forecast | final')", {"My Files/budget.xls", "Other/report.pdf"}},
        StatementCase{"andNot",
                      "CONTAINS(All, 'report AND NOT obsolete')",
                      {"Docs/document.txt", "Other/.hidden.txt", "Other/report.pdf"}},
        StatementCase{"phrase", "CONTAINS('\"final report\"')", {"Other/report.pdf"}},
        StatementCase{"phraseInOrder", "CONTAINS('\"report final\"')", {}},
        StatementCase{
            "prefix", "CONTAINS(All, 'budg*')", {"My Files/budget.xls", "My Files/budget.xlsx"}},
        StatementCase{"quotedPrefix", "CONTAINS('\"forec*\"')", {"My Files/budget.xls"}},
        StatementCase{"near", "CONTAINS('sales NEAR 2014')", {"Docs/document.txt"}},
        StatementCase{"nearSymbol", "CONTAINS('consulting ~ invoice')", {"Docs/invoice.doc"}},
        StatementCase{"caseAndAccents", "CONTAINS('FÍNAL')", {"Other/report.pdf"}},
        StatementCase{"contentsOnly", "CONTAINS(Contents, 'txt')", {}},
        StatementCase{
            "allColumns",
            "CONTAINS(*, 'txt')",
            {"Doc/sibling.txt", "Docs/document.txt", "Docs/Sub/deep.txt", "Other/.hidden.txt"}},
        StatementCase{"title", "CONTAINS(DocTitle, 'quarterly')", {"Other/report.pdf"}},
        StatementCase{"keywords", "CONTAINS(DocKeywords, 'planning')", {"My Files/budget.xls"}},
        StatementCase{"fts5SyntaxIsText", "CONTAINS('contents:final')", {}},
        StatementCase{"freeTextWords",
                      "FREETEXT('forecast final')",
                      {"My Files/budget.xls", "Other/report.pdf"}},
        StatementCase{"freeTextQuotedWordsCountOneByOne",
                      "FREETEXT(Contents, '\"budget only\"')",
                      {"My Files/budget.xls", "My Files/budget.xlsx"}},
        StatementCase{"fullTextUnderOr",
                      "(CONTAINS('final') OR Size = 10000)",
                      {"Other/big.bin", "Other/report.pdf"}}),
    testing::PrintToStringParamName());

INSTANTIATE_TEST_SUITE_P(
    Patterns, Conditions,
    testing::Values(
        StatementCase{
            "star",
            "MATCHES(Filename, '*.txt')",
            {"Doc/sibling.txt", "Docs/document.txt", "Docs/Sub/deep.txt", "Other/.hidden.txt"}},
        StatementCase{"question", "MATCHES(Filename, '?eep.txt')", {"Docs/Sub/deep.txt"}},
        StatementCase{
            "class",
            "MATCHES(Filename, '[bn]*')",
            {"My Files/budget.xls", "My Files/budget.xlsx", "My Files/notes.tmp", "Other/big.bin"}},
        StatementCase{"group",
                      "MATCHES(Filename, 'budget.xls|(x|)|?')",
                      {"My Files/budget.xls", "My Files/budget.xlsx"}},
        StatementCase{"count", "MATCHES(Filename, '[a-z]|{6|}.pdf')", {"Other/report.pdf"}},
        StatementCase{"path", "MATCHES(Path, '*/my files/*.xls')", {"My Files/budget.xls"}},
        StatementCase{"keywordEntry", "MATCHES(DocKeywords, 'fin*')", {"My Files/budget.xls"}},
        StatementCase{"keywordEquals", "DocKeywords = 'Planning'", {"My Files/budget.xls"}},
        StatementCase{
            "like", "Filename LIKE 'r_port%'", {"Other/Report-Old.DOC", "Other/report.pdf"}},
        StatementCase{"notLike", "Filename NOT LIKE '%.%'", {}},
        StatementCase{"textEquals", "Filename = 'REPORT.PDF'", {"Other/report.pdf"}},
        StatementCase{"pathEquals", "Path = '%ROOT%/Docs/invoice.doc'", {"Docs/invoice.doc"}},
        StatementCase{"directoryEquals",
                      "Directory = '%ROOT%/Other' AND Size > 2000000",
                      {"Other/report.pdf"}},
        StatementCase{"titleEquals", "DocTitle = 'quarterly figures'", {"Other/report.pdf"}},
        StatementCase{"characterization",
                      "Characterization LIKE 'BUDGET%'",
                      {"My Files/budget.xls", "My Files/budget.xlsx"}},
        StatementCase{"noCharacterizationWithoutText",
                      "Characterization = '' AND Size > 0",
                      {"Other/big.bin"}}),
    testing::PrintToStringParamName());

INSTANTIATE_TEST_SUITE_P(
    SizesDatesAttributes, Conditions,
    testing::Values(
        StatementCase{"sizeRange", "Size > 9999 AND Size < 15000", {"Other/big.bin"}},
        StatementCase{"sizeHex", "Size = 0x2710", {"Other/big.bin"}},
        StatementCase{"sizeNotEqual",
                      "Size >= 10000 AND Size <> 3000000",
                      {"My Files/budget.xls", "Other/big.bin", "Other/Report-Old.DOC"}},
        StatementCase{"dayIncludedAsUpperBound",
                      "Write <= '2014-08-15' AND Write > '2014-08-14'",
                      {"Docs/invoice.doc"}},
        StatementCase{"dayAsLowerBound", "Write >= '2014-08-16'", {"Docs/Sub/deep.txt"}},
        StatementCase{"wholeDay", "Write = '2014/08/15'", {"Docs/invoice.doc"}},
        StatementCase{"beforeDay", "Write < '2014-01-01'", {"My Files/budget.xls"}},
        StatementCase{"instant", "Write >= '2014-08-15 23:30:00.001'", {"Docs/Sub/deep.txt"}},
        StatementCase{"hiddenExcluded",
                      "ATTRIB = ARRAY[0x00005EF1] AND Size < 30",
                      {"Docs/invoice.doc", "Docs/Sub/deep.txt", "My Files/notes.tmp"}},
        StatementCase{"allBits", "Attrib ^a 0x21", {"Other/report.pdf"}},
        StatementCase{"someBits", "Attrib ^s 0x3", {"Other/.hidden.txt", "Other/report.pdf"}},
        StatementCase{
            "anyOf", "Size = ANY ARRAY[9999, 10000]", {"My Files/budget.xlsx", "Other/big.bin"}}),
    testing::PrintToStringParamName());

INSTANTIATE_TEST_SUITE_P(
    Scopes, BuilderStatements,
    testing::Values(
        StatementCase{"deepSeveralFolders",
                      "SELECT Path FROM SCOPE(' DEEP TRAVERSAL OF (\"%ROOT%/Docs\", \"%ROOT%/My "
                      "Files\") ') ORDER BY Path",
                      {"Docs/document.txt", "Docs/invoice.doc", "Docs/Sub/deep.txt",
                       "My Files/budget.xls", "My Files/budget.xlsx", "My Files/notes.tmp"}},
        StatementCase{"folderIsNotAPrefixOfItsSibling",
                      "SELECT Path FROM SCOPE(' \"%ROOT%/Doc\" ') ORDER BY Path",
                      {"Doc/sibling.txt"}},
        StatementCase{"shallowWithTrailingSlash",
                      "SELECT Path FROM SCOPE(' SHALLOW TRAVERSAL OF \"%ROOT%/Docs/\" ') ORDER "
                      "BY Path",
                      {"Docs/document.txt", "Docs/invoice.doc"}},
        StatementCase{"severalScopeStrings",
                      "SELECT Path FROM SCOPE(' SHALLOW TRAVERSAL OF \"%ROOT%/Docs/Sub\" ', ' "
                      "%ROOT%/Doc ') ORDER BY Path",
                      {"Doc/sibling.txt", "Docs/Sub/deep.txt"}},
        StatementCase{"missingFolder", "SELECT Path FROM SCOPE(' \"%ROOT%/Nowhere\" ')", {}}),
    testing::PrintToStringParamName());

INSTANTIATE_TEST_SUITE_P(
    Order, BuilderStatements,
    testing::Values(
        StatementCase{"textDescending",
                      "SELECT Path FROM SCOPE() WHERE MATCHES(Filename, '*.doc') ORDER BY "
                      "Filename DESC",
                      {"Other/Report-Old.DOC", "Docs/invoice.doc"}},
        StatementCase{"numberAscending",
                      "SELECT Path FROM SCOPE() WHERE Size >= 9999 ORDER BY Size",
                      {"My Files/budget.xlsx", "Other/big.bin", "My Files/budget.xls",
                       "Other/Report-Old.DOC", "Other/report.pdf"}},
        StatementCase{
            "dateDescendingThenName",
            "SELECT Path FROM SCOPE() WHERE Write <> '2014-06-01' ORDER BY Write "
            "DESC, Filename",
            {"Docs/Sub/deep.txt", "Docs/invoice.doc", "Docs/document.txt", "My Files/budget.xls"}}),
    testing::PrintToStringParamName());

TEST_F(ProviderTest, WithoutOrderRowsComeByDescendingRank) {
    const auto records = fixture.provider().execute(
        QString(), "SELECT Path, Rank FROM SCOPE() WHERE CONTAINS('report OR obsolete')", 0);
    ASSERT_EQ(records->recordCount(), 5);
    // Both words, and "report" in the file name too.
    EXPECT_TRUE(records->field(1, "Path").toText().endsWith("Report-Old.DOC"));
    for (int r = 2; r <= records->recordCount(); ++r)
        EXPECT_LE(records->field(r, "Rank").toInt64(), records->field(r - 1, "Rank").toInt64());
}

TEST_F(ProviderTest, ConditionsOnRankAndHitCountCompareTheShownValues) {
    const auto ranked = fixture.provider().execute(
        QString(), "SELECT Path, Rank, HitCount FROM SCOPE() WHERE CONTAINS('report OR obsolete')",
        0);
    const qint64 top = ranked->field(1, "Rank").toInt64();
    const qint64 second = ranked->field(2, "Rank").toInt64();
    ASSERT_GT(top, second);
    EXPECT_EQ(fixture.paths(QString("SELECT Path FROM SCOPE() WHERE CONTAINS('report OR "
                                    "obsolete') AND Rank >= %1")
                                .arg(top)),
              QStringList({"Other/Report-Old.DOC"}));
    EXPECT_EQ(fixture.paths("SELECT Path FROM SCOPE() WHERE CONTAINS('report OR obsolete') AND "
                            "HitCount >= 3"),
              QStringList({"Other/Report-Old.DOC"}));
    // Without a full-text condition every row has Rank 1000 and HitCount 0.
    EXPECT_EQ(fixture.paths("SELECT Path FROM SCOPE() WHERE Rank = 1000 AND HitCount = 0").size(),
              11);
}

TEST_F(ProviderTest, MaxRecordsCapsAfterOrdering) {
    const QString statement = "SELECT Path FROM SCOPE() ORDER BY Filename DESC";
    EXPECT_EQ(fixture.paths(statement, 2), QStringList({"Doc/sibling.txt", "Other/report.pdf"}));
    EXPECT_EQ(fixture.paths(statement, 0).size(), 11);
    EXPECT_EQ(fixture.paths(statement, 100).size(), 11);
}

// A capped statement may take a shorter way than the whole one: ranked by the
// match alone, each catalog keeps only its best matches before they are
// joined; ordered by name, the name index is walked until enough rows are
// found, or the matches, read once, are sorted. Either way the capped rows must be the head of the
// whole result, values included.
TEST_F(ProviderTest, CappedResultsAreTheHeadOfTheWholeResult) {
    const QString both = "(TABLE System..SCOPE() UNION ALL TABLE Web..SCOPE())";
    const QString statements[] = {
        "SELECT Path, Rank, HitCount FROM " + both + " WHERE CONTAINS('report OR obsolete OR web')",
        "SELECT Path, Rank, HitCount FROM " + both +
            " WHERE CONTAINS('report OR obsolete OR web') ORDER BY Rank",
        "SELECT Path, Rank, HitCount FROM " + both +
            " WHERE CONTAINS('report OR obsolete OR web') ORDER BY HitCount DESC, Rank DESC",
        "SELECT Path, Filename, Size FROM SCOPE() WHERE CONTAINS('report OR x OR budget') ORDER BY "
        "Filename",
        "SELECT Path, Filename, Size FROM SCOPE() WHERE CONTAINS('report') AND NOT "
        "MATCHES(Filename, '*.pdf') ORDER BY Filename",
        "SELECT Path, Filename, Size FROM SCOPE() WHERE MATCHES(Path, '*o*') ORDER BY Filename",
        "SELECT Path, Filename, Size FROM SCOPE() ORDER BY Filename",
        "SELECT Path, Filename FROM SCOPE() WHERE CONTAINS('invoice') ORDER BY Filename",
    };
    for (const QString& statement : statements) {
        const auto whole = fixture.provider().execute(QString(), statement, 0);
        const QStringList fields = whole->fieldNames();
        ASSERT_GE(whole->recordCount(), 2) << statement.toStdString();
        for (int cap = 1; cap <= whole->recordCount(); ++cap) {
            const auto capped = fixture.provider().execute(QString(), statement, cap);
            ASSERT_EQ(capped->recordCount(), cap) << statement.toStdString();
            for (int r = 1; r <= cap; ++r) {
                for (const QString& field : fields)
                    EXPECT_EQ(capped->field(r, field), whole->field(r, field))
                        << statement.toStdString() << " cap " << cap << " row " << r;
            }
        }
    }
}

TEST_F(ProviderTest, FieldsAreTypedAndInSelectListOrder) {
    const auto records = fixture.provider().execute(
        QString(),
        "SELECT Size, Path, Write, DocKeywords, Rank, Attrib, HitCount, DocTitle, Directory, "
        "WorkId FROM SCOPE() WHERE CONTAINS(All, 'budget') AND Size > 10000",
        0);
    ASSERT_EQ(records->recordCount(), 1);
    EXPECT_EQ(records->fieldNames(),
              QStringList({"Size", "Path", "Write", "DocKeywords", "Rank", "Attrib", "HitCount",
                           "DocTitle", "Directory", "WorkId"}));
    EXPECT_EQ(records->field(1, "size"), Variant(std::int64_t(15000)));
    EXPECT_EQ(records->field(1, "PATH"), Variant(fixture.root() + "/My Files/budget.xls"));
    EXPECT_EQ(records->field(1, "Directory"), Variant(fixture.root() + "/My Files"));
    EXPECT_EQ(records->field(1, "Write").toDateTime(),
              QDateTime(QDate(2013, 12, 31), QTime(23, 59, 59), Qt::UTC));
    EXPECT_EQ(
        records->field(1, "DocKeywords"),
        Variant(VariantArray::vector({Variant(QString("finance")), Variant(QString("planning"))})));
    const Variant rank = records->field(1, "Rank");
    EXPECT_EQ(rank.kind(), Variant::Kind::Int32);
    EXPECT_GT(rank.toInt64(), 0);
    EXPECT_LT(rank.toInt64(), 1000);
    EXPECT_EQ(records->field(1, "Attrib"), Variant(std::uint32_t(0xA0)));
    EXPECT_EQ(records->field(1, "HitCount"), Variant(std::int32_t(2))); // text and file name
    EXPECT_EQ(records->field(1, "DocTitle"), Variant(QString("")));
    EXPECT_EQ(records->field(1, "WorkId").kind(), Variant::Kind::Int64);
    EXPECT_THROW(records->field(1, "Colour"), ProviderError);
    EXPECT_THROW(records->field(2, "Size"), ProviderError);

    const auto unranked = fixture.provider().execute(
        QString(), "SELECT Rank, HitCount, DocKeywords FROM SCOPE() WHERE Size = 9999", 0);
    EXPECT_EQ(unranked->field(1, "Rank"), Variant(std::int32_t(1000)));
    EXPECT_EQ(unranked->field(1, "HitCount"), Variant(std::int32_t(0)));
    EXPECT_EQ(unranked->field(1, "DocKeywords"), Variant(VariantArray::vector({})));
}

TEST_F(ProviderTest, PathsThatAreNotUtf8SurviveTheRoundTrip) {
    const QByteArray folder = PathCodec::toBytes(fixture.root()) + "/Raw \xff";
    {
        IndexStoreBuilder store(fixture.storeFile("Web"));
        StoredDocument d;
        d.path = folder + "/caf\xe9.txt";
        d.text = "latin one name";
        store.insert(d);
    }
    const auto records = fixture.provider().execute(QString(),
                                                    "SELECT Path FROM Web..SCOPE(' \"" +
                                                        PathCodec::fromBytes(folder) +
                                                        "\" ') WHERE "
                                                        "MATCHES(Filename, '*.txt')",
                                                    0);
    ASSERT_EQ(records->recordCount(), 1);
    EXPECT_EQ(PathCodec::toBytes(records->field(1, "Path").toText()), folder + "/caf\xe9.txt");
}

TEST_F(ProviderTest, FailuresNameWhatIsWrong) {
    fixture.addCatalog("Frozen", {{"Cold/a.txt", "ice"}}, true);
    fixture.catalogs().add("Gone", fixture.root() + "/no-such-store.db");
    const struct {
        QString statement;
        QString message;
    } cases[] = {
        {"SELECT Path FROM Archive..SCOPE()", "Unknown catalog 'Archive' (at position 18)"},
        {"SELECT Path FROM (TABLE System..SCOPE() UNION ALL TABLE Nope..SCOPE())",
         "Unknown catalog 'Nope'"},
        {"SELECT Path FROM frozen..SCOPE()", "The catalog 'Frozen' is stopped"},
        {"SELECT Path FROM SERVER2.System..SCOPE()", "The host 'SERVER2' cannot be reached"},
        {"SELECT Path FROM Gone..SCOPE()", "The index of catalog 'Gone' cannot be opened"},
        {"SELECT Path, Colour FROM SCOPE()", "Unknown property 'Colour'"},
        {"SELECT Path FROM SCOPE() WHERE CONTAINS(All, 'report's')", "Syntax error at position"},
        {"SELECT Path FROM SCOPE() WHERE (Size > 1", "expected ')'"},
        {"SELECT Path FROM SCOPE() WHERE CONTAINS(' ')", "the full-text condition is empty"},
        {"SELECT Path FROM SCOPE() WHERE CONTAINS('a" + QString(" &! b").repeated(25000) + "')",
         "the condition is nested more than 24 deep"},
        {"SELECT Path FROM SCOPE() WHERE CONTAINS('a" + QString(" AND NOT b").repeated(25000) +
             "')",
         "the condition is nested more than 24 deep"},
        {"SELECT Path FROM SCOPE() WHERE CONTAINS('" + QStringList(200, "a").join(" NEAR ") + "')",
         "NEAR joins at most 10 words or phrases"},
    };
    for (const auto& c : cases) {
        const QString message = fixture.errorOf(c.statement);
        EXPECT_TRUE(message.contains(c.message))
            << c.statement.toStdString() << " -> " << message.toStdString();
    }
}

// The deepest conditions the dialect allows are ones SQLite and its
// full-text index can still read; one level more is refused by the dialect.
TEST_F(ProviderTest, TheDeepestConditionsAllowedRun) {
    const auto nested = [](const QString& open, const QString& inner, const QString& close, int n) {
        return open.repeated(n) + inner + close.repeated(n);
    };
    const QString innermost = "ATTRIB ^a ALL ARRAY[1, 2] OR Write = '2014-06-01'";
    const QString deepest[] = {
        nested("(Size >= 0 AND ", innermost, ")", 23),
        nested("(Size >= 0 OR NOT (", innermost, "))", 8),
        nested("NOT ", "Filename LIKE '%x%'", "", 24),
        nested("(Size < 0 OR (", "CONTAINS('" + nested("(x OR (y AND ", "z", "))", 11) + "')", "))",
               12),
    };
    for (const QString& condition : deepest) {
        const QString statement = "SELECT Path FROM SCOPE() WHERE " + condition;
        EXPECT_EQ(fixture.errorOf(statement), QString()) << statement.toStdString();
        EXPECT_TRUE(fixture.errorOf("SELECT Path FROM SCOPE() WHERE NOT (" + condition + ")")
                        .contains("nested more than 24 deep"));
    }
    // A word of many kilobytes is quoted in a few dozen characters.
    const QString word = QString(50000, 'x');
    for (const QString& statement :
         {"SELECT " + word + " FROM SCOPE()", "SELECT Path FROM " + word + "..SCOPE()",
          "SELECT Path FROM SCOPE() WHERE " + word,
          "SELECT Path FROM SCOPE() WHERE CONTAINS('" + word + " OR')"}) {
        const QString message = fixture.errorOf(statement);
        EXPECT_FALSE(message.isEmpty());
        EXPECT_LT(message.size(), 200) << message.left(300).toStdString();
    }
}

TEST_F(ProviderTest, AStoreReplacedByARebuiltOneIsReadAfresh) {
    EXPECT_EQ(fixture.paths("SELECT Path FROM Web..SCOPE()"), QStringList({"Site/index.html"}));
    const QString store = fixture.storeFile("Web");
    for (const char* suffix : {"", "-wal", "-shm"})
        QFile::remove(store + suffix);
    {
        IndexStoreBuilder rebuilt(store);
        StoredDocument d;
        d.path = PathCodec::toBytes(fixture.root() + "/Site/new.html");
        rebuilt.insert(d);
    }
    EXPECT_EQ(fixture.paths("SELECT Path FROM Web..SCOPE()"), QStringList({"Site/new.html"}));
    QFile::remove(store);
    EXPECT_TRUE(fixture.errorOf("SELECT Path FROM Web..SCOPE()")
                    .contains("The index of catalog 'Web' cannot be opened"));
}

TEST_F(ProviderTest, StoreFilesMayHaveAnyName) {
    const QString odd = fixture.root() + "/odd folder ?#%20/store file.db";
    QDir().mkpath(QFileInfo(odd).path());
    ASSERT_TRUE(QFile::copy(fixture.storeFile("Web"), odd));
    fixture.catalogs().add("Odd", odd);
    EXPECT_EQ(fixture.paths("SELECT Path FROM Odd..SCOPE()"), QStringList({"Site/index.html"}));
}

TEST(ProviderOrder, TextSortsWithoutRegardToLetterCaseAcrossUnicode) {
    CatalogFixture fixture;
    fixture.addCatalog("System", {{"n/Zeta.txt", ""},
                                  {"n/Ärger2.txt", ""},
                                  {"n/ärger.txt", ""},
                                  {"n/apple.txt", ""},
                                  {"n/Banana.txt", ""}});
    EXPECT_EQ(
        fixture.paths("SELECT Path FROM SCOPE() ORDER BY Filename"),
        QStringList({"n/apple.txt", "n/Banana.txt", "n/Zeta.txt", "n/ärger.txt", "n/Ärger2.txt"}));
}

// The program's side of the interface: the query, its record set and the
// browsing data set that moves between rows.
TEST_F(ProviderTest, DataQueryAndBrowsingDataSetReadTheRows) {
    DataQuery query(fixture.provider());
    query.setConnectionText("Provider=MSIDXS;Data Source=");
    query.setStatementText("SELECT Path, Filename, Size FROM System..SCOPE() WHERE "
                           "MATCHES(Filename, 'budget*') ORDER BY Size DESC");
    query.setMaxRecords(0);
    query.open();
    ASSERT_EQ(query.recordCount(), 2);
    BrowsingDataSet ds;
    ds.attach(query.recordSet());
    ds.moveTo(2);
    EXPECT_EQ(ds.fieldByName("Filename"), Variant(QString("budget.xlsx")));
    ds.moveTo(1);
    EXPECT_EQ(ds.fieldByName("size"), Variant(std::int64_t(15000)));

    query.close();
    query.setStatementText("SELECT Path FROM System..SCOPE() WHERE CONTAINS(All, 'report's')");
    EXPECT_THROW(query.open(), ProviderError);
}

// A statement that tests 300 patterns on every document and finds one.
QString manyPatternsStatement() {
    QStringList patterns;
    for (int i = 0; i < 300; ++i)
        patterns << QString("NOT MATCHES(Filename, '*.x%1')").arg(i);
    return "SELECT Path FROM SCOPE() WHERE " + patterns.join(" AND ") + " AND Size = 9999";
}

TEST_F(ProviderTest, LongConditionsRun) {
    QStringList words(400, "report");
    words << "final";
    EXPECT_EQ(
        fixture.paths("SELECT Path FROM SCOPE() WHERE CONTAINS('" + words.join(" AND ") + "')"),
        QStringList({"Other/report.pdf"}));
    EXPECT_EQ(fixture.paths(manyPatternsStatement()), QStringList({"My Files/budget.xlsx"}));
}

TEST_F(ProviderTest, AStatementOverItsTimeLimitIsStoppedSayingSo) {
    fixture.provider().setTimeLimit(std::chrono::milliseconds(0));
    EXPECT_TRUE(fixture.errorOf(manyPatternsStatement())
                    .contains("The statement could not be executed: it took longer than 0 "
                              "seconds and was stopped"));
    fixture.provider().setTimeLimit(IndexQueryProvider::DefaultTimeLimit);
    EXPECT_EQ(fixture.paths(manyPatternsStatement()), QStringList({"My Files/budget.xlsx"}));
}

// A doubled apostrophe inside any literal stands for one apostrophe.
TEST(ProviderLiterals, ReadADoubledApostropheAsOne) {
    CatalogFixture fixture;
    fixture.addCatalog("System", {{"o'q/don't.txt", "don't stop"}, {"o'q/other.txt", "other"}});
    const QString conditions[] = {
        "Filename = 'DON''T.txt'",         "Filename LIKE 'don''%'",
        "MATCHES(Filename, 'don''t*')",    "CONTAINS('don''t')",
        "Path = '%ROOT%/o''q/don''t.txt'", "FREETEXT(Contents, '\"don''t\"')",
    };
    for (const QString& condition : conditions) {
        EXPECT_EQ(fixture.paths("SELECT Path FROM SCOPE(' \"%ROOT%/o''q\" ') WHERE " + condition),
                  QStringList({"o'q/don't.txt"}))
            << condition.toStdString();
    }
}

// Every word of a FREETEXT text counts, quoted or not; documents with more
// of the words come first, and those with the words together before them.
TEST(ProviderFreeText, RanksMoreWordsAndWordsTogetherFirst) {
    CatalogFixture fixture;
    fixture.addCatalog("System", {{"one/payment.txt", "payment due"},
                                  {"apart/both.txt", "receipt of the payment"},
                                  {"together/both.txt", "payment receipt enclosed"},
                                  {"one/receipt.txt", "receipt only"},
                                  {"none/other.txt", "nothing here"}});
    QStringList found = fixture.paths("SELECT Path FROM SCOPE() WHERE "
                                      "FREETEXT(Contents,'\"payment receipt\"')");
    ASSERT_EQ(found.size(), 4);
    EXPECT_EQ(found.mid(0, 2), QStringList({"together/both.txt", "apart/both.txt"}));
    found = found.mid(2);
    found.sort();
    EXPECT_EQ(found, QStringList({"one/payment.txt", "one/receipt.txt"}));
}

TEST(ProviderWithoutSystem, BareScopeSaysTheDefaultCatalogIsMissing) {
    CatalogFixture fixture;
    fixture.addCatalog("Web", WebFiles);
    EXPECT_TRUE(fixture.errorOf("SELECT Path FROM SCOPE()").contains("no catalog 'System'"));
    EXPECT_EQ(fixture.paths("SELECT Path FROM Web..SCOPE()"), QStringList({"Site/index.html"}));
}

TEST_F(ProviderTest, TextThatTriesToBreakOutChangesNothing) {
    for (const QString& attack : BreakOutStatements) {
        const QString message = fixture.errorOf(attack);
        if (message.isEmpty()) {
            EXPECT_TRUE(fixture.paths(attack).isEmpty()) << attack.toStdString();
        }
    }
    IndexStoreBuilder store(fixture.storeFile("System"));
    EXPECT_EQ(store.scalar("SELECT count(*) FROM documents"), 11);
    EXPECT_EQ(store.scalar("SELECT count(*) FROM fulltext"), 11);
}

TEST_F(ProviderTest, EveryAnsweredStatementCountsInItsCatalogs) {
    fixture.paths("SELECT Path FROM SCOPE()");
    fixture.paths("SELECT Path FROM (TABLE System..SCOPE() UNION ALL TABLE Web..SCOPE())");
    fixture.errorOf("SELECT Path FROM SCOPE() WHERE (");
    IndexStoreBuilder system(fixture.storeFile("System"));
    IndexStoreBuilder web(fixture.storeFile("Web"));
    EXPECT_EQ(system.scalar("SELECT value FROM meta WHERE key = 'query_count'"), 2);
    EXPECT_EQ(web.scalar("SELECT value FROM meta WHERE key = 'query_count'"), 1);
}

struct DamageCase {
    const char* name;
    QString statement;
    QStringList marked; // the catalogs whose store is marked damaged after it
};
TESSELLON_PRINT_CASE_BY_NAME(DamageCase)

class ProviderMeetsDamage : public ProviderTest, public testing::WithParamInterface<DamageCase> {};

TEST_P(ProviderMeetsDamage, MarksTheDamagedStoreForItsRebuild) {
    damageFullTextLeaf(fixture.storeFile("System"));
    const QString error = fixture.errorOf(GetParam().statement);
    EXPECT_TRUE(error.contains("malformed") && error.contains("is rebuilt at its next update"))
        << error.toStdString();
    for (const QString catalog : {"System", "Web"})
        EXPECT_EQ(StoreDamage::marked(fixture.storeFile(catalog)).isEmpty(),
                  !GetParam().marked.contains(catalog))
            << catalog.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProviderMeetsDamage,
    testing::Values(DamageCase{"oneCatalog",
                               "SELECT Path FROM System..SCOPE() WHERE CONTAINS(All, 'report')",
                               {"System"}},
                    // SQLite does not say which store it found malformed: the check does.
                    DamageCase{
                        "unionOfCatalogs",
                        "SELECT Path FROM (TABLE System..SCOPE() UNION ALL TABLE Web..SCOPE()) "
                        "WHERE CONTAINS(All, 'report')",
                        {"System"}}),
    testing::PrintToStringParamName());

} // namespace
