// The tokens of a statement, each with the position where it begins.
#pragma once

#include <QString>
#include <cstdint>

namespace tessellon::statement {

enum class TokenKind {
    Word,    // keyword, property, catalog or host name
    Number,  // decimal or 0x hexadecimal integer
    String,  // a single-quoted literal; text holds its contents
    Symbol,  // punctuation and operators: , ( ) [ ] . * = != <> < > <= >= ^a ^s ;
    Invalid, // text that begins no token; text holds the reason
    End,
};

struct Token {
    TokenKind kind = TokenKind::End;
    QString text;
    qsizetype position = 0; // offset of the first character in the statement
    std::int64_t number = 0;

    bool isSymbol(QStringView symbol) const { return kind == TokenKind::Symbol && text == symbol; }
    bool isWord(QStringView word) const {
        return kind == TokenKind::Word && text.compare(word, Qt::CaseInsensitive) == 0;
    }
    // How the token reads in a message: "'FROM'", "the text 'abc'", "the end".
    QString describe() const;
};

} // namespace tessellon::statement
