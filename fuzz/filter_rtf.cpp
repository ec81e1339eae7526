// The rtf document filter on any bytes, under a document's time budget.
// RTF: groups, control words, hex and Unicode escapes and the info group.
#include "FilterCheck.h"

#include "indexing/filters/RtfFilter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return tessellon::fuzz::filterBytes<tessellon::RtfFilter::extract>(data, size);
}
