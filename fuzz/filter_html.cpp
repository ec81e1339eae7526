// The html document filter on any bytes, under a document's time budget.
// HTML: tags, scripts, styles, character references and meta properties, however broken the markup.
#include "FilterCheck.h"

#include "indexing/filters/HtmlFilter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return tessellon::fuzz::filterBytes<tessellon::HtmlFilter::extract>(data, size);
}
