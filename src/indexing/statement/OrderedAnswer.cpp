#include "indexing/statement/OrderedAnswer.h"

#include "indexing/store/NameCollation.h"

#include <cmath>
#include <cstring>

namespace tessellon::statement {

namespace {

template <typename T> int threeWay(const T& a, const T& b) {
    return a < b ? -1 : b < a ? 1 : 0;
}

// An integer against a real, exactly, as SQLite compares them.
int compareMixed(std::int64_t i, double d) {
    constexpr double TwoTo63 = 9223372036854775808.0;
    if (d < -TwoTo63)
        return 1;
    if (d >= TwoTo63)
        return -1;
    const double whole = std::floor(d);
    if (const int c = threeWay(i, std::int64_t(whole)); c != 0)
        return c;
    return d > whole ? -1 : 0;
}

int compareBytes(const QByteArray& x, const QByteArray& y) {
    const int common =
        std::memcmp(x.constData(), y.constData(), std::size_t(std::min(x.size(), y.size())));
    return common != 0 ? (common < 0 ? -1 : 1) : threeWay(x.size(), y.size());
}

// SQLite's storage classes in its order: NULL, numbers, texts, blobs.
int storageClass(const SortValue& v) {
    switch (v.index()) {
    case 0:
        return 0;
    case 1:
    case 2:
        return 1;
    case 3:
        return 2;
    default:
        return 3;
    }
}

int compareValues(const SortValue& a, const SortValue& b, bool collated) {
    if (const int c = threeWay(storageClass(a), storageClass(b)); c != 0)
        return c;
    switch (storageClass(a)) {
    case 0:
        return 0;
    case 1: {
        const auto* ia = std::get_if<std::int64_t>(&a);
        const auto* ib = std::get_if<std::int64_t>(&b);
        if (ia && ib)
            return threeWay(*ia, *ib);
        if (ia)
            return compareMixed(*ia, std::get<double>(b));
        if (ib)
            return -compareMixed(*ib, std::get<double>(a));
        return threeWay(std::get<double>(a), std::get<double>(b));
    }
    case 2: {
        const QByteArray& x = std::get<SortText>(a).utf8;
        const QByteArray& y = std::get<SortText>(b).utf8;
        if (!collated)
            return compareBytes(x, y);
        const int c =
            NameCollation::compare(x.constData(), int(x.size()), y.constData(), int(y.size()));
        return threeWay(c, 0);
    }
    default:
        return compareBytes(std::get<QByteArray>(a), std::get<QByteArray>(b));
    }
}

} // namespace

int comparePlaces(const RowPlace& a, const RowPlace& b, const std::vector<KeyOrder>& order) {
    for (std::size_t k = 0; k < order.size() && k < a.size() && k < b.size(); ++k) {
        const int c = compareValues(a[k], b[k], order[k].collated);
        if (c != 0)
            return order[k].descending ? -c : c;
    }
    return 0;
}

OrderedAnswer mergeAnswers(std::vector<OrderedAnswer> parts, const std::vector<KeyOrder>& order,
                           int maxRecords) {
    OrderedAnswer merged;
    if (parts.empty())
        return merged;
    merged.names = parts.front().names;
    std::vector<std::size_t> next(parts.size(), 0);
    const auto wanted = [&] {
        return maxRecords <= 0 || merged.rows.size() < std::size_t(maxRecords);
    };
    while (wanted()) {
        // Few parts, one per computer: a scan of their heads beats a heap.
        std::optional<std::size_t> best;
        for (std::size_t p = 0; p < parts.size(); ++p) {
            if (next[p] == parts[p].rows.size())
                continue;
            if (!best || comparePlaces(parts[p].places[next[p]], parts[*best].places[next[*best]],
                                       order) < 0)
                best = p;
        }
        if (!best)
            break;
        OrderedAnswer& from = parts[*best];
        merged.rows.push_back(std::move(from.rows[next[*best]]));
        merged.places.push_back(std::move(from.places[next[*best]]));
        ++next[*best];
    }
    return merged;
}

} // namespace tessellon::statement
