// A host's answer to a statement, read as it arrives: the input is cut into
// pieces at arbitrary points (the first byte sets the piece size), as the
// network may deliver it. Garbage must fail with an Error.
#include "FuzzSupport.h"

#include "common/Error.h"
#include "indexing/remote/AnswerReader.h"

using namespace tessellon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::size_t piece = 1 + data[0] % 64;
    const char* text = reinterpret_cast<const char*>(data + 1);
    const std::size_t length = size - 1;
    AnswerReader reader;
    try {
        for (std::size_t at = 0; at < length; at += piece)
            reader.take(text + at, std::min(piece, length - at));
        if (reader.whole())
            reader.result();
    } catch (const Error&) {
    }
    return 0;
}
