// Field values from another computer: any JSON text read as an encoded
// value. A value that decodes must encode and decode to itself.
#include "FuzzSupport.h"

#include "common/Error.h"
#include "indexing/remote/VariantJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>
#include <cstdlib>

using namespace tessellon;

namespace {

bool isNaN(const Variant& value) {
    return value.isFloat() && std::isnan(value.toDouble());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QJsonDocument document = QJsonDocument::fromJson(fuzz::bytes(data, size));
    // A bare value travels as the only entry of an array.
    const QJsonValue json = document.isArray() && document.array().size() == 1
                                ? document.array().first()
                                : QJsonValue(document.array());
    Variant value;
    try {
        value = decodeVariant(json);
    } catch (const Error&) {
        return 0;
    }
    const Variant again = decodeVariant(encodeVariant(value));
    if (!(again == value) && !isNaN(value))
        abort();
    return 0;
}
