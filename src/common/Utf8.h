// UTF-8 validation shared by the text-file reader and the path codec.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace tessellon::Utf8 {

// Length of the valid UTF-8 sequence starting at bytes[i], or 0 when the bytes
// there do not form one (overlong forms, surrogates and values above U+10FFFF
// are invalid).
int validSequenceAt(const QByteArray& bytes, qsizetype i);

// Decodes valid UTF-8 as usual and hands every byte that is not part of a
// valid sequence to `invalidByte`, which appends its stand-in to the text.
QString decode(const QByteArray& bytes,
               const std::function<void(QString&, unsigned char)>& invalidByte);

} // namespace tessellon::Utf8
