// Variant: the typed value of one result field, with every kind the data-access
// layer hands out (the kinds of an OLE variant): empty, null, integers of each
// width, floating point, text, date-time, currency, boolean, error code, and
// arrays of one or more dimensions with their bounds.
#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>
#include <cstdint>
#include <memory>
#include <variant>

namespace tessellon {

class VariantArray;

class Variant {
public:
    enum class Kind {
        Empty,
        Null,
        Int8,
        Int16,
        Int32,
        Int64,
        UInt8,
        UInt16,
        UInt32,
        UInt64,
        Single,
        Double,
        Text,
        DateTime,
        Currency,
        Boolean,
        ErrorCode,
        Array,
    };

    // Money as a count of ten-thousandths, as the currency kind stores it.
    struct Currency {
        std::int64_t tenThousandths = 0;
        bool operator==(const Currency&) const = default;
    };
    struct ErrorCode {
        std::uint32_t code = 0;
        bool operator==(const ErrorCode&) const = default;
    };

    Variant() = default; // empty
    static Variant null();
    Variant(std::int8_t v) : value_(v) {}
    Variant(std::int16_t v) : value_(v) {}
    Variant(std::int32_t v) : value_(v) {}
    Variant(std::int64_t v) : value_(v) {}
    Variant(std::uint8_t v) : value_(v) {}
    Variant(std::uint16_t v) : value_(v) {}
    Variant(std::uint32_t v) : value_(v) {}
    Variant(std::uint64_t v) : value_(v) {}
    Variant(float v) : value_(v) {}
    Variant(double v) : value_(v) {}
    Variant(const QString& v) : value_(v) {}
    Variant(const char16_t* v) : value_(QString::fromUtf16(v)) {}
    Variant(const char*) = delete; // would silently become a boolean
    Variant(const QDateTime& v) : value_(v) {}
    Variant(Currency v) : value_(v) {}
    Variant(bool v) : value_(v) {}
    Variant(ErrorCode v) : value_(v) {}
    Variant(VariantArray array);

    Kind kind() const { return static_cast<Kind>(value_.index()); }
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isNull() const { return kind() == Kind::Null; }
    bool isArray() const { return kind() == Kind::Array; }
    bool isInteger() const;
    bool isFloat() const { return kind() == Kind::Single || kind() == Kind::Double; }

    // Typed reads; each requires the matching kind (asserted).
    std::int64_t toInt64() const;   // any signed integer kind
    std::uint64_t toUInt64() const; // any unsigned integer kind
    double toDouble() const;        // single or double
    const QString& toText() const;
    const QDateTime& toDateTime() const;
    Currency toCurrency() const;
    bool toBool() const;
    ErrorCode toErrorCode() const;
    const VariantArray& toArray() const;

    bool isSigned() const;

    bool operator==(const Variant& other) const;

private:
    struct NullTag {
        bool operator==(const NullTag&) const = default;
    };
    // The order of the alternatives follows Kind.
    using Storage = std::variant<std::monostate, NullTag, std::int8_t, std::int16_t, std::int32_t,
                                 std::int64_t, std::uint8_t, std::uint16_t, std::uint32_t,
                                 std::uint64_t, float, double, QString, QDateTime, Currency, bool,
                                 ErrorCode, std::shared_ptr<const VariantArray>>;
    explicit Variant(NullTag t) : value_(t) {}
    Storage value_;
};

// An array of variants with one or more dimensions; each dimension has a lower
// and an upper bound (inclusive; upper = lower - 1 for an empty dimension).
// Elements are stored with the last index running fastest.
class VariantArray {
public:
    struct Bound {
        int low = 0;
        int high = -1;
        int count() const { return high - low + 1; }
        bool operator==(const Bound&) const = default;
    };

    explicit VariantArray(QVector<Bound> bounds);
    // A one-dimensional array with bounds 0..n-1.
    static VariantArray vector(const QVector<Variant>& elements);

    int dimensions() const { return int(bounds_.size()); }
    const Bound& bound(int dimension) const { return bounds_.at(dimension); }
    qsizetype elementCount() const { return elements_.size(); }

    const Variant& at(const QVector<int>& indices) const;
    void set(const QVector<int>& indices, const Variant& value);

    bool operator==(const VariantArray&) const = default;

private:
    qsizetype offset(const QVector<int>& indices) const;
    QVector<Bound> bounds_;
    QVector<Variant> elements_;
};

} // namespace tessellon
