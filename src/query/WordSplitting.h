// Word splitting, the one splitter for search words, file-name patterns and
// folder lists, and whole-text quoting.
#pragma once

#include "common/ControlModels.h"

#include <QChar>
#include <QString>
#include <QStringList>

namespace tessellon {

// Splits text at single delimiter characters; a piece that starts with the
// quote character runs to its closing quote (a doubled quote inside stands for
// one; an unclosed quote runs to the end). A delimiter that ends the text adds
// one empty entry. Every entry is trimmed of blanks and control characters.
// The original also had a lenient mode, never used, so only the strict one is
// here.
QStringList SplitDelimited(const QString& text, QChar delimiter, QChar quotechar);

// The words of a box's text: SplitDelimited, then empty entries dropped and
// entries holding a blank or the delimiter enclosed in the quote character.
QStringList GetAllWords(const QString& text, QChar delimiter, QChar quotechar);
QStringList GetAllWords(const ComboBoxModel& acombobox, QChar delimiter, QChar quotechar);

// The text in double quotes: one is put in front unless the text begins with
// one, and one appended unless it ends with one. An empty text stays empty.
QString QuoteWhole(const QString& text);

} // namespace tessellon
