#include "indexing/statement/AsciiGlob.h"

namespace tessellon::statement {

namespace {

int lower(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
}

} // namespace

std::optional<AsciiGlob> AsciiGlob::fromPattern(const QString& pattern, QChar anyRun, QChar anyOne,
                                                const QString& unsupported) {
    AsciiGlob glob;
    for (const QChar c : pattern) {
        if (c.unicode() >= 0x80 || unsupported.contains(c))
            return std::nullopt;
        if (!anyRun.isNull() && c == anyRun)
            glob.items_.push_back(AnyRun);
        else if (!anyOne.isNull() && c == anyOne)
            glob.items_.push_back(AnyOne);
        else
            glob.items_.push_back(lower(static_cast<unsigned char>(c.unicode())));
    }
    return glob;
}

std::optional<bool> AsciiGlob::matches(const char* value, qsizetype size) const {
    const auto* s = reinterpret_cast<const unsigned char*>(value);
    for (qsizetype i = 0; i < size; ++i) {
        if (s[i] >= 0x80)
            return std::nullopt;
    }
    // Classic wildcard matching: on a mismatch, let the last AnyRun swallow
    // one more character and try again from there.
    const qsizetype n = qsizetype(items_.size());
    qsizetype p = 0;
    qsizetype v = 0;
    qsizetype starItem = -1;
    qsizetype starValue = 0;
    while (v < size) {
        if (p < n && items_[p] == AnyRun) {
            starItem = p++;
            starValue = v;
        } else if (p < n && (items_[p] == AnyOne || items_[p] == lower(s[v]))) {
            ++p;
            ++v;
        } else if (starItem >= 0) {
            p = starItem + 1;
            v = ++starValue;
        } else {
            return false;
        }
    }
    while (p < n && items_[p] == AnyRun)
        ++p;
    return p == n;
}

} // namespace tessellon::statement
