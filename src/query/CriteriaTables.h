// The fixed rows of the advanced dialog's two tick lists and the marker texts
// of the criteria.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace tessellon {

// The folder box text that means "no folder restriction" and the ignore box
// text that means "no ignore patterns"; both are compared exactly.
inline const QString AllFoldersMarker = QStringLiteral("<ALL folders>");
inline const QString IgnoreNothingMarker = QStringLiteral("<ignore nothing>");

struct ColumnRow {
    const char16_t* caption;
    bool tickedAtFirstStart;
};

// The result columns, in their fixed order. The captions are property names
// and go into the statement as they are.
inline constexpr std::array<ColumnRow, 11> ColumnRows{{
    {u"Filename", true},
    {u"Directory", false},
    {u"Size", true},
    {u"Write", true},
    {u"Rank", false},
    {u"DocTitle", false},
    {u"DocSubject", false},
    {u"DocAuthor", false},
    {u"DocKeywords", true},
    {u"DocComments", false},
    {u"Path", true},
}};

struct AttributeRow {
    const char16_t* caption;
    std::uint32_t bit;
};

inline constexpr std::array<AttributeRow, 12> AttributeRows{{
    {u"ReadOnly", 0x1},
    {u"Hidden", 0x2},
    {u"System", 0x4},
    {u"Directory", 0x10},
    {u"Archive", 0x20},
    {u"Device", 0x40},
    {u"Normal", 0x80},
    {u"Sparse File", 0x200},
    {u"Reparse Point", 0x400},
    {u"Compressed", 0x800},
    {u"Offline", 0x1000},
    {u"Encrypted", 0x4000},
}};

// All twelve attribute bits: no attribute filter.
inline constexpr std::uint32_t AllAttributesMask = 0x5EF7;

// The expert text at first start.
inline const QString FirstStartExpertText =
    QStringLiteral("SELECT Path, Filename, Directory, Size, Write FROM \r\n"
                   "SCOPE()  WHERE CONTAINS(Contents, 'document')  \r\n"
                   "ORDER BY Filename ASC ");

inline const QString DefaultResultsLimit = QStringLiteral("2000");

} // namespace tessellon
