#include "ServiceSandbox.h"
#include "TestDocuments.h"

#include "indexing/filters/FilterHost.h"

#include <gtest/gtest.h>

using namespace tessellon;

TEST(PdfFilter, ReadsTextAndInfoThroughTheHelperProcess) {
    ServiceSandbox sandbox;
    const QString path = sandbox.dir().write("doc.pdf", onePagePdf("Hello quokka"));
    const FilterResult r = FilterHost(ServiceSandbox::binary("tessellon-filter"))
                               .filter(FilterKind::Pdf, path.toUtf8(), FilterBudget());
    ASSERT_EQ(r.state, FilterState::Filtered) << r.error.toStdString();
    EXPECT_TRUE(r.text.contains("Hello quokka")) << r.text.toStdString();
    EXPECT_EQ(r.title, "Quarterly Figures");
    EXPECT_EQ(r.author, "Pat Doe");
    EXPECT_EQ(r.subject, "Money");
    EXPECT_EQ(r.keywords, QStringList({"budget", "plan"}));
}

TEST(PdfFilter, IsSearchableAfterARescan) {
    ServiceSandbox sandbox;
    const QString scope = sandbox.dir().mkdir("scope");
    sandbox.dir().write("scope/report.pdf", onePagePdf("Hello platypus"));
    ASSERT_EQ(sandbox.admin({"add", "Docs", "--scope", scope}).exitCode, 0);
    ASSERT_EQ(sandbox.admin({"rescan", "Docs"}).exitCode, 0);
    EXPECT_TRUE(sandbox.matches("Docs", "platypus"));
    EXPECT_TRUE(sandbox.matches("Docs", "title: quarterly"));
    EXPECT_EQ(sandbox.count("Docs", "SELECT count(*) FROM documents WHERE author = 'Pat Doe' AND "
                                    "keywords = 'budget' || char(10) || 'plan'"),
              1);
}
