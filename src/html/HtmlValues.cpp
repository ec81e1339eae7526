#include "html/HtmlValues.h"

#include "html/ColorNames.h"

namespace tessellon {

std::optional<int> parseInteger(const QString& text) {
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(u'-') || t.startsWith(u'+')) {
        negative = t.startsWith(u'-');
        t.remove(0, 1);
    }
    int base = 10;
    if (t.startsWith(u'$')) {
        base = 16;
        t.remove(0, 1);
    } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        t.remove(0, 2);
    }
    if (t.isEmpty() || t.startsWith(u'-') || t.startsWith(u'+'))
        return std::nullopt;
    bool ok = false;
    const qlonglong value = t.toLongLong(&ok, base);
    if (!ok || value > 0xFFFFFFFFLL)
        return std::nullopt;
    // Hexadecimal values fill all 32 bits, as colours do.
    const int result = int(quint32(value));
    return negative ? -result : result;
}

int parseIntegerOr(const QString& text, int fallback) {
    return parseInteger(text).value_or(fallback);
}

Color htmlColor(const QString& value) {
    if (value.isEmpty() || value.contains(u'<'))
        return clBlack;
    if (value.startsWith(u'#')) {
        bool okRed = false, okGreen = false, okBlue = false;
        const int red = value.mid(1, 2).toInt(&okRed, 16);
        const int green = value.mid(3, 2).toInt(&okGreen, 16);
        const int blue = value.mid(5, 2).toInt(&okBlue, 16);
        if (okRed && okGreen && okBlue)
            return rgb(red, green, blue);
        return clWhite;
    }
    if (std::optional<Color> named = colorFromName(value))
        return *named;
    if (std::optional<int> number = parseInteger(value))
        return Color(*number);
    return clWhite;
}

QString htmlColorText(Color color) {
    return QStringLiteral("#%1%2%3")
        .arg(redOf(color), 2, 16, QLatin1Char('0'))
        .arg(greenOf(color), 2, 16, QLatin1Char('0'))
        .arg(blueOf(color), 2, 16, QLatin1Char('0'))
        .toUpper();
}

int htmlLength(const QString& value, int total, int defaultValue) {
    const QString trimmed = value.trimmed();
    int result = 0;
    if (trimmed.endsWith(u'%')) {
        const int percent = parseIntegerOr(trimmed.chopped(1), 100);
        result = int(qint64(percent) * total / 100);
    } else {
        result = parseIntegerOr(value, 1);
    }
    if (result == 0)
        result = defaultValue;
    if (result > 10)
        result -= 10;
    return result;
}

FontSizeValue htmlFontSize(const QString& value) {
    if (value.contains(u'+'))
        return {8 + parseIntegerOr(value.mid(value.indexOf(u'+') + 1), 0), false};
    if (value.contains(u'-'))
        return {8 - parseIntegerOr(value.mid(value.indexOf(u'-') + 1), 0), false};
    return {parseIntegerOr(value, 8), true};
}

} // namespace tessellon
