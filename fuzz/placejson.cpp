// A row's place in the order, from another computer: any JSON array read as
// an encoded place. A place that decodes must encode and decode to itself.
#include "FuzzSupport.h"

#include "common/Error.h"
#include "indexing/remote/PlaceJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>
#include <cstdlib>

using namespace tessellon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QJsonArray json = QJsonDocument::fromJson(fuzz::bytes(data, size)).array();
    statement::RowPlace place;
    try {
        place = decodePlace(json);
    } catch (const Error&) {
        return 0;
    }
    const statement::RowPlace again = decodePlace(encodePlace(place));
    if (again.size() != place.size())
        abort();
    for (std::size_t k = 0; k < place.size(); ++k) {
        const auto* real = std::get_if<double>(&place[k]);
        if (!(again[k] == place[k]) && !(real && std::isnan(*real)))
            abort();
    }
    return 0;
}
