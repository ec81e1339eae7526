// The filter helper's answer as the indexer reads it: any bytes either fail
// to decode or decode to a result that encodes back to the same answer.
#include "FuzzSupport.h"

#include "indexing/filters/FilterProtocol.h"

#include <cstdlib>

using namespace tessellon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<FilterResult> result = FilterProtocol::decode(fuzz::bytes(data, size));
    if (!result)
        return 0;
    const std::optional<FilterResult> again =
        FilterProtocol::decode(FilterProtocol::encode(*result));
    if (!again || again->state != result->state || again->text != result->text ||
        again->keywords != result->keywords || again->error != result->error)
        abort();
    return 0;
}
