#include "common/PathCodec.h"

#include "common/Utf8.h"

namespace tessellon::PathCodec {

namespace {
constexpr char16_t EscapeBase = 0xDC00;

bool isEscapedByte(QChar c) {
    return c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF;
}
} // namespace

QString fromBytes(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    qsizetype runStart = 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const int length = Utf8::validSequenceAt(bytes, i);
        if (length > 0) {
            i += length;
            continue;
        }
        out += QString::fromUtf8(bytes.constData() + runStart, i - runStart);
        out += QChar(char16_t(EscapeBase + static_cast<unsigned char>(bytes[i])));
        ++i;
        runStart = i;
    }
    out += QString::fromUtf8(bytes.constData() + runStart, bytes.size() - runStart);
    return out;
}

QByteArray toBytes(const QString& path) {
    QByteArray out;
    out.reserve(path.size());
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (!isEscapedByte(path[i]))
            continue;
        out += QStringView(path).mid(runStart, i - runStart).toUtf8();
        out += char(path[i].unicode() - EscapeBase);
        runStart = i + 1;
    }
    out += QStringView(path).mid(runStart).toUtf8();
    return out;
}

QString displayText(const QString& path) {
    QString out = path;
    for (QChar& c : out) {
        if (isEscapedByte(c))
            c = QChar(QChar::ReplacementCharacter);
    }
    return out;
}

} // namespace tessellon::PathCodec
