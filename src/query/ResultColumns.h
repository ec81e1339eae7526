// The layout of the result list's columns: alignment and width by caption.
#pragma once

#include "common/ControlModels.h"

namespace tessellon {

// A result column for a property name, laid out by its caption: Size and Rank
// right-aligned; Filename 200, Directory 250, Write 100, DocTitle 250 wide;
// every other column left-aligned at the default width.
ListColumn resultColumn(const QString& caption, int tag = 0);

// The row-number column that ends the columns of a composed statement.
ListColumn recordNumberColumn();

} // namespace tessellon
