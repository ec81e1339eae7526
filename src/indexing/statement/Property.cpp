#include "indexing/statement/Property.h"

#include <array>

namespace tessellon::statement {

namespace {

struct PropertyInfo {
    Property property;
    const char* name;
    PropertyKind kind;
    const char* column; // SQL expression
    const char* fulltextColumn;
};

// In the order of the enumeration.
constexpr std::array<PropertyInfo, 17> Properties = {{
    {Property::Path, "Path", PropertyKind::PathText, "d.path", nullptr},
    {Property::Directory, "Directory", PropertyKind::PathText, "d.directory", nullptr},
    {Property::Filename, "Filename", PropertyKind::Text, "d.filename", "filename"},
    {Property::Size, "Size", PropertyKind::Integer, "d.size", nullptr},
    {Property::Write, "Write", PropertyKind::Date, "d.write_ms", nullptr},
    {Property::Create, "Create", PropertyKind::Date, "d.create_ms", nullptr},
    {Property::Access, "Access", PropertyKind::Date, "d.access_ms", nullptr},
    {Property::Attrib, "Attrib", PropertyKind::Integer, "d.attrib", nullptr},
    {Property::Rank, "Rank", PropertyKind::Integer, "", nullptr},
    {Property::DocTitle, "DocTitle", PropertyKind::Text, "d.title", "title"},
    {Property::DocSubject, "DocSubject", PropertyKind::Text, "d.subject", "subject"},
    {Property::DocAuthor, "DocAuthor", PropertyKind::Text, "d.author", "author"},
    {Property::DocComments, "DocComments", PropertyKind::Text, "d.comments", "comments"},
    {Property::DocKeywords, "DocKeywords", PropertyKind::TextList, "d.keywords", "keywords"},
    {Property::HitCount, "HitCount", PropertyKind::Integer, "", nullptr},
    {Property::WorkId, "WorkId", PropertyKind::Integer, "d.id", nullptr},
    {Property::Characterization, "Characterization", PropertyKind::Text, "ifnull(c.text, '')",
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

const char* storeColumn(Property property) {
    return info(property).column;
}

const char* fulltextColumn(Property property) {
    return info(property).fulltextColumn;
}

} // namespace tessellon::statement
