#include "indexing/filters/XmlAttributeCap.h"

#include <string_view>

namespace tessellon::XmlAttributeCap {

namespace {

// The document's code units: bytes for UTF-8 and the 8-bit charsets, pairs
// of bytes for UTF-16. The markup characters are ASCII in all of them.
class Units {
public:
    explicit Units(const QByteArray& bytes) : bytes_(bytes) {
        if (startsWith({"\xFF\xFE\0\0", 4}) || startsWith({"\0\0\xFE\xFF", 4}))
            width_ = 0; // UTF-32
        else if (startsWith("\xFF\xFE") || startsWith({"<\0?\0", 4}))
            width_ = 2;
        else if (startsWith("\xFE\xFF") || startsWith({"\0<\0?", 4})) {
            width_ = 2;
            bigEndian_ = true;
        }
    }
    qsizetype size() const { return width_ == 0 ? 0 : bytes_.size() / width_; }
    qsizetype byteOffset(qsizetype i) const { return i * width_; }
    char16_t operator[](qsizetype i) const {
        if (width_ == 1)
            return static_cast<unsigned char>(bytes_[i]);
        const auto first = static_cast<unsigned char>(bytes_[2 * i]);
        const auto second = static_cast<unsigned char>(bytes_[2 * i + 1]);
        return bigEndian_ ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
    }
    bool matches(qsizetype i, std::string_view ascii) const {
        if (i + qsizetype(ascii.size()) > size())
            return false;
        for (std::size_t k = 0; k < ascii.size(); ++k) {
            if ((*this)[i + qsizetype(k)] != char16_t(ascii[k]))
                return false;
        }
        return true;
    }
    // The unit after the first `ascii` at or after `from`, or the end.
    qsizetype after(qsizetype from, std::string_view ascii) const {
        for (qsizetype i = from; i < size(); ++i) {
            if (matches(i, ascii))
                return i + qsizetype(ascii.size());
        }
        return size();
    }

private:
    bool startsWith(std::string_view prefix) const {
        return bytes_.startsWith(QByteArrayView(prefix.data(), qsizetype(prefix.size())));
    }

    const QByteArray& bytes_;
    int width_ = 1;
    bool bigEndian_ = false;
};

// The unit after a declaration (<!DOCTYPE ...>), whose internal subset in
// brackets may hold quoted '>' and comments.
qsizetype afterDeclaration(const Units& u, qsizetype i) {
    int brackets = 0;
    char16_t quote = 0;
    for (; i < u.size(); ++i) {
        const char16_t c = u[i];
        if (quote) {
            quote = c == quote ? 0 : quote;
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (u.matches(i, "<!--")) {
            i = u.after(i + 4, "-->") - 1;
        } else if (c == u'[') {
            ++brackets;
        } else if (c == u']') {
            --brackets;
        } else if (c == u'>' && brackets <= 0) {
            return i + 1;
        }
    }
    return i;
}

} // namespace

QByteArray apply(const QByteArray& xml, int maxAttributes) {
    Q_ASSERT(maxAttributes > 0);
    const Units u(xml);
    const qsizetype n = u.size();
    QByteArray out;
    qsizetype copied = 0; // bytes of xml already in out
    qsizetype i = 0;
    while (i < n) {
        if (u[i] != u'<') {
            ++i;
        } else if (u.matches(i, "<!--")) {
            i = u.after(i + 4, "-->");
        } else if (u.matches(i, "<![CDATA[")) {
            i = u.after(i + 9, "]]>");
        } else if (u.matches(i, "<?")) {
            i = u.after(i + 2, "?>");
        } else if (u.matches(i, "<!")) {
            i = afterDeclaration(u, i + 2);
        } else {
            // A tag: each attribute ends with its value's closing quote.
            int attributes = 0;
            qsizetype keptEnd = -1;
            char16_t quote = 0;
            qsizetype j = i + 1;
            for (; j < n; ++j) {
                const char16_t c = u[j];
                if (quote) {
                    if (c == quote) {
                        quote = 0;
                        if (++attributes == maxAttributes)
                            keptEnd = j + 1;
                    }
                } else if (c == u'"' || c == u'\'') {
                    quote = c;
                } else if (c == u'>') {
                    break;
                }
            }
            if (attributes > maxAttributes) {
                // The element's end ("/>" or ">") stays.
                const qsizetype dropEnd = j < n && u[j - 1] == u'/' ? j - 1 : j;
                out += QByteArrayView(xml).sliced(copied, u.byteOffset(keptEnd) - copied);
                copied = u.byteOffset(dropEnd);
            }
            i = j + 1;
        }
    }
    if (copied == 0)
        return xml;
    out += QByteArrayView(xml).sliced(copied);
    return out;
}

} // namespace tessellon::XmlAttributeCap
