// File names on Linux are bytes, not text. The index keeps the raw bytes of
// every path; the program shows and passes paths as text. This codec maps
// between the two without loss: valid UTF-8 decodes as usual, every byte that
// is not part of a valid sequence becomes the lone surrogate U+DC00 + byte
// (as Python's "surrogateescape" does), and encoding reverses it exactly.
#pragma once

#include <QByteArray>
#include <QString>

namespace tessellon::PathCodec {

QString fromBytes(const QByteArray& bytes);
QByteArray toBytes(const QString& path);

// The text for display and matching: escaped bytes shown as U+FFFD.
QString displayText(const QString& path);

} // namespace tessellon::PathCodec
