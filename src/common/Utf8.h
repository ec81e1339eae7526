// UTF-8 validation shared by the text-file reader and the path codec.
#pragma once

#include <QByteArray>

namespace tessellon::Utf8 {

// Length of the valid UTF-8 sequence starting at bytes[i], or 0 when the bytes
// there do not form one (overlong forms, surrogates and values above U+10FFFF
// are invalid).
int validSequenceAt(const QByteArray& bytes, qsizetype i);

} // namespace tessellon::Utf8
