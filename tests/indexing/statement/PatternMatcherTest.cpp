// MATCHES and LIKE patterns: whole values, letter case ignored, with classes,
// groups, alternatives and counts.
#include "indexing/statement/PatternMatcher.h"
#include "indexing/statement/SyntaxError.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tessellon::statement;

namespace {

struct MatchCase {
    const char* name;
    bool like; // LIKE syntax, else MATCHES
    QString pattern;
    QStringList matching;
    QStringList failing;
};
TESSELLON_PRINT_CASE_BY_NAME(MatchCase)

class Patterns : public testing::TestWithParam<MatchCase> {};

TEST_P(Patterns, MatchWholeValuesIgnoringCase) {
    const MatchCase& c = GetParam();
    const PatternMatcher m =
        c.like ? PatternMatcher::fromLike(c.pattern) : PatternMatcher::fromMatches(c.pattern);
    // The byte-level fast path, where it answers, agrees with the full matcher.
    auto check = [&m](const QString& value, bool expected) {
        EXPECT_EQ(m.matches(value), expected) << value.toStdString();
        const QByteArray utf8 = value.toUtf8();
        if (const std::optional<bool> fast = m.matchesAscii(utf8.constData(), utf8.size())) {
            EXPECT_EQ(*fast, expected) << "fast path: " << value.toStdString();
        }
    };
    for (const QString& value : c.matching)
        check(value, true);
    for (const QString& value : c.failing)
        check(value, false);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Patterns,
    testing::Values(
        MatchCase{"star", false, "*.doc", {"a.doc", ".doc", "X.DOC"}, {"a.docx", "adoc"}},
        MatchCase{"exactName", false, "budget.xls", {"Budget.XLS"}, {"budget.xlsx", "xbudget.xls"}},
        MatchCase{"question", false, "?.txt", {"a.txt"}, {"ab.txt", ".txt"}},
        MatchCase{"class", false, "[abc]*", {"apple", "Cherry"}, {"date"}},
        MatchCase{"range", false, "file[0-9].log", {"file7.log"}, {"filex.log", "file10.log"}},
        MatchCase{"negatedClass", false, "[^a]*", {"bob"}, {"anna"}},
        MatchCase{"regexCharsAreText", false, "a+b(c).txt", {"a+b(c).txt"}, {"aab(c).txt"}},
        MatchCase{"group",
                  false,
                  "report.|(doc|,pdf|)",
                  {"report.doc", "report.PDF"},
                  {"report.txt", "report.docpdf"}},
        MatchCase{"oneOrMore", false, "ab|+c", {"abc", "abbbc"}, {"ac"}},
        MatchCase{"zeroOrMore", false, "ab|*c", {"ac", "abbc"}, {"adc"}},
        MatchCase{"optional", false, "colou|?r", {"color", "colour"}, {"colouur"}},
        MatchCase{"groupRepeat", false, "|(ab|)|+", {"ab", "abab"}, {"aba"}},
        MatchCase{"exactCount", false, "x|{3|}", {"xxx"}, {"xx", "xxxx"}},
        MatchCase{"minCount", false, "x|{2,|}", {"xx", "xxxxx"}, {"x"}},
        MatchCase{
            "rangeCount", false, "[0-9]|{2,3|}.txt", {"12.txt", "123.txt"}, {"1.txt", "1234.txt"}},
        MatchCase{"unicodeCase", false, "ÄRGER*", {"ärgerlich.txt"}, {"arger.txt"}},
        MatchCase{"likePercent", true, "%.txt", {"a.txt", ".TXT"}, {"a.txt.bak"}},
        MatchCase{"likeUnderscore", true, "file_.txt", {"file1.txt"}, {"file12.txt"}},
        MatchCase{"likeClass", true, "[a-c]%", {"Beta"}, {"delta"}},
        MatchCase{"likeStarIsText", true, "*.txt", {"*.txt"}, {"a.txt"}},
        MatchCase{"backtracking", false, "*a*b*c", {"xaxxbxxc", "abc", "aabbcc"}, {"acb", "abcd"}},
        MatchCase{"nonAsciiValue", false, "*.txt", {"über.TXT"}, {"über.txt.bak"}}),
    testing::PrintToStringParamName());

struct BadPattern {
    const char* name;
    QString pattern;
    qsizetype offset;
};
TESSELLON_PRINT_CASE_BY_NAME(BadPattern)

class BadPatterns : public testing::TestWithParam<BadPattern> {};

TEST_P(BadPatterns, FailAtTheirPlace) {
    try {
        PatternMatcher::fromMatches(GetParam().pattern);
        FAIL() << "no error";
    } catch (const LiteralError& e) {
        EXPECT_EQ(e.offset, GetParam().offset) << e.message.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadPatterns,
    testing::Values(BadPattern{"openClass", "ab[cd", 2}, BadPattern{"openGroup", "|(ab", 4},
                    BadPattern{"closeWithoutGroup", "ab|)", 2},
                    BadPattern{"repeatOfNothing", "|+a", 0}, BadPattern{"badCount", "a|{x|}", 1},
                    BadPattern{"unknownEscape", "a|q", 1}, BadPattern{"trailingEscape", "a|", 1},
                    BadPattern{"reversedRange", "[z-a]*", 0}),
    testing::PrintToStringParamName());

} // namespace
