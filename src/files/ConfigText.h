// The config text: a whole search (criteria boxes with their histories,
// column ticks, dates, catalog ticks, expert text) as an ordered list of
// lines. It is the search file's content and, as one comma text, the saved
// settings. The format is positional: the line number gives the meaning.
#pragma once

#include "common/ControlModels.h"

#include <QStringList>

namespace tessellon {

class TKorvaneTessellonMain;

// Appends the box's text and then its history as comma text.
void combostore(const ComboBoxModel& box, QStringList& target);
// Sets the box's text, then replaces its history by the comma text's entries.
void LoadComboboxfromCommatext(ComboBoxModel& box, const QString& text, const QString& commatext);

// The lines of the current search.
QStringList generateconfigtext(TKorvaneTessellonMain& main);
// Applies the lines to the windows, in line order. Throws Error naming the
// line at the first line that is missing or cannot be read; what was applied
// before stays applied.
void loadconfigtext(TKorvaneTessellonMain& main, const QStringList& lines);
// The names of the catalogs the lines tick. Throws Error naming the line
// when it is missing.
QStringList configCatalogNames(const QStringList& lines);

} // namespace tessellon
