// The xml document filter on any bytes, under a document's time budget.
// XML: character data, titles and nesting, well-formed or not.
#include "FilterCheck.h"

#include "indexing/filters/XmlFilter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return tessellon::fuzz::filterBytes<tessellon::XmlFilter::extract>(data, size);
}
