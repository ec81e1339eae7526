#include "indexing/remote/VariantJson.h"

#include "common/Error.h"

#include <QJsonArray>
#include <QTimeZone>
#include <limits>

namespace tessellon {

namespace {

using Kind = Variant::Kind;

[[noreturn]] void malformed() {
    throw ProviderError(QStringLiteral("The host sent a value that cannot be read"));
}

QJsonValue encodeDateTime(const QDateTime& t) {
    if (!t.isValid())
        return QJsonArray{int(Kind::DateTime)};
    // 0: local time, 1: UTC, 2: a fixed offset from UTC.
    const int zone = t.timeSpec() == Qt::UTC ? 1 : t.timeSpec() == Qt::OffsetFromUTC ? 2 : 0;
    return QJsonArray{int(Kind::DateTime), QString::number(t.toMSecsSinceEpoch()), zone,
                      t.offsetFromUtc()};
}

QDateTime decodeDateTime(const QJsonArray& a) {
    if (a.size() == 1)
        return QDateTime();
    bool ok = false;
    const qint64 ms = a.at(1).toString().toLongLong(&ok);
    if (!ok || a.size() != 4)
        malformed();
    switch (a.at(2).toInt()) {
    case 1:
        return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
    case 2:
        return QDateTime::fromMSecsSinceEpoch(ms, Qt::OffsetFromUTC, a.at(3).toInt());
    default:
        return QDateTime::fromMSecsSinceEpoch(ms, Qt::LocalTime);
    }
}

// The index of the next element in row-major order (the last index runs
// fastest). An index never steps past its bound, which may be INT_MAX.
void stepIndex(QVector<int>& index, const QVector<VariantArray::Bound>& bounds) {
    for (qsizetype d = bounds.size() - 1; d >= 0; --d) {
        if (index[d] < bounds[d].high) {
            ++index[d];
            return;
        }
        index[d] = bounds[d].low;
    }
}

template <typename T> T integer(const QJsonValue& v, T low, T high) {
    const double d = v.toDouble(double(low) - 1);
    if (d < double(low) || d > double(high) || d != double(T(d)))
        malformed();
    return T(d);
}

} // namespace

QJsonValue encodeVariant(const Variant& value) {
    const int kind = int(value.kind());
    switch (value.kind()) {
    case Kind::Empty:
    case Kind::Null:
        return QJsonArray{kind};
    case Kind::Int8:
    case Kind::Int16:
    case Kind::Int32:
        return QJsonArray{kind, double(value.toInt64())};
    case Kind::UInt8:
    case Kind::UInt16:
    case Kind::UInt32:
        return QJsonArray{kind, double(value.toUInt64())};
    case Kind::Int64:
        return QJsonArray{kind, QString::number(value.toInt64())};
    case Kind::UInt64:
        return QJsonArray{kind, QString::number(value.toUInt64())};
    case Kind::Single:
        return QJsonArray{kind, QString::number(value.toDouble(), 'g', 9)};
    case Kind::Double:
        return QJsonArray{kind, QString::number(value.toDouble(), 'g', 17)};
    case Kind::Text:
        return QJsonArray{kind, value.toText()};
    case Kind::DateTime:
        return encodeDateTime(value.toDateTime());
    case Kind::Currency:
        return QJsonArray{kind, QString::number(value.toCurrency().tenThousandths)};
    case Kind::Boolean:
        return QJsonArray{kind, value.toBool()};
    case Kind::ErrorCode:
        return QJsonArray{kind, double(value.toErrorCode().code)};
    case Kind::Array: {
        const VariantArray& array = value.toArray();
        QVector<VariantArray::Bound> bounds;
        QJsonArray boundsJson;
        QVector<int> index;
        for (int d = 0; d < array.dimensions(); ++d) {
            bounds << array.bound(d);
            boundsJson.append(QJsonArray{array.bound(d).low, array.bound(d).high});
            index << array.bound(d).low;
        }
        QJsonArray elements;
        for (qsizetype n = 0; n < array.elementCount(); ++n) {
            elements.append(encodeVariant(array.at(index)));
            stepIndex(index, bounds);
        }
        return QJsonArray{kind, boundsJson, elements};
    }
    }
    malformed();
}

Variant decodeVariant(const QJsonValue& json) {
    const QJsonArray a = json.toArray();
    if (a.isEmpty())
        malformed();
    const QJsonValue p = a.size() > 1 ? a.at(1) : QJsonValue();
    bool ok = true;
    const int kind = a.at(0).toInt(-1);
    if (kind < 0 || kind > int(Kind::Array))
        malformed();
    switch (Kind(kind)) {
    case Kind::Empty:
        return Variant();
    case Kind::Null:
        return Variant::null();
    case Kind::Int8:
        return Variant(integer<std::int8_t>(p, INT8_MIN, INT8_MAX));
    case Kind::Int16:
        return Variant(integer<std::int16_t>(p, INT16_MIN, INT16_MAX));
    case Kind::Int32:
        return Variant(integer<std::int32_t>(p, INT32_MIN, INT32_MAX));
    case Kind::UInt8:
        return Variant(integer<std::uint8_t>(p, 0, UINT8_MAX));
    case Kind::UInt16:
        return Variant(integer<std::uint16_t>(p, 0, UINT16_MAX));
    case Kind::UInt32:
        return Variant(integer<std::uint32_t>(p, 0, UINT32_MAX));
    case Kind::Int64: {
        const qint64 v = p.toString().toLongLong(&ok);
        if (!ok)
            malformed();
        return Variant(std::int64_t(v));
    }
    case Kind::UInt64: {
        const quint64 v = p.toString().toULongLong(&ok);
        if (!ok)
            malformed();
        return Variant(std::uint64_t(v));
    }
    case Kind::Single: {
        const float v = p.toString().toFloat(&ok);
        if (!ok)
            malformed();
        return Variant(v);
    }
    case Kind::Double: {
        const double v = p.toString().toDouble(&ok);
        if (!ok)
            malformed();
        return Variant(v);
    }
    case Kind::Text:
        if (!p.isString())
            malformed();
        return Variant(p.toString());
    case Kind::DateTime:
        return Variant(decodeDateTime(a));
    case Kind::Currency: {
        const qint64 v = p.toString().toLongLong(&ok);
        if (!ok)
            malformed();
        return Variant(Variant::Currency{v});
    }
    case Kind::Boolean:
        if (!p.isBool())
            malformed();
        return Variant(p.toBool());
    case Kind::ErrorCode:
        return Variant(Variant::ErrorCode{integer<std::uint32_t>(p, 0, UINT32_MAX)});
    case Kind::Array: {
        // Counted in 64 bits and capped above any element list, so that no
        // bounds can overflow the count or make the array reserve more than
        // the elements that came; a dimension longer than an int can count
        // is no array at all.
        constexpr qint64 Beyond = qint64(1) << 32;
        QVector<VariantArray::Bound> bounds;
        QVector<int> index;
        qint64 count = 1;
        for (const QJsonValue& b : p.toArray()) {
            const VariantArray::Bound bound{b.toArray().at(0).toInt(), b.toArray().at(1).toInt()};
            const qint64 length = qint64(bound.high) - bound.low + 1;
            if (length < 0 || length > std::numeric_limits<int>::max())
                malformed();
            bounds << bound;
            index << bound.low;
            count = std::min(count * length, Beyond);
        }
        const QJsonArray elements = a.size() > 2 ? a.at(2).toArray() : QJsonArray();
        if (bounds.isEmpty() || elements.size() != count)
            malformed();
        VariantArray array(bounds);
        for (const QJsonValue& element : elements) {
            array.set(index, decodeVariant(element));
            stepIndex(index, bounds);
        }
        return Variant(std::move(array));
    }
    }
    malformed(); // an unknown kind
}

} // namespace tessellon
