// Splits a statement into tokens. Blanks, tabs and line breaks may stand
// anywhere between tokens. A literal runs from one apostrophe to the next; a
// doubled apostrophe inside it stands for one apostrophe ('don''t').
#pragma once

#include "indexing/statement/Token.h"

#include <vector>

namespace tessellon::statement {

// The tokens of the statement, ending with one End token. Where the text
// begins no token (an unknown character, a literal without its end, a bad
// number) the list ends with an Invalid token instead, so that the parser
// reports the first error in reading order: a stray apostrophe is reported
// where it breaks the statement, not where the runaway literal ends.
std::vector<Token> tokenize(const QString& statement);

// Where in the statement the character at `offset` of a literal's text
// stands: each apostrophe of the text is doubled in the statement.
qsizetype literalPosition(const QString& statement, const Token& literal, qsizetype offset);

} // namespace tessellon::statement
