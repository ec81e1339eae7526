// A row's place in its statement's order on the wire: a JSON array with one
// entry per sort value, null, ["i", integer] or ["r", real] as exact text,
// ["t", base64 UTF-8] or ["b", base64 blob], that decodes to the very same
// values.
#pragma once

#include "indexing/statement/OrderedAnswer.h"

#include <QJsonArray>

namespace tessellon {

QJsonArray encodePlace(const statement::RowPlace& place);
// Throws ProviderError when the array is not an encoded place.
statement::RowPlace decodePlace(const QJsonArray& json);

} // namespace tessellon
