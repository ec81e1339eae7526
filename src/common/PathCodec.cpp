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
    return Utf8::decode(
        bytes, [](QString& out, unsigned char byte) { out += QChar(char16_t(EscapeBase + byte)); });
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
