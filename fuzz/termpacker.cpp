// A document's stored terms. The first byte picks the direction: any bytes
// unpacked against a term list of the store (damage must fail with an
// Error), or the terms of a text (as UTF-8, as the store has it) packed and
// unpacked, which must give the very same terms as often as the text had
// them.
#include "FuzzSupport.h"

#include "common/Error.h"
#include "indexing/store/SqliteDatabase.h"
#include "indexing/store/TermPacker.h"

#include <algorithm>
#include <cstdlib>

using namespace tessellon;

namespace {

TermPacker& packer() {
    static SqliteDatabase db(QStringLiteral(":memory:"), SqliteDatabase::Mode::ReadWrite);
    static TermPacker terms(db.handle());
    static const bool loaded = [] {
        QList<QByteArray> saved;
        for (int i = 0; i < 300; ++i)
            saved << "t" + QByteArray::number(i);
        terms.load(saved);
        return true;
    }();
    (void)loaded;
    return terms;
}

std::vector<std::string_view> sorted(const TextTokens& tokens) {
    std::vector<std::string_view> all;
    for (std::size_t i = 0; i < tokens.size(); ++i)
        all.push_back(tokens.at(i));
    std::sort(all.begin(), all.end());
    return all;
}

std::vector<std::string_view> distinct(std::vector<std::string_view> all) {
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const QByteArray input = fuzz::bytes(data + 1, size - 1);
    TermPacker& terms = packer();
    if (data[0] % 2) {
        try {
            terms.unpack(input);
        } catch (const Error&) {
        }
        return 0;
    }
    // The store tokenizes a document's text as UTF-8 made from a QString,
    // which is always valid.
    const TextTokens original = terms.tokenize(QString::fromUtf8(input).toUtf8());
    const TextTokens again = terms.tokenize(terms.unpack(terms.pack(original)));
    if (again.size() != original.size() || distinct(sorted(again)) != distinct(sorted(original)))
        abort();
    return 0;
}
