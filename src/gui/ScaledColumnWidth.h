// List column widths in pixels were chosen for the 8-point sans font of the
// Windows desktop. A wider desktop font would cut the texts those widths were
// meant to hold ("running", a date, a header), a narrower one leave gaps, so
// each width grows or shrinks with the font's average character width, and
// never leaves the column's caption or its widest cell text cut.
#pragma once

#include "common/ControlModels.h"

class QAbstractItemView;
class QHeaderView;

namespace tessellon {

// The width of `column`, shown as `section` of `list`'s `header`: its
// scaled width, widened to hold its caption and its widest cell text.
int columnWidth(const ListColumn& column, const QAbstractItemView& list, const QHeaderView& header,
                int section);

} // namespace tessellon
