#include "indexing/statement/SyntaxError.h"

namespace tessellon::statement {

QString excerpt(const QString& text) {
    constexpr qsizetype MostQuoted = 40;
    return text.size() <= MostQuoted ? text : text.left(MostQuoted) + QStringLiteral("...");
}

QString describePosition(const QString& statement, qsizetype position) {
    position = qBound(qsizetype(0), position, statement.size());
    if (!statement.contains(QLatin1Char('\n')))
        return QStringLiteral("position %1").arg(position + 1);
    const qsizetype lineStart =
        position == 0 ? 0 : statement.lastIndexOf(QLatin1Char('\n'), position - 1) + 1;
    const qsizetype line = statement.left(position).count(QLatin1Char('\n')) + 1;
    return QStringLiteral("line %1, column %2").arg(line).arg(position - lineStart + 1);
}

namespace {

constexpr qsizetype QuotedLength = 20;

// The statement from the position on, on one line; empty at its end.
QString quoteFrom(const QString& statement, qsizetype position) {
    QString excerpt = statement.mid(position, QuotedLength);
    for (QChar& c : excerpt) {
        if (c.isSpace())
            c = QLatin1Char(' ');
    }
    if (excerpt.isEmpty())
        return QString();
    const bool more = position + QuotedLength < statement.size();
    return QStringLiteral(" (at \"%1%2\")").arg(excerpt, more ? QStringLiteral("...") : QString());
}

} // namespace

ProviderError syntaxError(const QString& statement, qsizetype position, const QString& message) {
    position = qBound(qsizetype(0), position, statement.size());
    return ProviderError(
        QStringLiteral("Syntax error at %1: %2%3")
            .arg(describePosition(statement, position), message, quoteFrom(statement, position)));
}

} // namespace tessellon::statement
