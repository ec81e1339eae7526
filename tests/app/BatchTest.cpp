#include "app/TessellonApplication.h"
#include "common/CommaText.h"
#include "common/TextFile.h"
#include "files/ConfigText.h"
#include "support/FakeAdmin.h"
#include "support/FakeCatalogManagement.h"
#include "support/FakeDataAccess.h"
#include "support/QtPrinters.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace tessellon;

namespace {

class Batch : public ::testing::Test {
protected:
    Batch() {
        world->catalogs.append(FakeCatalog{u"System"_qs});
        provider.names = {u"Path"_qs, u"Filename"_qs};
        provider.rows = {{Variant(u"/d/a.txt"_qs), Variant(u"a.txt"_qs)}};
        app.createWindows();
    }

    RecordingPlatform platform;
    FakeQueryProvider provider;
    std::shared_ptr<FakeAdminWorld> world = std::make_shared<FakeAdminWorld>();
    TessellonApplication app{platform, provider, fakeAdminFactory(world)};
    TempDir dir;
};

TEST_F(Batch, QueryFileLimitReportAndQuit) {
    const QString query = dir.write(u"q.SQL"_qs, "SELECT Filename\r\nFROM System..SCOPE()\r\n");
    const QString report = dir.filePath(u"r.txt"_qs);
    app.runBatch({u"/S"_qs + query, u"/F"_qs + report, u"/N10"_qs, u"/Q"_qs});
    EXPECT_TRUE(app.terminateRequested());
    EXPECT_FALSE(app.batchFailed());
    EXPECT_TRUE(platform.messages.isEmpty());
    ASSERT_EQ(provider.executions.size(), 1);
    EXPECT_EQ(provider.executions[0].statement,
              u"SELECT Path, Filename\r\nFROM System..SCOPE()"_qs);
    EXPECT_EQ(provider.executions[0].maxRecords, 10);
    const QStringList lines = TextFile::readLines(report);
    // The expert statement keeps its line break, so the query takes two lines.
    EXPECT_EQ(lines[5], u"Query: SELECT Path, Filename"_qs);
    EXPECT_EQ(lines[9], u"Results Limit: 10"_qs);
    EXPECT_EQ(lines[12], u"Path,Filename"_qs);
    EXPECT_EQ(lines[14], u"/d/a.txt,a.txt,1"_qs);
}

TEST_F(Batch, SearchFileRunsItsCriteria) {
    app.main().ComboBox100.text = u"invoice"_qs;
    const QStringList config = generateconfigtext(app.main());
    app.main().ComboBox100.text.clear();
    const QString search = dir.filePath(u"s.tsn"_qs);
    TextFile::writeLines(search, config);
    app.runBatch({search, u"/Q"_qs});
    ASSERT_EQ(provider.executions.size(), 1);
    EXPECT_TRUE(provider.executions[0].statement.contains(u"CONTAINS(All, 'invoice')"_qs));
    EXPECT_EQ(provider.executions[0].maxRecords, 100);
}

// A search file names its catalogs; unattended, a file whose catalogs are all
// gone must not fall back to another catalog. Expert mode takes its catalogs
// from the statement, and a file naming none searches as the window would.
struct CatalogCase {
    const char* name;
    QStringList catalogs;
    bool expert;
    QString message; // empty: the search runs
};
TESSELLON_PRINT_CASE_BY_NAME(CatalogCase)

class BatchSearchFileCatalogs : public Batch, public ::testing::WithParamInterface<CatalogCase> {};

TEST_P(BatchSearchFileCatalogs, SearchesOnlyCatalogsOfTheFile) {
    const CatalogCase& c = GetParam();
    app.advanced().CheckBox25.checked = c.expert;
    app.advanced().Memo1.text = u"SELECT Filename FROM System..SCOPE()"_qs;
    QStringList config = generateconfigtext(app.main());
    config[49] = CommaText::write(c.catalogs);
    const QString search = dir.filePath(u"s.tsn"_qs);
    TextFile::writeLines(search, config);
    const QString report = dir.filePath(u"r.txt"_qs);
    app.runBatch({search, u"/F"_qs + report, u"/Q"_qs});
    if (c.message.isEmpty()) {
        EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join(u'\n').toStdString();
        EXPECT_EQ(provider.executions.size(), 1);
        EXPECT_TRUE(QFile::exists(report));
    } else {
        EXPECT_EQ(platform.messages, QStringList{search + c.message});
        EXPECT_TRUE(app.batchFailed());
        EXPECT_TRUE(provider.executions.isEmpty());
        EXPECT_FALSE(QFile::exists(report));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BatchSearchFileCatalogs,
    ::testing::Values(CatalogCase{"all_missing",
                                  {u"Archive"_qs, u"Old"_qs},
                                  false,
                                  u": none of its catalogs exists (Archive, Old)"_qs},
                      CatalogCase{"one_exists", {u"Archive"_qs, u"System"_qs}, false, {}},
                      CatalogCase{"none_named", {}, false, {}},
                      CatalogCase{
                          "expert_mode_names_them_in_the_statement", {u"Archive"_qs}, true, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
    const char* name;
    std::function<QStringList(const TempDir&)> arguments;
    QString message;
};
TESSELLON_PRINT_CASE_BY_NAME(FailureCase)

class BatchFailure : public Batch, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(BatchFailure, ShowsTheMessageFailsAndWritesNoReport) {
    const QString report = dir.filePath(u"r.txt"_qs);
    app.runBatch(GetParam().arguments(dir) << u"/F"_qs + report << u"/Q"_qs);
    QString expected = GetParam().message;
    expected.replace(u"%DIR%"_qs, dir.path());
    EXPECT_EQ(platform.messages, QStringList{expected});
    EXPECT_TRUE(app.batchFailed());
    EXPECT_TRUE(app.terminateRequested());
    EXPECT_FALSE(QFile::exists(report));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BatchFailure,
    ::testing::Values(FailureCase{"missing_query_file",
                                  [](const TempDir& d) {
                                      return QStringList{u"/S"_qs + d.filePath(u"no.SQL"_qs)};
                                  },
                                  u"Error opening file: "_qs + u"%DIR%/no.SQL"_qs},
                      FailureCase{"limit_not_a_number",
                                  [](const TempDir&) { return QStringList{u"/Nabc"_qs}; },
                                  u"Error: abc not a number."_qs},
                      FailureCase{"report_without_path",
                                  [](const TempDir&) { return QStringList{u"/F"_qs}; },
                                  u"Error: /F needs the path of the report file."_qs}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Batch, UnwritableReportIsAnError) {
    const QString report = dir.filePath(u"missing/folder/r.txt"_qs);
    app.runBatch({u"/F"_qs + report, u"/Q"_qs});
    EXPECT_EQ(platform.messages, QStringList{u"Error saving file: "_qs + report});
    EXPECT_TRUE(app.batchFailed());
}

TEST_F(Batch, FailedSearchFailsTheBatch) {
    provider.failure = u"Syntax error"_qs;
    app.runBatch({u"/Q"_qs});
    EXPECT_TRUE(app.batchFailed());
    EXPECT_EQ(app.main().Memo1.text.left(12), u"Syntax error"_qs);
}

TEST_F(Batch, UnknownArgumentsStillRunInExpertMode) {
    app.runBatch({u"-Embedding"_qs});
    EXPECT_TRUE(app.advanced().expertMode());
    EXPECT_EQ(provider.executions.size(), 1);
    EXPECT_FALSE(app.terminateRequested());
}

} // namespace

namespace {

// The first start's catalog is told once, below the service state the first
// showing finds, and comes before the catalog list is built.
TEST(FirstStartNotice, ShownOnceAfterTheFirstShowing) {
    RecordingPlatform platform;
    FakeQueryProvider provider;
    auto world = std::make_shared<FakeAdminWorld>();
    FakeCatalogManagement management;
    management.registryExists = false;
    TessellonApplication app(platform, provider, fakeAdminFactory(world), {}, &management);
    app.createWindows();
    ASSERT_EQ(management.log.size(), 2);
    app.main().FormFirstShow(false);
    EXPECT_EQ(app.main().Memo1.lines(),
              (QStringList{u"Indexing Service is running"_qs, u"Catalog System created over "_qs +
                                                                  QDir::homePath() +
                                                                  u"; indexing has started"_qs}));
    app.main().FormFirstShow(false);
    EXPECT_EQ(app.main().Memo1.text, u"Indexing Service is running"_qs);
}

} // namespace
