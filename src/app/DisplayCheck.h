// Whether the program can open a window. Qt's X11 and Wayland platforms abort
// the process when they find no display server, so the program looks before
// it builds its window and says instead how to search without one.
#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace tessellon {

// True when DISPLAY or WAYLAND_DISPLAY is set, or when QT_QPA_PLATFORM names
// a platform that needs no display server (offscreen, minimal, eglfs, ...).
bool displayAvailable(const QProcessEnvironment& environment);

// What to print when a window is wanted and no display is available.
QString noDisplayMessage();

} // namespace tessellon
