// Comma text, both ways: any text must read, and the entries it reads must
// come back unchanged through writing and reading again (the saved settings
// and search files rely on that). The same holds for entries that are not
// read from comma text: the input split at NUL bytes.
#include "FuzzSupport.h"

#include "common/CommaText.h"

#include <cstdlib>

using namespace tessellon;

namespace {

void roundTrip(const QStringList& entries) {
    if (CommaText::read(CommaText::write(entries)) != entries)
        abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(fuzz::bytes(data, size));
    roundTrip(CommaText::read(text));
    roundTrip(text.split(QChar(0)));
    return 0;
}
