// The Help menu's commands that hand an address to the desktop: the manual
// and the home page.
#pragma once

#include "common/Platform.h"

namespace tessellon {

// Where the manual may be, relative to the program's own folder: beside the
// program in the build tree, and in the installed data folder.
QStringList manualFolders(const QString& programFolder);
// Opens the manual's first page with the default browser; throws Error
// naming both places when it is in neither.
void openManual(Platform& platform, const QString& programFolder);

} // namespace tessellon
