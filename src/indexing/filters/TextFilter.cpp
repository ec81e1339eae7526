#include "indexing/filters/TextFilter.h"

#include "common/TextFile.h"
#include "indexing/filters/FilterLimits.h"

namespace tessellon::TextFilter {

namespace {

constexpr qsizetype SniffBytes = 4096;

bool hasBom(const QByteArray& b) {
    return b.startsWith("\xEF\xBB\xBF") || b.startsWith("\xFF\xFE") || b.startsWith("\xFE\xFF");
}

} // namespace

bool looksLikeText(const QByteArray& head) {
    if (hasBom(head) || TextFile::utf16Order(head))
        return true;
    const qsizetype n = std::min<qsizetype>(head.size(), SniffBytes);
    qsizetype control = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const auto c = static_cast<unsigned char>(head[i]);
        if (c == 0)
            return false;
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != 0x1B)
            ++control;
    }
    return control * 20 <= n;
}

FilterResult extract(const QByteArray& bytes) {
    FilterResult r;
    if (!looksLikeText(bytes))
        return r;
    r.state = FilterState::Filtered;
    r.text = TextFile::decode(bytes).left(FilterLimits::MaxTextChars);
    return r;
}

} // namespace tessellon::TextFilter
