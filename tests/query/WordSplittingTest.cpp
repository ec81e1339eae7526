#include "query/WordSplitting.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

struct SplitCase {
    const char* name;
    QString text;
    char16_t delimiter;
    QStringList words;
};
TESSELLON_PRINT_CASE_BY_NAME(SplitCase)

class GetAllWordsTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(GetAllWordsTest, Splits) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(GetAllWords(c.text, QChar(c.delimiter), u'"'), c.words);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetAllWordsTest,
    ::testing::Values(
        SplitCase{"empty", u""_qs, u' ', {}},
        SplitCase{"two_blanks_between", u"annual  report"_qs, u' ', {u"annual"_qs, u"report"_qs}},
        SplitCase{"trailing_blank", u"report "_qs, u' ', {u"report"_qs}},
        SplitCase{"leading_blanks", u"  report"_qs, u' ', {u"report"_qs}},
        SplitCase{"phrase_requoted",
                  u"annual \"sales report\" 2014"_qs,
                  u' ',
                  {u"annual"_qs, u"\"sales report\""_qs, u"2014"_qs}},
        SplitCase{
            "doubled_quote_inside", u"\"say \"\"hi\"\" now\""_qs, u' ', {u"\"say \"hi\" now\""_qs}},
        SplitCase{"tab_is_no_delimiter", u"a\tb"_qs, u' ', {u"a\tb"_qs}},
        SplitCase{"unclosed_quote_runs_to_end",
                  u"x \"open phrase"_qs,
                  u' ',
                  {u"x"_qs, u"\"open phrase\""_qs}},
        SplitCase{"quoted_then_text", u"\"ab\"cd"_qs, u' ', {u"ab"_qs, u"cd"_qs}},
        SplitCase{"folders_trimmed_and_quoted",
                  u"/home/u/Docs, /home/u/My Files"_qs,
                  u',',
                  {u"/home/u/Docs"_qs, u"\"/home/u/My Files\""_qs}},
        SplitCase{"folder_trailing_comma", u"/a,"_qs, u',', {u"/a"_qs}},
        SplitCase{"quoted_folder_loses_quotes", u"\"/docs\""_qs, u',', {u"/docs"_qs}},
        SplitCase{"patterns", u"*.doc budget.xls"_qs, u' ', {u"*.doc"_qs, u"budget.xls"_qs}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SplitDelimited, KeepsEmptyEntriesAndTrailingDelimiter) {
    EXPECT_EQ(SplitDelimited(u"a,,b,"_qs, u',', u'"'),
              (QStringList{u"a"_qs, u""_qs, u"b"_qs, u""_qs}));
}

TEST(QuoteWhole, AddsOnlyMissingQuotes) {
    const std::pair<QString, QString> cases[] = {
        {u""_qs, u""_qs},
        {u"budget forecast"_qs, u"\"budget forecast\""_qs},
        {u"\"begun"_qs, u"\"begun\""_qs},
        {u"ended\""_qs, u"\"ended\""_qs},
        {u"\"both\""_qs, u"\"both\""_qs},
        {u"\""_qs, u"\""_qs},
    };
    for (const auto& [text, quoted] : cases)
        EXPECT_EQ(QuoteWhole(text), quoted) << text.toStdString();
}

} // namespace
