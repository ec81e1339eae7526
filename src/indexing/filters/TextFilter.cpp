#include "indexing/filters/TextFilter.h"

#include "common/TextFile.h"
#include "indexing/filters/FilterLimits.h"

#include <QStringDecoder>

namespace tessellon::TextFilter {

namespace {

constexpr qsizetype SniffBytes = 4096;

// UTF-16 without a byte-order mark: mostly ASCII text leaves a zero byte in
// every other position. Returns the byte order, or none.
std::optional<QStringConverter::Encoding> utf16Shape(const QByteArray& head) {
    const qsizetype n = std::min<qsizetype>(head.size(), SniffBytes) & ~qsizetype(1);
    if (n < 4)
        return std::nullopt;
    qsizetype evenZeros = 0, oddZeros = 0;
    for (qsizetype i = 0; i < n; i += 2) {
        evenZeros += head[i] == 0;
        oddZeros += head[i + 1] == 0;
    }
    const qsizetype pairs = n / 2;
    if (oddZeros * 10 >= pairs * 7 && evenZeros * 10 < pairs)
        return QStringConverter::Utf16LE;
    if (evenZeros * 10 >= pairs * 7 && oddZeros * 10 < pairs)
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

bool hasBom(const QByteArray& b) {
    return b.startsWith("\xEF\xBB\xBF") || b.startsWith("\xFF\xFE") || b.startsWith("\xFE\xFF");
}

} // namespace

bool looksLikeText(const QByteArray& head) {
    if (hasBom(head) || utf16Shape(head))
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

QString decode(const QByteArray& bytes) {
    if (!hasBom(bytes)) {
        if (const auto encoding = utf16Shape(bytes)) {
            QStringDecoder decoder(*encoding);
            return decoder.decode(bytes);
        }
    }
    return TextFile::decode(bytes);
}

FilterResult extract(const QByteArray& bytes) {
    FilterResult r;
    if (!looksLikeText(bytes))
        return r;
    r.state = FilterState::Filtered;
    r.text = decode(bytes).left(FilterLimits::MaxTextChars);
    return r;
}

} // namespace tessellon::TextFilter
