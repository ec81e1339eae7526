#include "indexing/filters/FilterProtocol.h"

#include <QDataStream>
#include <QIODevice>
#include <QStringList>

namespace tessellon::FilterProtocol {

namespace {
constexpr quint32 Magic = 0x54464c54; // "TFLT"
}

QByteArray encode(const FilterResult& r) {
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s << Magic << qint32(r.state) << r.text << r.title << r.subject << r.author << r.keywords
      << r.comments << r.error << Magic;
    return out;
}

namespace {

// Reads what encode() writes (QDataStream's big-endian layout) without
// trusting any length in it: a length beyond the bytes that are there fails
// the answer, where QDataStream would first reserve memory for it, gigabytes
// for a damaged answer.
class AnswerBytes {
public:
    explicit AnswerBytes(const QByteArray& bytes) : bytes_(bytes) {}

    bool ok() const { return ok_; }

    quint32 number() {
        if (!ok_ || bytes_.size() - pos_ < 4) {
            ok_ = false;
            return 0;
        }
        const auto* p = reinterpret_cast<const uchar*>(bytes_.constData() + pos_);
        pos_ += 4;
        return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | quint32(p[3]);
    }

    // A length of 0xFFFFFFFF is the null string; others count UTF-16 bytes.
    QString text() {
        const quint32 length = number();
        if (!ok_ || length == 0xFFFFFFFF)
            return QString();
        if (length % 2 != 0 || length > quint64(bytes_.size() - pos_)) {
            ok_ = false;
            return QString();
        }
        QString s(qsizetype(length / 2), Qt::Uninitialized);
        const char* p = bytes_.constData() + pos_;
        for (qsizetype i = 0; i < s.size(); ++i)
            s[i] = QChar(char16_t(uchar(p[2 * i]) << 8 | uchar(p[2 * i + 1])));
        pos_ += qsizetype(length);
        return s;
    }

    // Each entry takes at least its four length bytes.
    QStringList texts() {
        const quint32 count = number();
        if (!ok_ || count > quint64(bytes_.size() - pos_) / 4) {
            ok_ = false;
            return {};
        }
        QStringList list;
        list.reserve(qsizetype(count));
        for (quint32 i = 0; i < count && ok_; ++i)
            list << text();
        return list;
    }

private:
    const QByteArray& bytes_;
    qsizetype pos_ = 0;
    bool ok_ = true;
};

} // namespace

std::optional<FilterResult> decode(const QByteArray& bytes) {
    AnswerBytes in(bytes);
    FilterResult r;
    const quint32 magic = in.number();
    const auto state = qint32(in.number());
    r.text = in.text();
    r.title = in.text();
    r.subject = in.text();
    r.author = in.text();
    r.keywords = in.texts();
    r.comments = in.text();
    r.error = in.text();
    const quint32 trailer = in.number();
    if (!in.ok() || magic != Magic || trailer != Magic || state < 0 ||
        state > int(FilterState::Failed))
        return std::nullopt;
    r.state = FilterState(state);
    return r;
}

} // namespace tessellon::FilterProtocol
