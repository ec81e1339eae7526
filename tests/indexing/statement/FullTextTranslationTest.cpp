// CONTAINS and FREETEXT texts as FTS5 expressions: operators map to FTS5's,
// every user term is quoted, and malformed texts fail with their place.
#include "indexing/statement/Fts5Expression.h"
#include "indexing/statement/SyntaxError.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tessellon::statement;

namespace {

struct TranslationCase {
    const char* name;
    QString text;
    QString fts5;
};
TESSELLON_PRINT_CASE_BY_NAME(TranslationCase)

class ContainsTranslation : public testing::TestWithParam<TranslationCase> {};

TEST_P(ContainsTranslation, GivesTheFts5Expression) {
    EXPECT_EQ(toFts5(parseContainsText(GetParam().text)), GetParam().fts5);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ContainsTranslation,
    testing::Values(TranslationCase{"word", "report", R"("report")"},
                    TranslationCase{"and", "annual AND \"sales report\" AND 2014",
                                    R"(("annual" AND "sales report" AND "2014"))"},
                    TranslationCase{"symbols", "a & b | c", R"((("a" AND "b") OR "c"))"},
                    TranslationCase{"andNot", "report and not draft", R"(("report" NOT "draft"))"},
                    TranslationCase{"andNotSymbol", "report &! draft", R"(("report" NOT "draft"))"},
                    TranslationCase{"orBindsLooser", "a OR b AND c", R"(("a" OR ("b" AND "c")))"},
                    TranslationCase{"parentheses", "(a OR b) AND c", R"((("a" OR "b") AND "c"))"},
                    TranslationCase{"prefixWord", "comp*", R"("comp" *)"},
                    TranslationCase{"prefixQuoted", "\"sales rep*\"", R"("sales rep" *)"},
                    TranslationCase{"near", "sales NEAR report ~ annual",
                                    R"(NEAR("sales" "report" "annual", 50))"},
                    TranslationCase{"nearOfGroups", "(a OR b) NEAR c", R"((("a" OR "b") AND "c"))"},
                    TranslationCase{"adjacentWordsArePhrase", "sales report", R"("sales report")"},
                    TranslationCase{"formsOf", "FORMSOF(INFLECTIONAL, running, reports)",
                                    R"(("runn" * OR "report" *))"},
                    // FTS5 syntax in user text stays text.
                    TranslationCase{"fts5Syntax", "title:secret^ NEAR/2 x{y}",
                                    R"("title:secret^ NEAR/2 x{y}")"},
                    TranslationCase{"caseOfKeywords", "a and b oR c", R"((("a" AND "b") OR "c"))"},
                    // Where a word is expected, an operator word is a word.
                    TranslationCase{"operatorWordsAsWords", "cats AND and AND or AND near",
                                    R"(("cats" AND "and" AND "or" AND "near"))"},
                    TranslationCase{"leadingNot", "NOT a", R"("NOT a")"},
                    TranslationCase{"notAtTheEnd", "a AND not", R"(("a" AND "not"))"},
                    TranslationCase{"andNotOfOperatorWord", "a AND NOT or", R"(("a" NOT "or"))"}),
    testing::PrintToStringParamName());

struct ErrorCase {
    const char* name;
    QString text;
    qsizetype offset;
    QString message;
};
TESSELLON_PRINT_CASE_BY_NAME(ErrorCase)

class ContainsErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(ContainsErrors, NameTheirPlace) {
    try {
        parseContainsText(GetParam().text);
        FAIL() << "no error";
    } catch (const LiteralError& e) {
        EXPECT_EQ(e.offset, GetParam().offset);
        EXPECT_TRUE(e.message.contains(GetParam().message)) << e.message.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ContainsErrors,
    testing::Values(ErrorCase{"empty", "", 0, "empty"}, ErrorCase{"blank", "   ", 0, "empty"},
                    ErrorCase{"openQuote", "a AND \"sales", 6, "no closing double quote"},
                    ErrorCase{"openParenthesis", "(a OR b", 7, "expected ')'"},
                    ErrorCase{"strayParenthesis", "a OR b)", 6, "expected AND, OR"},
                    ErrorCase{"leadingOr", "| a", 0, "expected a word"},
                    ErrorCase{"bareNot", "a NOT b", 2, "AND NOT"},
                    ErrorCase{"danglingAnd", "a AND", 5, "expected a word"},
                    ErrorCase{"emptyPhrase", "\"\"", 0, "empty"},
                    ErrorCase{"nestedTooDeep", QString(150, '(') + "a" + QString(150, ')'), 24,
                              "nested more than 24 deep"},
                    // The 24th AND NOT makes the tree 25 deep.
                    ErrorCase{"andNotChain", "a" + QString(" &! b").repeated(25000), 117,
                              "nested more than 24 deep"},
                    ErrorCase{"mixedChain", "a" + QString(" AND NOT b AND c").repeated(25000),
                              1 + 16 * 11 + 11, "nested more than 24 deep"},
                    ErrorCase{"longNear", QStringList(11, "a").join(" ~ "), 0,
                              "NEAR joins at most 10 words or phrases"}),
    testing::PrintToStringParamName());

TEST(FreeText, OrsEveryWordAndAddsQuotedPhrases) {
    EXPECT_EQ(toFts5(parseFreeText("budget forecast")), R"(("budget" OR "forecast"))");
    EXPECT_EQ(toFts5(parseFreeText("\"budget forecast\"")),
              R"(("budget" OR "forecast" OR "budget forecast"))");
    EXPECT_EQ(toFts5(parseFreeText("plan \"budget  forecast\" and \"year\"")),
              R"(("plan" OR "budget" OR "forecast" OR "budget forecast" OR "and" OR "year"))");
    EXPECT_THROW(parseFreeText("  "), LiteralError);
    EXPECT_THROW(parseFreeText("\"open"), LiteralError);
}

TEST(FullTextColumns, RestrictTheExpression) {
    EXPECT_EQ(restrictToColumns(R"("x")", {"contents"}), R"({contents} : ("x"))");
    EXPECT_EQ(restrictToColumns(R"("x")", {}), R"("x")");
}

} // namespace
