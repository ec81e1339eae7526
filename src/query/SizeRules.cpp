#include "query/SizeRules.h"

#include "common/Error.h"

#include <cstdint>

namespace tessellon {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isSuffix(QChar c) {
    return c == u'G' || c == u'K' || c == u'M';
}

std::int64_t toInt32(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        throw ConversionError::notAnInteger(text);
    return value;
}

} // namespace

QChar ComboBox1KeyPress(QChar key) {
    const char16_t code = key.unicode();
    if ((code >= 1 && code <= 31) || isDigit(key))
        return key;
    const QChar upper = key.toUpper();
    if (code < 128 && isSuffix(upper))
        return upper;
    return QChar();
}

void ComboBox1KeyUp(ComboBoxModel& box) {
    QString text = box.text.toUpper();
    if (text.isEmpty())
        return;
    if (!(text[0] >= u'1' && text[0] <= u'9'))
        text.remove(0, 1);
    QString cleaned;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == text.size() - 1 || isDigit(text[i]))
            cleaned += text[i];
    }
    if (!cleaned.isEmpty() && !isDigit(cleaned.back()) && !isSuffix(cleaned.back()))
        cleaned.chop(1);
    box.text = cleaned;
}

QString ParseSizeValue(const QString& text) {
    std::int64_t value = 0;
    QString prefix;
    const struct {
        char16_t suffix;
        std::int64_t factor;
    } suffixes[] = {{u'K', 1000}, {u'M', 1000000}, {u'G', 1000000000}};
    for (const auto& s : suffixes) {
        const qsizetype at = text.indexOf(QChar(s.suffix));
        if (at < 0)
            continue;
        prefix += text.left(at);
        value = toInt32(prefix) * s.factor;
    }
    return value == 0 ? text : QString::number(value);
}

} // namespace tessellon
