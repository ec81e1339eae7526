// Query files: the expert text as plain text lines (extension SQL).
#pragma once

#include <QString>

namespace tessellon {

class TKorvaneTessellonAdvancedSQL;

// Replaces the expert text by the file's lines and switches expert mode on.
// Throws FileError (expert text and tick untouched) when the file cannot be
// read.
void loadQueryFile(TKorvaneTessellonAdvancedSQL& dialog, const QString& path);
// Writes the expert text, one line per line; the mode is left as it is.
void saveQueryFile(const TKorvaneTessellonAdvancedSQL& dialog, const QString& path);

} // namespace tessellon
