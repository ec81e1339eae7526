#include "indexing/statement/Property.h"

#include <array>

namespace tessellon::statement {

namespace {

struct PropertyInfo {
    Property property;
    const char* name;
    PropertyKind kind;
    const char* column;
    const char* fulltextColumn;
};

// In the order of the enumeration.
constexpr std::array<PropertyInfo, 17> Properties = {{
    {Property::Path, "Path", PropertyKind::PathText, "path", nullptr},
    {Property::Directory, "Directory", PropertyKind::PathText, "directory", nullptr},
    {Property::Filename, "Filename", PropertyKind::Text, "filename", "filename"},
    {Property::Size, "Size", PropertyKind::Integer, "size", nullptr},
    {Property::Write, "Write", PropertyKind::Date, "write_ms", nullptr},
    {Property::Create, "Create", PropertyKind::Date, "create_ms", nullptr},
    {Property::Access, "Access", PropertyKind::Date, "access_ms", nullptr},
    {Property::Attrib, "Attrib", PropertyKind::Integer, "attrib", nullptr},
    {Property::Rank, "Rank", PropertyKind::Integer, "", nullptr},
    {Property::DocTitle, "DocTitle", PropertyKind::Text, "title", "title"},
    {Property::DocSubject, "DocSubject", PropertyKind::Text, "subject", "subject"},
    {Property::DocAuthor, "DocAuthor", PropertyKind::Text, "author", "author"},
    {Property::DocComments, "DocComments", PropertyKind::Text, "comments", "comments"},
    {Property::DocKeywords, "DocKeywords", PropertyKind::TextList, "keywords", "keywords"},
    {Property::HitCount, "HitCount", PropertyKind::Integer, "", nullptr},
    {Property::WorkId, "WorkId", PropertyKind::Integer, "id", nullptr},
    {Property::Characterization, "Characterization", PropertyKind::Text, "characterization",
     nullptr},
}};

const PropertyInfo& info(Property property) {
    return Properties[static_cast<std::size_t>(property)];
}

} // namespace

std::optional<Property> findProperty(const QString& name) {
    for (const PropertyInfo& p : Properties) {
        if (name.compare(QLatin1String(p.name), Qt::CaseInsensitive) == 0)
            return p.property;
    }
    return std::nullopt;
}

QString propertyName(Property property) {
    return QLatin1String(info(property).name);
}

PropertyKind propertyKind(Property property) {
    return info(property).kind;
}

const char* documentColumn(Property property) {
    return info(property).column;
}

const char* fulltextColumn(Property property) {
    return info(property).fulltextColumn;
}

} // namespace tessellon::statement
