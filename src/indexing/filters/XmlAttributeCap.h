// Qt's XML reader compares each attribute of an element with every other one
// (a repeated name is an error), so one element with 100,000 attributes costs
// it minutes. The XML filter reads no attributes: this drops those of an
// element past the first few, in one pass over the bytes, so that the
// reader's work grows with the document's size only. Every element within
// the cap, and all else, is left byte for byte.
#pragma once

#include <QByteArray>

namespace tessellon::XmlAttributeCap {

// The document with at most maxAttributes attributes per element. UTF-8,
// the 8-bit charsets and UTF-16 (by byte-order mark or by the declaration's
// shape) are read; a document in any other encoding is given back unchanged.
QByteArray apply(const QByteArray& xml, int maxAttributes);

} // namespace tessellon::XmlAttributeCap
