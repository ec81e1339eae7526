// Which filter reads a file, chosen by the file name's extension. Files of
// unknown extensions are sniffed for text; known binary formats are indexed by
// their properties only. PDF and the office formats run in the filter helper
// process, where a crash or a hang costs only that document.
#pragma once

#include <QString>

namespace tessellon {

enum class FilterKind { None, Sniff, Text, Html, Xml, Rtf, Pdf, Ooxml, Odf, FlatOdf };

namespace FilterKinds {

FilterKind forName(const QString& filename);
bool runsInHelper(FilterKind kind);
QString name(FilterKind kind);
FilterKind fromName(const QString& name);

} // namespace FilterKinds

} // namespace tessellon
