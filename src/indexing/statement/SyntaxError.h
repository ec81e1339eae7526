// Syntax errors of the statement dialect. Every part of a statement keeps its
// position, so a message can point the user at the character where reading
// stopped and say what was expected there.
#pragma once

#include "common/Error.h"

#include <QString>

namespace tessellon::statement {

// Thrown by the readers of literal contents (full-text conditions, scopes,
// patterns, dates), which know only offsets inside the literal. The statement
// parser turns it into a ProviderError at the literal's place.
struct LiteralError {
    qsizetype offset = 0; // inside the literal's text
    QString message;
};

// A word or text of the statement as a message quotes it: at most 40
// characters, and "..." when there was more, so that a hostile token of
// many kilobytes does not become a message of as many.
QString excerpt(const QString& text);

// "position 12", or "line 2, column 5" in a statement that spans lines.
QString describePosition(const QString& statement, qsizetype position);

// "Syntax error at position 12: <message> (at "<up to 20 characters of the
// statement from there>")": the user may never have seen the statement, so
// the message quotes the words that broke it.
ProviderError syntaxError(const QString& statement, qsizetype position, const QString& message);

} // namespace tessellon::statement
