// Turns a full-text tree into an FTS5 MATCH expression. Every word and phrase
// is written as an FTS5 string, so characters that mean something to FTS5
// (quotes, asterisks, colons, parentheses, NEAR, column names) in user text
// are only ever text to match.
#pragma once

#include "indexing/statement/FullTextQuery.h"

#include <QString>

namespace tessellon::statement {

// How far apart (in words) the operands of NEAR may stand.
inline constexpr int NearDistance = 50;

QString toFts5(const FullTextExpr& expr);

// The expression restricted to some columns of `fulltext`: "{title} : (...)".
// An empty column list means every column.
QString restrictToColumns(const QString& fts5, const QStringList& columns);

} // namespace tessellon::statement
