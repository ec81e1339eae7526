// The recent-entries lists of the editable boxes: at most 20 entries, most
// recent first, looked up without regard to letter case.
#pragma once

#include "common/ControlModels.h"

namespace tessellon {

inline constexpr int MaxRecentEntries = 20;

// Records the box's current text at the front of its list. A text already in
// the list (in any letter case) moves to the front and the box takes the
// stored form; an empty text changes nothing.
void AddTexttoCombobox(ComboBoxModel& acombobox);

// The target takes the source's text and entry list.
void copyTextAndEntries(const ComboBoxModel& source, ComboBoxModel& target);

} // namespace tessellon
