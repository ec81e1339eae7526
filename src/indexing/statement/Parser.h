// Reads a statement of the indexing dialect into its syntax tree. Keywords
// and property names may be written in any letter case. Every error names
// the position where reading stopped and what was expected there.
#pragma once

#include "indexing/statement/Statement.h"

namespace tessellon::statement {

// Throws ProviderError.
Statement parseStatement(const QString& text);

} // namespace tessellon::statement
