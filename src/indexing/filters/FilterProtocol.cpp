#include "indexing/filters/FilterProtocol.h"

#include <QDataStream>
#include <QIODevice>

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

std::optional<FilterResult> decode(const QByteArray& bytes) {
    QDataStream s(bytes);
    quint32 magic = 0, trailer = 0;
    qint32 state = 0;
    FilterResult r;
    s >> magic >> state >> r.text >> r.title >> r.subject >> r.author >> r.keywords >> r.comments >>
        r.error >> trailer;
    if (s.status() != QDataStream::Ok || magic != Magic || trailer != Magic || state < 0 ||
        state > int(FilterState::Failed))
        return std::nullopt;
    r.state = FilterState(state);
    return r;
}

} // namespace tessellon::FilterProtocol
