// The columns of the catalog list: the full set with administration, one
// "Catalogname" column without it.
#pragma once

#include "common/ControlModels.h"

namespace tessellon {

QVector<ListColumn> catalogListColumns(bool adminAvailable);

} // namespace tessellon
