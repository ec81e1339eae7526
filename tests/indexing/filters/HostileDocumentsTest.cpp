// Documents made to cost a filter much: each is read in time and memory in
// proportion to its size, and a spent budget or a stop request ends the work
// in the middle of a document, which then counts as failed with the reason.
#include "indexing/filters/FilterBudget.h"
#include "indexing/filters/FilterLimits.h"
#include "indexing/filters/InProcessFilters.h"
#include "indexing/filters/XmlAttributeCap.h"
#include "indexing/filters/XmlFilter.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tessellon;

namespace {

QByteArray elementWithAttributes(int count) {
    QByteArray xml = "<r><e";
    for (int i = 0; i < count; ++i)
        xml += " a" + QByteArray::number(i) + "=\"\"";
    return xml + "/>after</r>";
}

// The file is written before the budget's clock starts.
FilterResult filterFile(const char* name, const QByteArray& bytes, int timeoutMs,
                        const std::atomic<bool>* stop) {
    TempDir dir;
    const QString path = dir.write(QString::fromLatin1(name), bytes);
    return InProcessFilters::run(FilterKinds::forName(path), path.toUtf8(),
                                 FilterBudget(timeoutMs, stop));
}

} // namespace

struct HostileCase {
    const char* name;
    const char* file;
    QByteArray bytes;
};
TESSELLON_PRINT_CASE_BY_NAME(HostileCase)

class HostileDocuments : public ::testing::TestWithParam<HostileCase> {};

// Each of these took a minute or more while the filters read them in
// quadratic time; in linear time they take milliseconds.
TEST_P(HostileDocuments, AreReadWholeWellWithinTheBudget) {
    const HostileCase& c = GetParam();
    const FilterResult r = filterFile(c.file, c.bytes, 5000, nullptr);
    ASSERT_EQ(r.state, FilterState::Filtered) << r.error.toStdString();
    EXPECT_TRUE(r.text.contains("after"));
}

INSTANTIATE_TEST_SUITE_P(Table, HostileDocuments,
                         ::testing::Values(HostileCase{"HtmlAmpersands", "amp.html",
                                                       QByteArray(1 << 20, '&') + "<p>after"},
                                           HostileCase{"XmlManyAttributes", "attrs.xml",
                                                       elementWithAttributes(100'000)}));

class SpentBudget : public ::testing::TestWithParam<HostileCase> {};

// The documents take far longer than a millisecond to read, so the budget
// runs out in the middle of them.
TEST_P(SpentBudget, FailsTheDocumentWithTheReason) {
    const HostileCase& c = GetParam();
    const FilterResult late = filterFile(c.file, c.bytes, 1, nullptr);
    EXPECT_EQ(late.state, FilterState::Failed);
    EXPECT_TRUE(late.error.contains("took longer than")) << late.error.toStdString();
    const std::atomic<bool> stop{true};
    const FilterResult stopped = filterFile(c.file, c.bytes, 60'000, &stop);
    EXPECT_EQ(stopped.state, FilterState::Failed);
    EXPECT_EQ(stopped.error, "filtering was cancelled");
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpentBudget,
    ::testing::Values(
        HostileCase{"Html", "big.html", QByteArray("<p>word &amp; word</p>").repeated(300'000)},
        HostileCase{"Xml", "big.xml",
                    "<r>" + QByteArray("<p>word &amp; word</p>").repeated(300'000) + "</r>"},
        HostileCase{"Rtf", "big.rtf",
                    "{\\rtf1 " + QByteArray("word \\'e9 word\\par ").repeated(300'000) + "}"}));

// The reader keeps every element that is open: 8 MB of tags never closed
// took it 500 MB. Measured in a child process, whose peak is its own.
TEST(XmlFilter, TagsNeverClosedCostLittleMemory) {
    const QByteArray bytes = QByteArray("<a>").repeated(FilterLimits::MaxReadBytes / 3);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        XmlFilter::extract(bytes);
        ::_exit(0);
    }
    int status = 0;
    rusage usage{};
    ASSERT_EQ(::wait4(child, &status, 0, &usage), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_LT(usage.ru_maxrss, 256 * 1024) << "peak KB";
}

namespace {

QByteArray utf16le(const QByteArray& ascii) {
    QByteArray out("\xFF\xFE", 2);
    for (char c : ascii)
        out += QByteArray(1, c) + '\0';
    return out;
}

} // namespace

struct CapCase {
    const char* name;
    QByteArray xml;
    QByteArray capped;
};
TESSELLON_PRINT_CASE_BY_NAME(CapCase)

class AttributeCap : public ::testing::TestWithParam<CapCase> {};

TEST_P(AttributeCap, KeepsTheFirstAttributesOfAnElementAndAllElse) {
    EXPECT_EQ(XmlAttributeCap::apply(GetParam().xml, 2), GetParam().capped);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AttributeCap,
    ::testing::Values(
        CapCase{"WithinTheCap", "<a x='1' y=\"2\">t</a>", "<a x='1' y=\"2\">t</a>"},
        CapCase{"OverTheCap", "<a x=\"1\" y=\"2\" z=\"3\"/><b/>", "<a x=\"1\" y=\"2\"/><b/>"},
        CapCase{"QuotedMarkup", "<a x=\">\" y=\"'\" z=\"3\">t</a>", "<a x=\">\" y=\"'\">t</a>"},
        CapCase{"NotElements",
                "<!DOCTYPE d [<!ENTITY e \"x>y\"><!-- ' -->]><!-- <c p='1' q='2' r='3'> -->"
                "<![CDATA[<c p='1' q='2' r='3'>]]><?pi p='1' q='2' r='3'?><d p='1' q='2' r='3'/>",
                "<!DOCTYPE d [<!ENTITY e \"x>y\"><!-- ' -->]><!-- <c p='1' q='2' r='3'> -->"
                "<![CDATA[<c p='1' q='2' r='3'>]]><?pi p='1' q='2' r='3'?><d p='1' q='2'/>"},
        CapCase{"Utf16", utf16le("<a x='1' y='2' z='3'>t</a>"), utf16le("<a x='1' y='2'>t</a>")}));
