#include "indexing/statement/OrderedAnswer.h"

#include "indexing/store/NameCollation.h"

namespace tessellon::statement {

namespace {

// SQLite's order of storage classes: NULL, numbers, then texts and blobs.
int storageClass(const SortValue& v) {
    return v.index() == 0 ? 0 : v.index() == 3 ? 2 : 1;
}

double asReal(const SortValue& v) {
    if (const auto* i = std::get_if<std::int64_t>(&v))
        return double(*i);
    return std::get<double>(v);
}

int compareValues(const SortValue& a, const SortValue& b, bool collated) {
    const int classA = storageClass(a);
    const int classB = storageClass(b);
    if (classA != classB)
        return classA < classB ? -1 : 1;
    if (classA == 0)
        return 0;
    if (classA == 1) {
        if (a.index() == 1 && b.index() == 1) {
            const std::int64_t x = std::get<std::int64_t>(a);
            const std::int64_t y = std::get<std::int64_t>(b);
            return x < y ? -1 : x > y ? 1 : 0;
        }
        const double x = asReal(a);
        const double y = asReal(b);
        return x < y ? -1 : x > y ? 1 : 0;
    }
    const QByteArray& x = std::get<QByteArray>(a);
    const QByteArray& y = std::get<QByteArray>(b);
    if (collated)
        return NameCollation::compare(x.constData(), int(x.size()), y.constData(), int(y.size()));
    const int common =
        std::memcmp(x.constData(), y.constData(), std::size_t(std::min(x.size(), y.size())));
    if (common != 0)
        return common;
    return x.size() < y.size() ? -1 : x.size() > y.size() ? 1 : 0;
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
