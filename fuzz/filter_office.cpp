// The zip-based office filters on any file: the first byte picks OOXML or
// ODF, the rest is the file. Archives that are damaged, lie about their
// sizes, or unpack beyond the member budget must fail cleanly.
#include "FilterCheck.h"
#include "FuzzSupport.h"

#include "common/Error.h"
#include "indexing/filters/OfficeFilters.h"

using namespace tessellon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const QByteArray path = fuzz::writeScratchFile(fuzz::bytes(data + 1, size - 1)).toLocal8Bit();
    try {
        fuzz::checkFiltered(data[0] % 2 ? OfficeFilters::extractOdf(path)
                                        : OfficeFilters::extractOoxml(path));
    } catch (const Error&) {
    }
    return 0;
}
