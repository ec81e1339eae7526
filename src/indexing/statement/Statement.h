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

// One catalog of the FROM part, with the folders its scope names.
struct CatalogSource {
    QString host;    // empty when the statement names none
    QString catalog; // "System" for a bare SCOPE()
    bool catalogNamed = true;
    qsizetype position = 0;
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
