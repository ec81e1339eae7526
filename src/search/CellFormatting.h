// How a field value becomes the text of a result cell: the plain conversion
// (strict: null is a conversion failure; lenient: null is empty), and the
// texts of arrays and their elements. Locale-dependent pieces (date and time
// formats, decimal and list separators) follow the user's locale.
#pragma once

#include "common/Variant.h"

#include <QLocale>
#include <optional>

namespace tessellon {

enum class Conversion { Strict, Lenient };

// Throws ConversionError when the value cannot become text (strict null, an
// array where one text is needed).
QString plainText(const Variant& value, Conversion conversion, const QLocale& locale = QLocale());

// "[a,b,c]" for one dimension, CR-separated "[..]" rows for two, and
// "[Array Dim=n]" otherwise. A separator left out is the locale's list
// separator.
QString VariantArrayToText(const Variant& value, std::optional<QChar> elementSeparator,
                           std::optional<QChar> rowSeparator, const QLocale& locale = QLocale());

// One array element: nested arrays, "#EMPTY", "#NULL", dates as
// "yyyy-MM-dd <long time>.zzz", error codes as "Error($hex)".
QString VariantElementToText(const Variant& value, const QLocale& locale = QLocale());

// The list separator of a locale: ";" where the decimal separator is a
// comma, else ",".
QChar listSeparator(const QLocale& locale);

} // namespace tessellon
