// Which statements may be answered in name order without ranking: by walking
// the name index or by sorting the matched documents.
#include "indexing/statement/Parser.h"
#include "indexing/statement/QueryPlanner.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tessellon::statement;

namespace {

struct WalkCase {
    const char* name;
    QString statement;
    int maxRecords;
    bool candidate;
    bool counted = false; // a full-text match decides whether it pays
};

class NameOrderCandidates : public testing::TestWithParam<WalkCase> {};

TEST_P(NameOrderCandidates, FollowTheStatement) {
    const WalkCase& c = GetParam();
    const std::optional<NameOrderCandidate> walk =
        nameOrderCandidate(parseStatement(c.statement), c.maxRecords);
    ASSERT_EQ(walk.has_value(), c.candidate);
    if (walk) {
        EXPECT_EQ(!walk->match.isEmpty(), c.counted);
    }
}

const QString Select = "SELECT Path, Filename, Size, Write, DocKeywords FROM System..SCOPE() ";

INSTANTIATE_TEST_SUITE_P(
    Statements, NameOrderCandidates,
    testing::Values(
        WalkCase{"wordByName", Select + "WHERE CONTAINS(All, 'w') ORDER BY Filename ASC", 2000,
                 true, true},
        WalkCase{"ignorePatterns",
                 Select + "WHERE CONTAINS(All, 'w') AND NOT MATCHES(Filename, '*.tmp') ORDER BY "
                          "Filename",
                 2000, true, true},
        WalkCase{"namesOnly", Select + "WHERE MATCHES(Filename, '*.txt') ORDER BY Filename", 2000,
                 true},
        WalkCase{"phrase", Select + "WHERE CONTAINS(All, '\"a b\"') ORDER BY Filename", 2000, true,
                 true},
        WalkCase{"wordsAndPrefixes",
                 Select + "WHERE CONTAINS(All, 'a AND (b OR c*)') ORDER BY Filename", 2000, true,
                 true},
        WalkCase{"noCap", Select + "WHERE CONTAINS(All, 'w') ORDER BY Filename", 0, false},
        WalkCase{"descending", Select + "WHERE CONTAINS(All, 'w') ORDER BY Filename DESC", 2000,
                 false},
        WalkCase{"secondKey", Select + "WHERE CONTAINS(All, 'w') ORDER BY Filename, Size", 2000,
                 false},
        WalkCase{"bySize", Select + "WHERE CONTAINS(All, 'w') ORDER BY Size", 2000, false},
        WalkCase{"sizeCondition",
                 Select + "WHERE CONTAINS(All, 'w') AND Size > 5 ORDER BY Filename", 2000, false},
        WalkCase{"sizeUnderNot",
                 Select + "WHERE NOT (Size > 5 OR Filename = 'a') ORDER BY Filename", 2000, false},
        WalkCase{"rankSelected",
                 "SELECT Path, Rank FROM SCOPE() WHERE CONTAINS('w') ORDER BY Filename", 2000,
                 false},
        WalkCase{"scoped",
                 "SELECT Path FROM SCOPE(' \"/home\" ') WHERE CONTAINS('w') ORDER BY Filename",
                 2000, false},
        WalkCase{"twoCatalogs",
                 "SELECT Path FROM (TABLE A..SCOPE() UNION ALL TABLE B..SCOPE()) ORDER BY Filename",
                 2000, false}),
    testing::PrintToStringParamName());

TESSELLON_PRINT_CASE_BY_NAME(WalkCase)

} // namespace
