// The properties (columns) a statement can select, compare and sort by: their
// names, value kinds and where the index store keeps them.
#pragma once

#include <QString>
#include <optional>

namespace tessellon::statement {

enum class Property {
    Path,
    Directory,
    Filename,
    Size,
    Write,
    Create,
    Access,
    Attrib,
    Rank,
    DocTitle,
    DocSubject,
    DocAuthor,
    DocComments,
    DocKeywords,
    HitCount,
    WorkId,
    Characterization,
};

enum class PropertyKind {
    Text,     // stored as text
    PathText, // stored as the raw bytes of a file name
    Integer,
    Date,     // stored as milliseconds since the epoch, UTC
    TextList, // stored as texts joined by line feeds
};

// The property of that name, letter case ignored.
std::optional<Property> findProperty(const QString& name);
// The name as the dialect spells it ("DocTitle").
QString propertyName(Property property);
PropertyKind propertyKind(Property property);
// The SQL expression of the store that holds it, over `documents` as d and
// `characterizations` as c; empty for Rank and HitCount, which come from the
// full-text match.
const char* storeColumn(Property property);
// The column of `fulltext` that indexes it, or null when it has none.
const char* fulltextColumn(Property property);

inline bool isTextKind(PropertyKind kind) {
    return kind == PropertyKind::Text || kind == PropertyKind::PathText ||
           kind == PropertyKind::TextList;
}

} // namespace tessellon::statement
