#include "indexing/statement/Fts5Expression.h"

#include <QStringList>

namespace tessellon::statement {

namespace {

QString quoted(const FullTextExpr& term) {
    QString text = term.text;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"') +
           (term.prefix ? QLatin1String(" *") : QLatin1String(""));
}

QString joined(const std::vector<FullTextExpr>& operands, QLatin1String op) {
    QStringList parts;
    for (const FullTextExpr& operand : operands)
        parts << toFts5(operand);
    return QLatin1Char('(') + parts.join(op) + QLatin1Char(')');
}

} // namespace

QString toFts5(const FullTextExpr& expr) {
    switch (expr.kind) {
    case FullTextExpr::Kind::Term:
        return quoted(expr);
    case FullTextExpr::Kind::And:
        return joined(expr.operands, QLatin1String(" AND "));
    case FullTextExpr::Kind::AndNot:
        return joined(expr.operands, QLatin1String(" NOT "));
    case FullTextExpr::Kind::Or:
        return joined(expr.operands, QLatin1String(" OR "));
    case FullTextExpr::Kind::Near: {
        // FTS5's NEAR groups phrases only; around sub-expressions it means AND.
        const bool allTerms =
            std::all_of(expr.operands.begin(), expr.operands.end(),
                        [](const FullTextExpr& e) { return e.kind == FullTextExpr::Kind::Term; });
        if (!allTerms)
            return joined(expr.operands, QLatin1String(" AND "));
        QStringList phrases;
        for (const FullTextExpr& operand : expr.operands)
            phrases << quoted(operand);
        return QStringLiteral("NEAR(%1, %2)").arg(phrases.join(QLatin1Char(' '))).arg(NearDistance);
    }
    }
    return QString();
}

QString restrictToColumns(const QString& fts5, const QStringList& columns) {
    if (columns.isEmpty())
        return fts5;
    return QStringLiteral("{%1} : (%2)").arg(columns.join(QLatin1Char(' ')), fts5);
}

} // namespace tessellon::statement
