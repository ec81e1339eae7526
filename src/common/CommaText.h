// Comma text: a list of texts written as one line. Used for the recent-entries
// lists, the catalog selection, the expert select list, the saved settings and
// the search file. The rules are those of the original program's string lists,
// which files written by it rely on.
#pragma once

#include <QString>
#include <QStringList>

namespace tessellon::CommaText {

// Joins the entries by ","; an entry holding a character with a code of 32 or
// less, a comma or a double quote is quoted (inner quotes doubled). No entries
// give the empty text; exactly one empty entry gives two double quotes.
QString write(const QStringList& entries);

// Splits a comma text. Leading blanks and control characters are skipped;
// commas and runs of blanks or control characters outside quotes separate
// entries; a quoted entry runs to its closing quote (a doubled quote stands for
// one) and may hold line breaks; a comma at the very end adds an empty entry.
QStringList read(const QString& text);

} // namespace tessellon::CommaText
