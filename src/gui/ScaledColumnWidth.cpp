#include "gui/ScaledColumnWidth.h"

#include <QFontMetricsF>
#include <cmath>

namespace tessellon {

int scaledColumnWidth(int width, const QFont& font) {
    const double ratio = QFontMetricsF(font).averageCharWidth() / OriginalAverageCharWidth;
    return int(std::lround(width * ratio));
}

} // namespace tessellon
