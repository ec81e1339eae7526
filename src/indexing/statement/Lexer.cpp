#include "indexing/statement/Lexer.h"

#include "indexing/statement/SyntaxError.h"

#include <QStringList>

namespace tessellon::statement {

QString Token::describe() const {
    switch (kind) {
    case TokenKind::End:
        return QStringLiteral("the end of the statement");
    case TokenKind::String:
        return QStringLiteral("the text '%1'").arg(excerpt(text));
    default:
        return QStringLiteral("'%1'").arg(excerpt(text));
    }
}

namespace {

bool isWordStart(QChar c) {
    return c.isLetter() || c == QLatin1Char('_');
}

// Host names may hold hyphens and digits; catalog names may hold '$'.
bool isWordPart(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-') ||
           c == QLatin1Char('$');
}

class Lexer {
public:
    explicit Lexer(const QString& text) : text_(text) {}

    std::vector<Token> run() {
        std::vector<Token> tokens;
        for (;;) {
            while (pos_ < text_.size() && text_[pos_].isSpace())
                ++pos_;
            if (pos_ >= text_.size())
                break;
            tokens.push_back(next());
            if (tokens.back().kind == TokenKind::Invalid)
                return tokens;
        }
        tokens.push_back(Token{TokenKind::End, QString(), text_.size(), 0});
        return tokens;
    }

private:
    QChar at(qsizetype i) const { return i < text_.size() ? text_[i] : QChar(); }

    Token next() {
        const qsizetype start = pos_;
        const QChar c = text_[pos_];
        if (c == QLatin1Char('\''))
            return literal(start);
        if (c.isDigit() || (c == QLatin1Char('-') && at(pos_ + 1).isDigit()))
            return number(start);
        if (isWordStart(c)) {
            while (pos_ < text_.size() && isWordPart(text_[pos_]))
                ++pos_;
            return Token{TokenKind::Word, text_.mid(start, pos_ - start), start, 0};
        }
        static const QStringList twoCharacterSymbols = {QStringLiteral("<="), QStringLiteral(">="),
                                                        QStringLiteral("<>"), QStringLiteral("!="),
                                                        QStringLiteral("^a"), QStringLiteral("^s")};
        const QString pair = text_.mid(pos_, 2);
        for (const QString& symbol : twoCharacterSymbols) {
            if (pair.compare(symbol, Qt::CaseInsensitive) == 0) {
                pos_ += 2;
                return Token{TokenKind::Symbol, symbol, start, 0};
            }
        }
        if (QStringLiteral(",()[].*=<>;").contains(c)) {
            ++pos_;
            return Token{TokenKind::Symbol, QString(c), start, 0};
        }
        return invalid(start, QStringLiteral("unexpected character '%1'").arg(c));
    }

    static Token invalid(qsizetype start, const QString& reason) {
        return Token{TokenKind::Invalid, reason, start, 0};
    }

    Token literal(qsizetype start) {
        QString contents;
        for (qsizetype i = start + 1; i < text_.size(); ++i) {
            if (text_[i] != QLatin1Char('\'')) {
                contents += text_[i];
            } else if (at(i + 1) == QLatin1Char('\'')) {
                contents += text_[i++];
            } else {
                pos_ = i + 1;
                return Token{TokenKind::String, contents, start, 0};
            }
        }
        return invalid(start, QStringLiteral("the text that begins here has no closing quote"));
    }

    Token number(qsizetype start) {
        const bool negative = text_[pos_] == QLatin1Char('-');
        if (negative)
            ++pos_;
        int base = 10;
        if (text_[pos_] == QLatin1Char('0') &&
            (at(pos_ + 1) == QLatin1Char('x') || at(pos_ + 1) == QLatin1Char('X'))) {
            base = 16;
            pos_ += 2;
        }
        const qsizetype digitsStart = pos_;
        while (pos_ < text_.size() && isWordPart(text_[pos_]))
            ++pos_;
        const QString digits = text_.mid(digitsStart, pos_ - digitsStart);
        bool ok = false;
        const qint64 magnitude = digits.toLongLong(&ok, base);
        if (!ok || digits.startsWith(QLatin1Char('-')) || digits.startsWith(QLatin1Char('+')))
            return invalid(start, QStringLiteral("'%1' is not a valid number")
                                      .arg(excerpt(text_.mid(start, pos_ - start))));
        return Token{TokenKind::Number, text_.mid(start, pos_ - start), start,
                     negative ? -magnitude : magnitude};
    }

    const QString& text_;
    qsizetype pos_ = 0;
};

} // namespace

std::vector<Token> tokenize(const QString& statement) {
    return Lexer(statement).run();
}

qsizetype literalPosition(const QString& statement, const Token& literal, qsizetype offset) {
    qsizetype position = literal.position + 1;
    for (qsizetype i = 0; i < offset && position < statement.size(); ++i)
        position += statement[position] == QLatin1Char('\'') ? 2 : 1;
    return position;
}

} // namespace tessellon::statement
