#include "ServiceSandbox.h"

#include "indexing/filters/FilterHost.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

// A one-page PDF with a line of text and a document info dictionary, with a
// correct cross-reference table.
QByteArray onePagePdf(const QByteArray& text) {
    const QByteArray content = "BT /F1 24 Tf 72 700 Td (" + text + ") Tj ET";
    const QList<QByteArray> objects{
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R "
        "/Resources << /Font << /F1 5 0 R >> >> >>",
        "<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content +
            "\nendstream",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
        "<< /Title (Quarterly Figures) /Author (Pat Doe) /Subject (Money) "
        "/Keywords (budget, plan) >>"};
    QByteArray pdf = "%PDF-1.4\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) +
           " /Root 1 0 R /Info 6 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

} // namespace

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
