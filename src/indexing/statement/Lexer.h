// Splits a statement into tokens. Blanks, tabs and line breaks may stand
// anywhere between tokens. A literal runs from one apostrophe to the next;
// there is no escape for an apostrophe inside it.
#pragma once

#include "indexing/statement/Token.h"

#include <vector>

namespace tessellon::statement {

// The tokens of the statement, ending with one End token. Throws ProviderError
// for a character that begins no token and for a literal without its end.
std::vector<Token> tokenize(const QString& statement);

} // namespace tessellon::statement
