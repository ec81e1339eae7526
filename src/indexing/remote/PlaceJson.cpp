#include "indexing/remote/PlaceJson.h"

#include "common/Error.h"

#include <cmath>

namespace tessellon {

using statement::RowPlace;
using statement::SortValue;

QJsonArray encodePlace(const RowPlace& place) {
    QJsonArray json;
    for (const SortValue& value : place) {
        std::visit(
            [&json](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, std::int64_t>)
                    json.append(QJsonArray{QStringLiteral("i"), QString::number(v)});
                else if constexpr (std::is_same_v<T, double>)
                    json.append(QJsonArray{QStringLiteral("r"), QString::number(v, 'g', 17)});
                else if constexpr (std::is_same_v<T, statement::SortText>)
                    json.append(
                        QJsonArray{QStringLiteral("t"), QString::fromLatin1(v.utf8.toBase64())});
                else if constexpr (std::is_same_v<T, QByteArray>)
                    json.append(QJsonArray{QStringLiteral("b"), QString::fromLatin1(v.toBase64())});
                else
                    json.append(QJsonValue::Null);
            },
            value);
    }
    return json;
}

RowPlace decodePlace(const QJsonArray& json) {
    RowPlace place;
    for (const QJsonValue& entry : json) {
        if (entry.isNull()) {
            place.emplace_back();
            continue;
        }
        const QString kind = entry[0].toString();
        const QString text = entry[1].toString();
        bool ok = entry.isArray() && entry.toArray().size() == 2;
        if (ok && kind == u"i") {
            place.emplace_back(text.toLongLong(&ok));
        } else if (ok && kind == u"r") {
            const double real = text.toDouble(&ok);
            ok = ok && std::isfinite(real); // SQLite holds no NaN and no infinity
            place.emplace_back(real);
        } else if (ok && (kind == u"t" || kind == u"b")) {
            const auto bytes = QByteArray::fromBase64Encoding(
                text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
            ok = bool(bytes);
            if (kind == u"t")
                place.emplace_back(statement::SortText{*bytes});
            else
                place.emplace_back(*bytes);
        } else {
            ok = false;
        }
        if (!ok)
            throw ProviderError(QStringLiteral("The host sent a sort value that cannot be read"));
    }
    return place;
}

} // namespace tessellon
