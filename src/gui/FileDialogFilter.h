// File dialog filters: the program states them as "Label|pattern|Label|pattern"
// (patterns separated by ";"); Qt's dialogs want "Label (pattern pattern)".
#pragma once

#include <QStringList>

namespace tessellon {

// One Qt name filter per label and pattern pair; a label that already ends
// in its patterns in brackets does not get them twice. Patterns match file names in
// either letter case ("*.tsn" finds "A.TSN", as on the system the files come
// from), and "*.*" means every file, also one without an extension.
QStringList qtNameFilters(const QString& filter);

} // namespace tessellon
