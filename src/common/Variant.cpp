#include "common/Variant.h"

#include <algorithm>

#include <cassert>

namespace tessellon {

Variant Variant::null() {
    return Variant(NullTag{});
}

Variant::Variant(VariantArray array)
    : value_(std::make_shared<const VariantArray>(std::move(array))) {}

bool Variant::isInteger() const {
    switch (kind()) {
    case Kind::Int8:
    case Kind::Int16:
    case Kind::Int32:
    case Kind::Int64:
    case Kind::UInt8:
    case Kind::UInt16:
    case Kind::UInt32:
    case Kind::UInt64:
        return true;
    default:
        return false;
    }
}

bool Variant::isSigned() const {
    switch (kind()) {
    case Kind::Int8:
    case Kind::Int16:
    case Kind::Int32:
    case Kind::Int64:
        return true;
    default:
        return false;
    }
}

std::int64_t Variant::toInt64() const {
    switch (kind()) {
    case Kind::Int8:
        return std::get<std::int8_t>(value_);
    case Kind::Int16:
        return std::get<std::int16_t>(value_);
    case Kind::Int32:
        return std::get<std::int32_t>(value_);
    case Kind::Int64:
        return std::get<std::int64_t>(value_);
    default:
        assert(false && "toInt64 on a non-signed variant");
        return 0;
    }
}

std::uint64_t Variant::toUInt64() const {
    switch (kind()) {
    case Kind::UInt8:
        return std::get<std::uint8_t>(value_);
    case Kind::UInt16:
        return std::get<std::uint16_t>(value_);
    case Kind::UInt32:
        return std::get<std::uint32_t>(value_);
    case Kind::UInt64:
        return std::get<std::uint64_t>(value_);
    default:
        assert(false && "toUInt64 on a non-unsigned variant");
        return 0;
    }
}

double Variant::toDouble() const {
    if (kind() == Kind::Single)
        return std::get<float>(value_);
    return std::get<double>(value_);
}

const QString& Variant::toText() const {
    return std::get<QString>(value_);
}

const QDateTime& Variant::toDateTime() const {
    return std::get<QDateTime>(value_);
}

Variant::Currency Variant::toCurrency() const {
    return std::get<Currency>(value_);
}

bool Variant::toBool() const {
    return std::get<bool>(value_);
}

Variant::ErrorCode Variant::toErrorCode() const {
    return std::get<ErrorCode>(value_);
}

const VariantArray& Variant::toArray() const {
    return *std::get<std::shared_ptr<const VariantArray>>(value_);
}

bool Variant::operator==(const Variant& other) const {
    if (kind() != other.kind())
        return false;
    if (isArray())
        return toArray() == other.toArray();
    return value_ == other.value_;
}

VariantArray::VariantArray(QVector<Bound> bounds) : bounds_(std::move(bounds)) {
    assert(!bounds_.isEmpty());
    // An empty dimension empties the array, however long the others are:
    // their product alone may not even fit.
    const bool empty = std::any_of(bounds_.cbegin(), bounds_.cend(),
                                   [](const Bound& b) { return b.count() <= 0; });
    qsizetype total = empty ? 0 : 1;
    for (qsizetype d = 0; d < bounds_.size() && !empty; ++d)
        total *= bounds_[d].count();
    elements_.resize(total);
}

VariantArray VariantArray::vector(const QVector<Variant>& elements) {
    VariantArray array({Bound{0, int(elements.size()) - 1}});
    array.elements_ = elements;
    return array;
}

qsizetype VariantArray::offset(const QVector<int>& indices) const {
    assert(indices.size() == bounds_.size());
    qsizetype at = 0;
    for (qsizetype d = 0; d < bounds_.size(); ++d) {
        const Bound& b = bounds_[d];
        assert(indices[d] >= b.low && indices[d] <= b.high);
        at = at * b.count() + (indices[d] - b.low);
    }
    return at;
}

const Variant& VariantArray::at(const QVector<int>& indices) const {
    return elements_.at(offset(indices));
}

void VariantArray::set(const QVector<int>& indices, const Variant& value) {
    elements_[offset(indices)] = value;
}

} // namespace tessellon
