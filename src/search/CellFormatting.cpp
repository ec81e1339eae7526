#include "search/CellFormatting.h"

#include "common/DateFormat.h"
#include "common/Error.h"

namespace tessellon {

namespace {

QString kindName(Variant::Kind kind) {
    switch (kind) {
    case Variant::Kind::Null:
        return QStringLiteral("Null");
    case Variant::Kind::Array:
        return QStringLiteral("Array Variant");
    default:
        return QStringLiteral("Unknown");
    }
}

ConversionError cannotConvert(const Variant& value) {
    return ConversionError(
        QStringLiteral("Could not convert variant of type (%1) into type (String)")
            .arg(kindName(value.kind())));
}

// The time format without its time-zone part, which result cells never show.
QString longTimeFormat(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QStringLiteral(" t"));
    format.remove(u't');
    return format.trimmed();
}

QString dateTimeText(const QDateTime& value, const QLocale& locale) {
    const QDateTime local = value.toLocalTime();
    const QString date = locale.toString(local.date(), QLocale::ShortFormat);
    if (local.time() == QTime(0, 0))
        return date;
    return date + u' ' + locale.toString(local.time(), longTimeFormat(locale));
}

// The general format with up to 15 significant digits ("12345.5", "1e+20"):
// of the locale only the decimal separator, since its number format would
// add digit grouping and its own exponent symbol.
QString floatText(double value, const QLocale& locale) {
    QString text = QString::number(value, 'g', 15);
    text.replace(u'.', locale.decimalPoint());
    return text;
}

// Up to four decimals, trailing zeros dropped.
QString currencyText(Variant::Currency value, const QLocale& locale) {
    QString text = locale.toString(double(value.tenThousandths) / 10000.0, 'f', 4);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(locale.decimalPoint()))
        text.chop(locale.decimalPoint().size());
    return text;
}

QString joinElements(const VariantArray& array, QChar elementSeparator, QChar rowSeparator,
                     const QLocale& locale) {
    if (array.dimensions() == 1) {
        QStringList parts;
        for (int i = array.bound(0).low; i <= array.bound(0).high; ++i)
            parts << VariantElementToText(array.at({i}), locale);
        return parts.join(elementSeparator);
    }
    QString text;
    for (int i = array.bound(0).low; i <= array.bound(0).high; ++i) {
        QStringList parts;
        for (int j = array.bound(1).low; j <= array.bound(1).high; ++j)
            parts << VariantElementToText(array.at({i, j}), locale);
        text += rowSeparator + u'[' + parts.join(elementSeparator) + u']';
    }
    return text;
}

} // namespace

QChar listSeparator(const QLocale& locale) {
    return locale.decimalPoint() == u"," ? QChar(u';') : QChar(u',');
}

QString plainText(const Variant& value, Conversion conversion, const QLocale& locale) {
    switch (value.kind()) {
    case Variant::Kind::Empty:
        return {};
    case Variant::Kind::Null:
        if (conversion == Conversion::Lenient)
            return {};
        throw cannotConvert(value);
    case Variant::Kind::Int8:
    case Variant::Kind::Int16:
    case Variant::Kind::Int32:
    case Variant::Kind::Int64:
        return QString::number(value.toInt64());
    case Variant::Kind::UInt8:
    case Variant::Kind::UInt16:
    case Variant::Kind::UInt32:
    case Variant::Kind::UInt64:
        return QString::number(value.toUInt64());
    case Variant::Kind::Single:
    case Variant::Kind::Double:
        return floatText(value.toDouble(), locale);
    case Variant::Kind::Text:
        return value.toText();
    case Variant::Kind::DateTime:
        return dateTimeText(value.toDateTime(), locale);
    case Variant::Kind::Currency:
        return currencyText(value.toCurrency(), locale);
    case Variant::Kind::Boolean:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case Variant::Kind::ErrorCode:
        return QString::number(value.toErrorCode().code);
    case Variant::Kind::Array:
        throw cannotConvert(value);
    }
    return {};
}

QString VariantArrayToText(const Variant& value, std::optional<QChar> elementSeparator,
                           std::optional<QChar> rowSeparator, const QLocale& locale) {
    if (!value.isArray())
        return plainText(value, Conversion::Lenient, locale);
    const VariantArray& array = value.toArray();
    const QChar element = elementSeparator.value_or(listSeparator(locale));
    const QChar row = rowSeparator.value_or(listSeparator(locale));
    QString text;
    if (array.dimensions() == 1 || array.dimensions() == 2)
        text = joinElements(array, element, row, locale);
    else
        text = QStringLiteral("Array Dim=") + QString::number(array.dimensions());
    return u'[' + text + u']';
}

QString VariantElementToText(const Variant& value, const QLocale& locale) {
    switch (value.kind()) {
    case Variant::Kind::Array:
        return VariantArrayToText(value, std::nullopt, QChar(u'\r'), locale);
    case Variant::Kind::Empty:
        return QStringLiteral("#EMPTY");
    case Variant::Kind::Null:
        return QStringLiteral("#NULL");
    case Variant::Kind::DateTime: {
        const QDateTime local = value.toDateTime().toLocalTime();
        return formatShortDate(local.date()) + u' ' +
               locale.toString(local.time(), longTimeFormat(locale)) +
               local.time().toString(QStringLiteral(".zzz"));
    }
    case Variant::Kind::ErrorCode:
        return QStringLiteral("Error($") + QString::number(value.toErrorCode().code, 16).toUpper() +
               u')';
    default:
        return plainText(value, Conversion::Lenient, locale);
    }
}

} // namespace tessellon
