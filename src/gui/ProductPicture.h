// The product picture at the top right of the main window: a few tiles of a
// hexagon tessellation under the program's name, drawn at the asked size.
#pragma once

#include <QPixmap>

namespace tessellon {

QPixmap productPicture(const QSize& size);

} // namespace tessellon
