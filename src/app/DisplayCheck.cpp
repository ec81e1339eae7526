#include "app/DisplayCheck.h"

#include <QStringList>
#include <algorithm>

namespace tessellon {

namespace {

// A platform entry may carry options after a colon ("xcb:dpi=96").
bool needsDisplayServer(const QString& platform) {
    const QString name = platform.section(u':', 0, 0).trimmed();
    return name == u"xcb" || name.startsWith(u"wayland");
}

} // namespace

bool displayAvailable(const QProcessEnvironment& environment) {
    if (!environment.value(QStringLiteral("DISPLAY")).isEmpty() ||
        !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty())
        return true;
    // Qt tries the platforms of the list in turn; without one, it picks X11
    // or Wayland.
    const QStringList platforms =
        environment.value(QStringLiteral("QT_QPA_PLATFORM")).split(u';', Qt::SkipEmptyParts);
    return std::any_of(platforms.begin(), platforms.end(),
                       [](const QString& platform) { return !needsDisplayServer(platform); });
}

QString noDisplayMessage() {
    return QStringLiteral(
        "Tessellon: no display is available for the window (neither DISPLAY nor\n"
        "WAYLAND_DISPLAY is set). With /Q a search runs without a window, for example\n"
        "  tessellon /S./invoices.SQL /F./report.txt /Q\n"
        "(see tessellon --help).\n");
}

} // namespace tessellon
