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
// Elements (XML) or groups (RTF) open at once that a filter keeps: each
// costs memory, and real documents stay far below this. The XML filter stops
// reading there; the RTF filter reads deeper groups as the deepest it keeps.
inline constexpr int MaxNestingDepth = 1000;
// Attributes kept per XML element (the XML filter reads none of them).
inline constexpr int MaxXmlAttributes = 64;
// The budget of one document, in the filter helper and in-process alike: a
// document that takes longer is counted failed. The helper runs under this
// memory limit; an in-process filter stays far inside it by the bounds above
// (input, text, nesting, attributes), which keep its memory under ten times
// MaxReadBytes.
inline constexpr int DocumentTimeoutMs = 20'000;
inline constexpr qint64 DocumentMemoryBytes = qint64(1) << 30;

} // namespace tessellon::FilterLimits
