// Field values on the wire: each Variant as a JSON array [kind, payload...]
// that decodes to the very same Variant (kind, value, and a date-time's
// time zone). 64-bit integers, currency and floating point travel as text,
// since JSON numbers would round them.
#pragma once

#include "common/Variant.h"

#include <QJsonValue>

namespace tessellon {

QJsonValue encodeVariant(const Variant& value);
// Throws ProviderError when the value is not an encoded Variant.
Variant decodeVariant(const QJsonValue& json);

} // namespace tessellon
