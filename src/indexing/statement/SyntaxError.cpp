#include "indexing/statement/SyntaxError.h"

namespace tessellon::statement {

QString describePosition(const QString& statement, qsizetype position) {
    position = qBound(qsizetype(0), position, statement.size());
    if (!statement.contains(QLatin1Char('\n')))
        return QStringLiteral("position %1").arg(position + 1);
    const qsizetype lineStart =
        position == 0 ? 0 : statement.lastIndexOf(QLatin1Char('\n'), position - 1) + 1;
    const qsizetype line = statement.left(position).count(QLatin1Char('\n')) + 1;
    return QStringLiteral("line %1, column %2").arg(line).arg(position - lineStart + 1);
}

ProviderError syntaxError(const QString& statement, qsizetype position, const QString& message) {
    return ProviderError(QStringLiteral("Syntax error at %1: %2")
                             .arg(describePosition(statement, position), message));
}

} // namespace tessellon::statement
