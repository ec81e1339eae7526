#include "indexing/statement/QueryPlanner.h"

#include "common/PathCodec.h"
#include "indexing/statement/Fts5Expression.h"

#include <cmath>

namespace tessellon::statement {

namespace {

QString sqlOperator(CompareOp op) {
    switch (op) {
    case CompareOp::Equal:
        return QStringLiteral("=");
    case CompareOp::NotEqual:
        return QStringLiteral("<>");
    case CompareOp::Less:
        return QStringLiteral("<");
    case CompareOp::Greater:
        return QStringLiteral(">");
    case CompareOp::LessEqual:
        return QStringLiteral("<=");
    case CompareOp::GreaterEqual:
        return QStringLiteral(">=");
    default:
        return QString();
    }
}

QString column(Property p) {
    return QLatin1String(storeColumn(p));
}

QString fts5Of(const FullTextPredicate& predicate) {
    return restrictToColumns(toFts5(predicate.query), predicate.columns);
}

// Column expressions of the sub-selects. Rank and HitCount come from the
// driving full-text match; without one, Rank is 1000 and HitCount 0. When the
// match is ranked in a sub-query of its own (see planQuery), they are that
// sub-query's columns.
struct Expressions {
    bool ranked = false;
    bool rankedBefore = false;

    // What the result column carries (Rank as its raw score, turned into
    // 0..1000 when read).
    QString value(Property p) const {
        switch (p) {
        case Property::Rank:
            return ranked ? score() : QStringLiteral("NULL");
        case Property::HitCount:
            return hits();
        default:
            return column(p);
        }
    }
    // What conditions compare: Rank as the integer the result shows.
    QString operand(Property p) const {
        if (p == Property::Rank)
            return ranked ? QStringLiteral("CAST(round(1000.0 * %1 / (%1 + 1.0)) AS INTEGER)")
                                .arg(score())
                          : QStringLiteral("1000");
        return value(p);
    }
    // Paths are bytes; they sort as text.
    QString sortKey(Property p) const {
        if (propertyKind(p) == PropertyKind::PathText)
            return QStringLiteral("CAST(%1 AS TEXT)").arg(column(p));
        return value(p);
    }

    // The match's own expressions, as the sub-query that ranks it computes them.
    static QString matchScore() { return QStringLiteral("max(0.0, -bm25(fulltext))"); }
    static QString matchHits() {
        return QStringLiteral("%1(fulltext)").arg(QLatin1String(HitsFunction));
    }

private:
    QString score() const { return rankedBefore ? QStringLiteral("f.score") : matchScore(); }
    QString hits() const {
        if (!ranked)
            return QStringLiteral("0");
        return rankedBefore ? QStringLiteral("f.hits") : matchHits();
    }
};

bool comesFromTheMatch(Property p) {
    return p == Property::Rank || p == Property::HitCount;
}

// Writes the SQL of one catalog's sub-select, appending the parameters in
// the order their placeholders appear.
class SubSelectWriter {
public:
    SubSelectWriter(const QString& schema, const Expressions& expressions,
                    std::vector<SqlParameter>& parameters)
        : schema_(schema), expressions_(expressions), parameters_(parameters) {}

    QString placeholder(SqlParameter value) {
        parameters_.push_back(std::move(value));
        return QStringLiteral("?");
    }

    QString condition(const Condition& c) {
        return std::visit([this](const auto& node) { return compile(node); }, c.node);
    }

    QString scope(const std::vector<ScopeFolder>& folders) {
        QStringList parts;
        for (const ScopeFolder& folder : folders) {
            QByteArray bytes = PathCodec::toBytes(folder.path);
            while (bytes.endsWith('/'))
                bytes.chop(1);
            if (folder.deep) {
                // Everything below the folder: "folder/" <= path < "folder0"
                // ('0' follows '/' in byte order).
                const QString from = placeholder(bytes + '/');
                const QString to = placeholder(bytes + '0');
                parts << QStringLiteral("(d.path >= %1 AND d.path < %2)").arg(from, to);
            } else {
                parts << QStringLiteral("d.directory = %1")
                             .arg(placeholder(bytes.isEmpty() ? QByteArray("/") : bytes));
            }
        }
        return QLatin1Char('(') + parts.join(QLatin1String(" OR ")) + QLatin1Char(')');
    }

private:
    QString joined(const std::vector<Condition>& operands, QLatin1String op) {
        QStringList parts;
        for (const Condition& operand : operands)
            parts << condition(operand);
        return QLatin1Char('(') + parts.join(op) + QLatin1Char(')');
    }

    QString compile(const AndCondition& c) { return joined(c.operands, QLatin1String(" AND ")); }
    QString compile(const OrCondition& c) { return joined(c.operands, QLatin1String(" OR ")); }
    QString compile(const NotCondition& c) {
        return QStringLiteral("NOT %1").arg(condition(*c.operand));
    }

    QString compile(const FullTextPredicate& p) {
        return QStringLiteral("d.id IN (SELECT rowid FROM %1.fulltext WHERE fulltext MATCH %2)")
            .arg(schema_, placeholder(fts5Of(p)));
    }

    QString compile(const PatternPredicate& p) {
        const char* function =
            propertyKind(p.property) == PropertyKind::TextList ? MatchEntryFunction : MatchFunction;
        return QStringLiteral("%1(%2, %3)")
            .arg(QLatin1String(function), placeholder(p.matcher.get()), column(p.property));
    }

    QString compile(const Comparison& c) {
        const QString col = expressions_.operand(c.property);
        if (c.op == CompareOp::AllBits) {
            const std::int64_t mask = std::get<std::int64_t>(c.value);
            const QString masked = placeholder(mask);
            const QString expected = placeholder(mask);
            return QStringLiteral("((%1 & %2) = %3)").arg(col, masked, expected);
        }
        if (c.op == CompareOp::SomeBits)
            return QStringLiteral("((%1 & %2) <> 0)")
                .arg(col, placeholder(std::get<std::int64_t>(c.value)));
        const QString op = sqlOperator(c.op);
        switch (propertyKind(c.property)) {
        case PropertyKind::Integer:
            return QStringLiteral("(%1 %2 %3)")
                .arg(col, op, placeholder(std::get<std::int64_t>(c.value)));
        case PropertyKind::Text:
            return QStringLiteral("(%1 COLLATE %2 %3 %4)")
                .arg(col, QLatin1String(CollationName), op,
                     placeholder(std::get<QString>(c.value)));
        case PropertyKind::PathText:
            return QStringLiteral("(%1 %2 %3)")
                .arg(col, op, placeholder(PathCodec::toBytes(std::get<QString>(c.value))));
        case PropertyKind::Date:
            return dateComparison(col, c.op, std::get<DateLiteral>(c.value));
        case PropertyKind::TextList:
            break; // the parser turns these into pattern predicates
        }
        return QString();
    }

    // A date alone names a whole day: >= and < compare with its first
    // instant, <= and > with its last, = and <> with the day as a range.
    QString dateComparison(const QString& col, CompareOp op, const DateLiteral& date) {
        const auto range = [&](const char* form) {
            const QString first = placeholder(date.firstMs);
            const QString last = placeholder(date.lastMs);
            return QString::fromLatin1(form).arg(col, first, last);
        };
        switch (op) {
        case CompareOp::Equal:
            return range("(%1 BETWEEN %2 AND %3)");
        case CompareOp::NotEqual:
            return range("(%1 NOT BETWEEN %2 AND %3)");
        case CompareOp::Less:
        case CompareOp::GreaterEqual:
            return QStringLiteral("(%1 %2 %3)")
                .arg(col, sqlOperator(op), placeholder(date.firstMs));
        default:
            return QStringLiteral("(%1 %2 %3)").arg(col, sqlOperator(op), placeholder(date.lastMs));
        }
    }

    QString compile(const ArrayComparison& c) {
        // Attrib = ARRAY[m]: every attribute bit the file has lies within m.
        const bool attributeMask = c.property == Property::Attrib &&
                                   c.quantifier == Quantifier::None &&
                                   (c.op == CompareOp::Equal || c.op == CompareOp::NotEqual);
        if (attributeMask) {
            std::int64_t mask = 0;
            for (const Value& v : c.values)
                mask |= std::get<std::int64_t>(v);
            return QStringLiteral("((%1 & ~%2) %3 0)")
                .arg(column(c.property), placeholder(mask), sqlOperator(c.op));
        }
        QStringList parts;
        for (const Value& v : c.values)
            parts << compile(Comparison{c.property, c.op, v});
        const QLatin1String op(c.quantifier == Quantifier::All ? " AND " : " OR ");
        return QLatin1Char('(') + parts.join(op) + QLatin1Char(')');
    }

    const QString& schema_;
    const Expressions& expressions_;
    std::vector<SqlParameter>& parameters_;
};

struct MatchValuesUsed {
    bool score = false;
    bool hits = false;
};

MatchValuesUsed matchValuesUsed(const std::vector<Property>& selectList,
                                const std::vector<OrderKey>& order) {
    MatchValuesUsed uses;
    const auto note = [&uses](Property p) {
        uses.score = uses.score || p == Property::Rank;
        uses.hits = uses.hits || p == Property::HitCount;
    };
    std::for_each(selectList.begin(), selectList.end(), note);
    for (const OrderKey& key : order)
        note(key.property);
    return uses;
}

// The FROM part that ranks one catalog's matches in a sub-query of their own
// and joins only the best `limit` of them with their documents rows.
QString bestMatches(SubSelectWriter& writer, const QString& schema, const QString& match,
                    const MatchValuesUsed& uses, const std::vector<OrderKey>& order, int limit) {
    QString values;
    if (uses.score)
        values += QStringLiteral(", %1 AS score").arg(Expressions::matchScore());
    if (uses.hits)
        values += QStringLiteral(", %1 AS hits").arg(Expressions::matchHits());
    QStringList matchOrder;
    for (const OrderKey& key : order)
        matchOrder << (key.property == Property::Rank ? QStringLiteral("score")
                                                      : QStringLiteral("hits")) +
                          (key.descending ? QStringLiteral(" DESC") : QString());
    matchOrder << QStringLiteral("rowid");
    // The placeholders in the order they appear.
    const QString matchParameter = writer.placeholder(match);
    const QString limitParameter = writer.placeholder(std::int64_t(limit));
    return QStringLiteral("FROM (SELECT rowid AS id%2 FROM %1.fulltext AS fulltext "
                          "WHERE fulltext MATCH %3 ORDER BY %4 LIMIT %5) AS f "
                          "JOIN %1.documents AS d ON d.id = f.id ")
        .arg(schema, values, matchParameter, matchOrder.join(QLatin1String(", ")), limitParameter);
}

// The full-text conditions that every result must satisfy (the WHERE part
// itself, or operands of its top AND); they drive the query and rank it.
struct SplitCondition {
    std::vector<const FullTextPredicate*> ranking;
    std::vector<const Condition*> rest;
};

SplitCondition splitCondition(const std::optional<Condition>& where) {
    SplitCondition split;
    if (!where)
        return split;
    auto take = [&split](const Condition& c) {
        if (const auto* ft = std::get_if<FullTextPredicate>(&c.node))
            split.ranking.push_back(ft);
        else
            split.rest.push_back(&c);
    };
    if (const auto* conjunction = std::get_if<AndCondition>(&where->node)) {
        for (const Condition& operand : conjunction->operands)
            take(operand);
    } else {
        take(*where);
    }
    return split;
}

// Whether the condition tests anything but names, paths and full text.
bool testsMoreThanNames(const Condition& condition) {
    const auto outsideNames = [](Property p) {
        return p != Property::Filename && p != Property::Path;
    };
    return std::visit(
        [&](const auto& node) -> bool {
            using T = std::decay_t<decltype(node)>;
            if constexpr (std::is_same_v<T, AndCondition> || std::is_same_v<T, OrCondition>)
                return std::any_of(node.operands.begin(), node.operands.end(), testsMoreThanNames);
            else if constexpr (std::is_same_v<T, NotCondition>)
                return testsMoreThanNames(*node.operand);
            else if constexpr (std::is_same_v<T, FullTextPredicate>)
                return false;
            else
                return outsideNames(node.property);
        },
        condition.node);
}

// The order the rows come in: ORDER BY, or by default descending Rank.
std::vector<OrderKey> effectiveOrder(const Statement& statement) {
    if (statement.orderBy.empty())
        return {{Property::Rank, true}};
    return statement.orderBy;
}

QString rankingMatchOf(const SplitCondition& split) {
    QString match;
    for (const FullTextPredicate* p : split.ranking)
        match += (match.isEmpty() ? "(" : " AND (") + fts5Of(*p) + ")";
    return match;
}

} // namespace

std::optional<NameOrderCandidate> nameOrderCandidate(const Statement& statement, int maxRecords) {
    const bool byNameAscending = statement.orderBy.size() == 1 &&
                                 statement.orderBy.front().property == Property::Filename &&
                                 !statement.orderBy.front().descending;
    if (maxRecords <= 0 || statement.sources.size() != 1 ||
        !statement.sources.front().folders.empty() || !byNameAscending ||
        std::any_of(statement.selectList.begin(), statement.selectList.end(), comesFromTheMatch))
        return std::nullopt;
    const SplitCondition split = splitCondition(statement.where);
    for (const Condition* c : split.rest) {
        if (testsMoreThanNames(*c))
            return std::nullopt;
    }
    return NameOrderCandidate{rankingMatchOf(split)};
}

std::int64_t nameWalkThreshold(std::int64_t documents, int maxRecords) {
    // Reading an entry of the name index costs about a quarter of joining
    // and sorting one match.
    return std::int64_t(std::ceil(std::sqrt(double(maxRecords) * double(documents) / 4.0)));
}

QueryPlan planNameOrder(const Statement& statement, const QString& schema, int maxRecords,
                        bool walkNames, bool withPlaces) {
    QueryPlan plan;
    plan.selectList = statement.selectList;
    const Expressions expressions{false, false};
    SubSelectWriter writer(schema, expressions, plan.parameters);
    QStringList columns;
    for (Property p : statement.selectList)
        columns << expressions.value(p);
    if (withPlaces) {
        columns << QStringLiteral("d.filename, 0, d.path");
        plan.placeColumns = 3;
    }
    const SplitCondition split = splitCondition(statement.where);
    const bool matched = !split.ranking.empty();
    QString source;
    QStringList where;
    if (walkNames) {
        source = QStringLiteral("%1.documents AS d INDEXED BY documents_name").arg(schema);
        if (matched)
            where << QStringLiteral("d.id IN (SELECT id FROM %1)").arg(QLatin1String(MatchedIds));
    } else {
        // CROSS JOIN keeps the matches the outer loop: left to itself, SQLite
        // would walk the name index here too.
        source = QStringLiteral("%2 AS m CROSS JOIN %1.documents AS d ON d.id = m.id")
                     .arg(schema, QLatin1String(MatchedIds));
    }
    for (const Condition* c : split.rest)
        where << writer.condition(*c);
    plan.sql =
        QStringLiteral("SELECT %1 FROM %2 LEFT JOIN %3.characterizations AS c "
                       "ON c.id = d.id%4 ORDER BY d.filename COLLATE %5, d.path LIMIT ?")
            .arg(columns.join(QLatin1String(", ")), source, schema,
                 where.isEmpty() ? QString()
                                 : QLatin1String(" WHERE ") + where.join(QLatin1String(" AND ")),
                 QLatin1String(CollationName));
    plan.parameters.push_back(std::int64_t(maxRecords));
    return plan;
}

QueryPlan planQuery(const Statement& statement, const QStringList& schemas, int maxRecords,
                    bool withPlaces) {
    Q_ASSERT(schemas.size() == qsizetype(statement.sources.size()));
    QueryPlan plan;
    plan.selectList = statement.selectList;

    const SplitCondition split = splitCondition(statement.where);
    const std::vector<OrderKey> order = effectiveOrder(statement);

    // When only the full-text match decides which rows come and in which
    // order, each catalog without a scope ranks its matches alone and only
    // the best MaxRecords of them are joined with their documents rows. Of
    // matches that rank exactly alike at the cut, those with the lower
    // WorkId stay. The choice is each catalog's own, so a statement's part
    // over some of its catalogs chooses as the whole does.
    const bool ranked = !split.ranking.empty();
    const bool rankedFirst = ranked && maxRecords > 0 && split.rest.empty() &&
                             std::all_of(order.begin(), order.end(), [](const OrderKey& key) {
                                 return comesFromTheMatch(key.property);
                             });
    const MatchValuesUsed uses = matchValuesUsed(statement.selectList, order);
    const QString rankingMatch = rankingMatchOf(split);

    // Columns: the selected values (v0...), then the sort keys (o0...) that
    // are not a selected value already; each expression is computed once.
    // Ties keep a stable order: catalog by catalog, then by path (the
    // selected Path when there is one, so that rows carry it once). The
    // names are the same for every catalog.
    QStringList orderColumns;
    QString pathColumn;
    const auto columnsOf = [&](const Expressions& expressions) {
        QStringList columns;
        for (std::size_t i = 0; i < statement.selectList.size(); ++i)
            columns << QStringLiteral("%1 AS v%2")
                           .arg(expressions.value(statement.selectList[i]))
                           .arg(i);
        orderColumns.clear();
        for (std::size_t i = 0; i < order.size(); ++i) {
            const Property p = order[i].property;
            const auto selected =
                std::find(statement.selectList.begin(), statement.selectList.end(), p);
            if (selected != statement.selectList.end() &&
                expressions.sortKey(p) == expressions.value(p)) {
                orderColumns << QStringLiteral("v%1").arg(selected - statement.selectList.begin());
            } else {
                columns << QStringLiteral("%1 AS o%2").arg(expressions.sortKey(p)).arg(i);
                orderColumns << QStringLiteral("o%1").arg(i);
            }
        }
        const auto selectedPath =
            std::find(statement.selectList.begin(), statement.selectList.end(), Property::Path);
        if (selectedPath != statement.selectList.end()) {
            pathColumn = QStringLiteral("v%1").arg(selectedPath - statement.selectList.begin());
        } else {
            pathColumn = QStringLiteral("t_path");
            columns << QStringLiteral("d.path AS t_path");
        }
        return columns;
    };

    QStringList subSelects;
    for (qsizetype s = 0; s < schemas.size(); ++s) {
        const CatalogSource& source = statement.sources[s];
        const Expressions expressions{ranked, rankedFirst && source.folders.empty()};
        SubSelectWriter writer(schemas[s], expressions, plan.parameters);
        QString sql = QStringLiteral("SELECT %1, %2 AS t_catalog ")
                          .arg(columnsOf(expressions).join(QLatin1String(", ")))
                          .arg(s);
        QStringList where;
        if (expressions.rankedBefore) {
            sql += bestMatches(writer, schemas[s], rankingMatch, uses, order, maxRecords);
        } else if (expressions.ranked) {
            sql += QStringLiteral("FROM %1.fulltext AS fulltext JOIN %1.documents AS d "
                                  "ON d.id = fulltext.rowid ")
                       .arg(schemas[s]);
            where << QStringLiteral("fulltext MATCH %1").arg(writer.placeholder(rankingMatch));
        } else {
            sql += QStringLiteral("FROM %1.documents AS d ").arg(schemas[s]);
        }
        // SQLite leaves the join out when no characterization is used.
        sql += QStringLiteral("LEFT JOIN %1.characterizations AS c ON c.id = d.id").arg(schemas[s]);
        if (!source.folders.empty())
            where << writer.scope(source.folders);
        for (const Condition* c : split.rest)
            where << writer.condition(*c);
        if (!where.isEmpty())
            sql += QLatin1String(" WHERE ") + where.join(QLatin1String(" AND "));
        subSelects << sql;
    }

    QStringList outputs;
    for (std::size_t i = 0; i < statement.selectList.size(); ++i)
        outputs << QStringLiteral("v%1").arg(i);
    // The same order that merges the answers of several computers.
    const std::vector<KeyOrder> keyOrder = placeOrder(statement);
    QStringList orderTerms;
    for (std::size_t i = 0; i < order.size(); ++i) {
        orderTerms << orderColumns[qsizetype(i)] +
                          (keyOrder[i].collated
                               ? QStringLiteral(" COLLATE ") + QLatin1String(CollationName)
                               : QString()) +
                          (keyOrder[i].descending ? QStringLiteral(" DESC") : QString());
    }
    orderTerms << QStringLiteral("t_catalog") << pathColumn;
    if (withPlaces) {
        outputs << orderColumns << QStringLiteral("t_catalog") << pathColumn;
        plan.placeColumns = int(orderColumns.size()) + 2;
    }

    plan.sql =
        QStringLiteral("SELECT %1 FROM (%2) ORDER BY %3 LIMIT ?")
            .arg(outputs.join(QLatin1String(", ")), subSelects.join(QLatin1String(" UNION ALL ")),
                 orderTerms.join(QLatin1String(", ")));
    plan.parameters.push_back(std::int64_t(maxRecords > 0 ? maxRecords : -1));
    return plan;
}

std::vector<KeyOrder> placeOrder(const Statement& statement) {
    std::vector<KeyOrder> order;
    for (const OrderKey& key : effectiveOrder(statement))
        order.push_back({key.descending, isTextKind(propertyKind(key.property))});
    order.push_back({false, false}); // the catalog
    order.push_back({false, false}); // the path bytes
    return order;
}

} // namespace tessellon::statement
