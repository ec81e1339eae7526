#include "common/CommaText.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

struct WriteCase {
    const char* name;
    QStringList entries;
    QString text;
};
TESSELLON_PRINT_CASE_BY_NAME(WriteCase)

class CommaTextWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(CommaTextWrite, WritesAndReadsBack) {
    const WriteCase& c = GetParam();
    EXPECT_EQ(CommaText::write(c.entries), c.text);
    EXPECT_EQ(CommaText::read(c.text), c.entries);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommaTextWrite,
    ::testing::Values(WriteCase{"empty_list", {}, u""_qs},
                      WriteCase{"one_empty_entry", {u""_qs}, u"\"\""_qs},
                      WriteCase{"plain", {u"a"_qs, u"b"_qs}, u"a,b"_qs},
                      WriteCase{"inner_empty", {u"a"_qs, u""_qs, u"b"_qs}, u"a,,b"_qs},
                      WriteCase{"blank_quoted", {u"My Files"_qs}, u"\"My Files\""_qs},
                      WriteCase{"comma_quoted", {u"a,b"_qs, u"c"_qs}, u"\"a,b\",c"_qs},
                      WriteCase{"quote_doubled", {u"say \"hi\""_qs}, u"\"say \"\"hi\"\"\""_qs},
                      WriteCase{
                          "line_break", {u"SELECT x\r\nFROM y"_qs}, u"\"SELECT x\r\nFROM y\""_qs},
                      WriteCase{"tab", {u"a\tb"_qs}, u"\"a\tb\""_qs},
                      WriteCase{"unicode", {u"Grüße"_qs, u"日本"_qs}, u"Grüße,日本"_qs},
                      WriteCase{"leading_empty", {u""_qs, u"x"_qs}, u",x"_qs}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReadCase {
    const char* name;
    QString text;
    QStringList entries;
};
TESSELLON_PRINT_CASE_BY_NAME(ReadCase)

class CommaTextRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(CommaTextRead, Reads) {
    EXPECT_EQ(CommaText::read(GetParam().text), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommaTextRead,
    ::testing::Values(ReadCase{"blanks_separate", u"a b  c"_qs, {u"a"_qs, u"b"_qs, u"c"_qs}},
                      ReadCase{"leading_blanks_skipped", u"  \t a"_qs, {u"a"_qs}},
                      ReadCase{"blanks_around_comma", u"a , b"_qs, {u"a"_qs, u"b"_qs}},
                      ReadCase{"trailing_comma", u"a,"_qs, {u"a"_qs, u""_qs}},
                      ReadCase{"trailing_comma_then_blank", u"a, "_qs, {u"a"_qs}},
                      ReadCase{"only_comma", u","_qs, {u""_qs, u""_qs}},
                      ReadCase{"unclosed_quote", u"\"abc"_qs, {u"abc"_qs}},
                      ReadCase{"quote_then_text", u"\"ab\"cd"_qs, {u"ab"_qs, u"cd"_qs}},
                      ReadCase{"control_chars_separate", u"a\nb"_qs, {u"a"_qs, u"b"_qs}},
                      ReadCase{"only_blanks", u"   "_qs, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommaText, RoundTripsAwkwardEntries) {
    const QStringList entries{
        u"-1"_qs, u""_qs,     u"\"\""_qs,     u" lead"_qs,       u"trail "_qs,
        u","_qs,  u"\r\n"_qs, u"x\"y,z w"_qs, QString(QChar(0)), u"<ALL folders>"_qs};
    EXPECT_EQ(CommaText::read(CommaText::write(entries)), entries);
}

} // namespace
