// Statements read into syntax trees: letter case and line breaks do not
// matter, and statements that do not parse fail with the place and what was
// expected there.
#include "common/Error.h"
#include "indexing/statement/Parser.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tessellon;
using namespace tessellon::statement;

namespace {

TEST(StatementParser, ReadsTheBuildersMultiCatalogForm) {
    const Statement s = parseStatement(
        "SELECT Path, Filename, Size, Write, DocKeywords FROM (TABLE SERVER2.System..SCOPE() "
        "UNION ALL TABLE SERVER2.Web..SCOPE(' SHALLOW TRAVERSAL OF (\"/a\", \"/b c\") ') ) "
        "WHERE CONTAINS(All, 'report')  ORDER BY Filename ASC ");
    ASSERT_EQ(s.selectList.size(), 5u);
    EXPECT_EQ(s.selectList[3], Property::Write);
    ASSERT_EQ(s.sources.size(), 2u);
    EXPECT_EQ(s.sources[0].host, "SERVER2");
    EXPECT_EQ(s.sources[0].catalog, "System");
    EXPECT_TRUE(s.sources[0].folders.empty());
    ASSERT_EQ(s.sources[1].folders.size(), 2u);
    EXPECT_EQ(s.sources[1].folders[1].path, "/b c");
    EXPECT_FALSE(s.sources[1].folders[1].deep);
    ASSERT_EQ(s.orderBy.size(), 1u);
    EXPECT_FALSE(s.orderBy[0].descending);
}

TEST(StatementParser, IgnoresCaseAndLineBreaks) {
    const Statement s = parseStatement("select\tpath,\n  FILENAME\r\nfrom scope()\n"
                                       "where\n  size\n>=\n0x10 and not\ncontains('x')\n"
                                       "order by\n write desc, filename");
    EXPECT_EQ(s.sources[0].catalog, "System");
    EXPECT_FALSE(s.sources[0].catalogNamed);
    ASSERT_TRUE(s.where.has_value());
    const auto& conjunction = std::get<AndCondition>(s.where->node);
    EXPECT_EQ(std::get<std::int64_t>(std::get<Comparison>(conjunction.operands[0].node).value), 16);
    EXPECT_TRUE(std::holds_alternative<NotCondition>(conjunction.operands[1].node));
    EXPECT_TRUE(s.orderBy[0].descending);
}

TEST(StatementParser, NotBindsTighterThanAndThanOr) {
    const Statement s =
        parseStatement("SELECT Path FROM SCOPE() WHERE NOT Size = 1 AND Size = 2 OR Size = 3");
    const auto& disjunction = std::get<OrCondition>(s.where->node);
    const auto& conjunction = std::get<AndCondition>(disjunction.operands[0].node);
    EXPECT_TRUE(std::holds_alternative<NotCondition>(conjunction.operands[0].node));
}

struct ErrorCase {
    const char* name;
    QString statement;
    QString message; // a part of the expected message
};
TESSELLON_PRINT_CASE_BY_NAME(ErrorCase)

class StatementErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(StatementErrors, SayWhereAndWhat) {
    try {
        parseStatement(GetParam().statement);
        FAIL() << "no error";
    } catch (const ProviderError& e) {
        EXPECT_TRUE(e.message().contains(GetParam().message)) << e.message().toStdString();
    }
}

const QString Select = QStringLiteral("SELECT Path FROM System..SCOPE() WHERE ");

INSTANTIATE_TEST_SUITE_P(
    Cases, StatementErrors,
    testing::Values(
        // The apostrophe of "report's" ends the literal: a syntax error, not another query.
        ErrorCase{"strayApostrophe", Select + "CONTAINS(All, 'report's') ORDER BY Filename ASC ",
                  "Syntax error at position 62: expected ')' but found 's' (at \"s') ORDER BY "
                  "Filenam...\")"},
        // Inside a literal a doubled apostrophe is one character of the text.
        ErrorCase{"errorAfterDoubledApostrophe", Select + "CONTAINS(All, 'it''s AND')",
                  "position 64: expected a word or a phrase but found the end of the condition "
                  "(at \"')\")"},
        ErrorCase{"unclosedLiteral", Select + "CONTAINS(All, 'report)",
                  "Syntax error at position 54: the text that begins here has no closing quote"},
        ErrorCase{"unbalancedParenthesis", Select + "(Size > 1 AND (Size < 5)",
                  "expected ')' but found the end of the statement"},
        ErrorCase{"extraParenthesis", Select + "Size > 1)", "position 48: expected AND, OR"},
        ErrorCase{"emptyContains", Select + "CONTAINS(All, '')",
                  "position 55: the full-text condition is empty"},
        ErrorCase{"unbalancedPhraseQuote", Select + "CONTAINS('a \"b c')",
                  "position 52: the phrase that begins here has no closing double quote"},
        ErrorCase{"unknownProperty", "SELECT Path, Colour FROM SCOPE()",
                  "Unknown property 'Colour' (at position 14)"},
        ErrorCase{"unknownWhereProperty", Select + "Weight > 3", "Unknown property 'Weight'"},
        ErrorCase{"unknownContainsColumn", Select + "CONTAINS(Body, 'x')",
                  "Unknown property 'Body'"},
        ErrorCase{"selectStar", "SELECT * FROM SCOPE()", "SELECT * is not supported"},
        ErrorCase{"wordAfterSource", "SELECT Path FROM SCOPE() HAVING",
                  "expected WHERE, ORDER BY or the end of the statement but found 'HAVING'"},
        ErrorCase{"missingFrom", "SELECT Path SCOPE()", "expected FROM but found 'SCOPE'"},
        ErrorCase{"missingScope", "SELECT Path FROM System", "expected '..' and SCOPE"},
        ErrorCase{"textForNumber", Select + "Size > 'big'", "expected a number to compare Size"},
        ErrorCase{"badDate", Select + "Write > '2014-13-01'", "'2014-13-01' is not a date"},
        ErrorCase{"likeOnNumber", Select + "Size LIKE '1%'", "LIKE needs a text property"},
        ErrorCase{"badPattern", Select + "MATCHES(Filename, 'a|(b')", "'|(' is not closed"},
        ErrorCase{"badScope", "SELECT Path FROM SCOPE(' DEEP \"/a\" ')", "expected TRAVERSAL"},
        ErrorCase{"multiLine", "SELECT Path\nFROM SCOPE()\nWHERE Size >> 1\nORDER BY Size",
                  "Syntax error at line 3, column 13: expected a number to compare Size with but "
                  "found '>' (at \"> 1 ORDER BY Size\")"},
        ErrorCase{"nestedTooDeep", Select + QString(5000, '(') + "Size > 1" + QString(5000, ')'),
                  "conditions are nested more than 24 deep"},
        ErrorCase{"notTooDeep", Select + QString("NOT ").repeated(5000) + "Size > 1",
                  "conditions are nested more than 24 deep"},
        ErrorCase{"trailingWords", "SELECT Path FROM SCOPE() ORDER BY Size DESC x",
                  "expected ',' or the end of the statement but found 'x'"}),
    testing::PrintToStringParamName());

} // namespace
