// The two 16 x 16 sort pictures of the result list's header: an upward
// triangle for ascending and a downward one for descending order.
#pragma once

#include <QIcon>

namespace tessellon {

QIcon sortArrow(bool descending);

} // namespace tessellon
