// The terms SQLite's unicode61 tokenizer made of one text, in order. Made
// once on a filter thread and used
// twice: for the terms the store keeps (TermPacker) and for the full-text
// index itself (DocumentTokenizer), so the store writer never tokenizes a
// document's text again.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessellon {

// The arguments of the full-text table's tokenizer (see StoreSchema).
inline constexpr const char* TokenizerArguments[] = {"remove_diacritics", "2"};

struct TextTokens {
    // Where a term came from in the text is left out: the index does not
    // use it when it takes a document, and a long text has many terms.
    struct Token {
        std::uint32_t offset = 0; // in `bytes`
        std::uint32_t length = 0;
    };
    std::string bytes; // the terms one after the other
    std::vector<Token> list;

    std::size_t size() const { return list.size(); }
    std::string_view at(std::size_t i) const {
        return std::string_view(bytes).substr(list[i].offset, list[i].length);
    }
};

} // namespace tessellon
