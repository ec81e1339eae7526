// The size boxes: what may be typed into them, and how their text (a number
// with an optional decimal suffix K, M or G) becomes a byte count.
#pragma once

#include "common/ControlModels.h"

#include <QChar>
#include <QString>

namespace tessellon {

// The key filter: returns the character to insert (g, k and m turned into
// upper case), or a null QChar when the key is discarded. Control
// characters (codes 1 to 31) always pass.
QChar ComboBox1KeyPress(QChar key);

// The cleanup after each key release: the box keeps a number without leading
// zero, optionally followed by one of K, M, G.
void ComboBox1KeyUp(ComboBoxModel& box);

// The size text with its suffix applied ("10K" gives "10000"); a text without
// a suffix is returned unchanged. Throws ConversionError when the number
// before a suffix is not a 32-bit integer.
QString ParseSizeValue(const QString& text);

} // namespace tessellon
