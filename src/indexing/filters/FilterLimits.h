// The bounds every filter keeps, so that one huge or hostile file costs a
// bounded amount of memory and time.
#pragma once

#include <QtGlobal>

namespace tessellon::FilterLimits {

// Bytes read from a plain text, HTML, XML or RTF file.
inline constexpr qint64 MaxReadBytes = 8 << 20;
// Characters of text kept per document; the rest is not indexed.
inline constexpr qsizetype MaxTextChars = 2'000'000;
// Bytes unpacked from one member of a zip container (OOXML, ODF).
inline constexpr qint64 MaxZipMemberBytes = 64 << 20;
// The filter helper's budget for one document.
inline constexpr int HelperTimeoutMs = 20'000;
inline constexpr qint64 HelperMemoryBytes = qint64(1) << 30;

} // namespace tessellon::FilterLimits
