#include "indexing/statement/ResultValue.h"

#include "common/PathCodec.h"
#include "indexing/store/SqliteStatement.h"

#include <QDateTime>
#include <cmath>

namespace tessellon::statement {

int rankOfScore(const std::optional<double>& score) {
    if (!score)
        return 1000;
    const double s = std::max(0.0, *score);
    return int(std::lround(1000.0 * s / (s + 1.0)));
}

Variant resultValue(Property property, const SqliteStatement& row, int column) {
    switch (property) {
    case Property::Rank:
        return std::int32_t(
            rankOfScore(row.isNull(column) ? std::nullopt : std::optional(row.real(column))));
    case Property::HitCount:
        return std::int32_t(row.integer(column));
    case Property::Attrib:
        return std::uint32_t(row.integer(column));
    default:
        break;
    }
    switch (propertyKind(property)) {
    case PropertyKind::PathText:
        return PathCodec::fromBytes(row.blob(column));
    case PropertyKind::Text:
        return row.text(column);
    case PropertyKind::Integer:
        return std::int64_t(row.integer(column));
    case PropertyKind::Date:
        return QDateTime::fromMSecsSinceEpoch(row.integer(column), Qt::UTC);
    case PropertyKind::TextList: {
        QVector<Variant> entries;
        for (const QString& entry : row.text(column).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            entries.push_back(entry);
        return VariantArray::vector(entries);
    }
    }
    return Variant();
}

} // namespace tessellon::statement
