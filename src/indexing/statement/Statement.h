// The syntax tree of one statement. The parser checks names and value kinds,
// so a tree that exists is one the planner can execute: properties are
// resolved, literals are typed, patterns are compiled and full-text texts
// are read into their own trees.
#pragma once

#include "indexing/statement/DateLiteral.h"
#include "indexing/statement/FullTextQuery.h"
#include "indexing/statement/PatternMatcher.h"
#include "indexing/statement/Property.h"
#include "indexing/statement/ScopeText.h"

#include <QStringList>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace tessellon::statement {

enum class CompareOp { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual, AllBits, SomeBits };
enum class Quantifier { None, All, Any };

// An integer for Integer properties, a text for text properties, a date
// (range) for Date properties.
using Value = std::variant<std::int64_t, QString, DateLiteral>;

// CONTAINS and FREETEXT.
struct FullTextPredicate {
    FullTextExpr query;
    QStringList columns; // columns of `fulltext` searched; empty means all
};

// MATCHES and LIKE.
struct PatternPredicate {
    Property property;
    std::shared_ptr<const PatternMatcher> matcher;
};

struct Comparison {
    Property property;
    CompareOp op;
    Value value;
};

// column op [ALL|SOME|ANY] ARRAY[v, ...]
struct ArrayComparison {
    Property property;
    CompareOp op;
    Quantifier quantifier;
    std::vector<Value> values;
};

struct Condition;
struct AndCondition {
    std::vector<Condition> operands;
};
struct OrCondition {
    std::vector<Condition> operands;
};
struct NotCondition {
    std::unique_ptr<Condition> operand;
};

struct Condition {
    std::variant<AndCondition, OrCondition, NotCondition, FullTextPredicate, PatternPredicate,
                 Comparison, ArrayComparison>
        node;
};

// One catalog of the FROM part, with the folders its scope names and where
// its parts stand in the statement's text.
struct CatalogSource {
    QString host;    // empty when the statement names none
    QString catalog; // "System" for a bare SCOPE()
    bool catalogNamed = true;
    qsizetype position = 0;           // of the host, else of the catalog or SCOPE
    qsizetype catalogPosition = 0;    // of the catalog or SCOPE, after the host
    qsizetype tablePosition = 0;      // of TABLE in a union, else as position
    qsizetype unionPosition = -1;     // of the UNION ALL before it, if any
    qsizetype end = 0;                // just after the scope's ")"
    std::vector<ScopeFolder> folders; // empty: the whole catalog
};

struct OrderKey {
    Property property;
    bool descending = false;
};

struct Statement {
    std::vector<Property> selectList;
    std::vector<CatalogSource> sources;
    std::optional<Condition> where;
    std::vector<OrderKey> orderBy;
};

} // namespace tessellon::statement
