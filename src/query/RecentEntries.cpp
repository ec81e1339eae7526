#include "query/RecentEntries.h"

#include "common/StringLists.h"

namespace tessellon {

void AddTexttoCombobox(ComboBoxModel& acombobox) {
    if (acombobox.text.isEmpty())
        return;
    QStringList& items = acombobox.items;
    const qsizetype found = indexOfIgnoringCase(items, acombobox.text);
    if (found < 0) {
        items.prepend(acombobox.text);
    } else {
        items.move(found, 0);
        acombobox.text = items.front();
    }
    if (items.size() > MaxRecentEntries)
        items.removeLast();
}

void copyTextAndEntries(const ComboBoxModel& source, ComboBoxModel& target) {
    target.text = source.text;
    target.items = source.items;
}

} // namespace tessellon
