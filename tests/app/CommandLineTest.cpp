#include "app/CommandLine.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

struct ParamCase {
    const char* name;
    QStringList arguments;
    BatchOptions expected;
    QStringList messages;
};
TESSELLON_PRINT_CASE_BY_NAME(ParamCase)

BatchOptions with(std::function<void(BatchOptions&)> change) {
    BatchOptions options;
    change(options);
    return options;
}

class ParseParamTest : public ::testing::TestWithParam<ParamCase> {};

TEST_P(ParseParamTest, UpdatesTheOptions) {
    const ParamCase& c = GetParam();
    BatchOptions options;
    QStringList messages;
    for (const QString& argument : c.arguments) {
        if (const auto message = ParseParam(argument, options))
            messages << *message;
    }
    EXPECT_EQ(options.queryFile, c.expected.queryFile);
    EXPECT_EQ(options.resultFile, c.expected.resultFile);
    EXPECT_EQ(options.limitText, c.expected.limitText);
    EXPECT_EQ(options.resultLimit, c.expected.resultLimit);
    EXPECT_EQ(options.quit, c.expected.quit);
    EXPECT_EQ(options.searchFile, c.expected.searchFile);
    EXPECT_EQ(messages, c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseParamTest,
    ::testing::Values(
        ParamCase{"prefix_and_trailing_slash",
                  {u"TSSEARCH:///home/u/a.tsn/"_qs},
                  with([](auto& o) { o.searchFile = u"/home/u/a.tsn"_qs; }),
                  {}},
        ParamCase{"prefix_any_case_keeps_the_rest",
                  {u"tsSearch:///SDocs/Q.SQL"_qs},
                  with([](auto& o) { o.queryFile = u"Docs/Q.SQL"_qs; }),
                  {}},
        ParamCase{"prefix_after_a_letter_that_grows_in_capitals",
                  {u"/SStraße/tssearch://q.SQL"_qs},
                  with([](auto& o) { o.queryFile = u"Straße/q.SQL"_qs; }),
                  {}},
        ParamCase{"lower_case_letters",
                  {u"/sq.sql"_qs, u"/fout.txt"_qs, u"/n50"_qs, u"/q"_qs},
                  with([](auto& o) {
                      o.queryFile = u"q.sql"_qs;
                      o.resultFile = u"out.txt"_qs;
                      o.limitText = u"50"_qs;
                      o.resultLimit = 50;
                      o.quit = true;
                  }),
                  {}},
        ParamCase{"limit_not_a_number",
                  {u"/Nabc"_qs},
                  with([](auto& o) { o.limitText = u"abc"_qs; }),
                  {u"Error: abc not a number."_qs}},
        ParamCase{"limit_empty", {u"/N"_qs}, with([](auto&) {}), {u"Error:  not a number."_qs}},
        ParamCase{"report_without_path",
                  {u"/F/"_qs},
                  BatchOptions(),
                  {u"Error: /F needs the path of the report file."_qs}},
        ParamCase{"quit_with_more", {u"/Quietly"_qs}, with([](auto& o) { o.quit = true; }), {}},
        ParamCase{"other_letter_with_tsn_taken_whole",
                  {u"/Xsaved.tsn"_qs},
                  with([](auto& o) { o.searchFile = u"/Xsaved.tsn"_qs; }),
                  {}},
        ParamCase{"extension_in_capitals_ignored", {u"saved.TSN"_qs}, BatchOptions(), {}},
        ParamCase{"doubled_slash_escapes_option_letters",
                  {u"//srv/searches/a.tsn"_qs},
                  with([](auto& o) { o.searchFile = u"//srv/searches/a.tsn"_qs; }),
                  {}},
        ParamCase{"later_occurrence_wins",
                  {u"/N5"_qs, u"/N7"_qs},
                  with([](auto& o) {
                      o.limitText = u"7"_qs;
                      o.resultLimit = 7;
                  }),
                  {}},
        ParamCase{"empty_and_slashes_ignored", {u""_qs, u"///"_qs}, BatchOptions(), {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
