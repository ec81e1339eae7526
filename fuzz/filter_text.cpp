// Plain text: telling text from binary content by the first bytes, and
// decoding with the charset found (byte-order marks, UTF-16 by shape, UTF-8
// with Windows-1252 for the rest).
#include "FilterCheck.h"
#include "FuzzSupport.h"

#include "indexing/filters/TextFilter.h"

using namespace tessellon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray content = fuzz::bytes(data, size);
    TextFilter::looksLikeText(content);
    fuzz::checkFiltered(TextFilter::extract(content));
    return 0;
}
