#include "common/Utf8.h"

namespace tessellon::Utf8 {

int validSequenceAt(const QByteArray& bytes, qsizetype i) {
    const auto byte = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80)
        return 1;
    int length = 0;
    unsigned char min2 = 0x80, max2 = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            min2 = 0xA0;
        if (lead == 0xED)
            max2 = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            min2 = 0x90;
        if (lead == 0xF4)
            max2 = 0x8F;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    if (byte(i + 1) < min2 || byte(i + 1) > max2)
        return 0;
    for (int k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
            return 0;
    }
    return length;
}

QString decode(const QByteArray& bytes,
               const std::function<void(QString&, unsigned char)>& invalidByte) {
    QString out;
    out.reserve(bytes.size());
    qsizetype runStart = 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const int length = validSequenceAt(bytes, i);
        if (length > 0) {
            i += length;
            continue;
        }
        out += QString::fromUtf8(bytes.constData() + runStart, i - runStart);
        invalidByte(out, static_cast<unsigned char>(bytes[i]));
        ++i;
        runStart = i;
    }
    out += QString::fromUtf8(bytes.constData() + runStart, bytes.size() - runStart);
    return out;
}

} // namespace tessellon::Utf8
