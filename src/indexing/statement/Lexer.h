// Splits a statement into tokens. Blanks, tabs and line breaks may stand
// anywhere between tokens. A literal runs from one apostrophe to the next;
// there is no escape for an apostrophe inside it.
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

} // namespace tessellon::statement
