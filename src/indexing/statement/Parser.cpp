#include "indexing/statement/Parser.h"

#include "indexing/statement/Lexer.h"
#include "indexing/statement/SyntaxError.h"

namespace tessellon::statement {

namespace {

// The catalog a bare SCOPE() searches.
const QString DefaultCatalog = QStringLiteral("System");

class Parser {
public:
    explicit Parser(const QString& text) : text_(text), tokens_(tokenize(text)) {}

    Statement parse() {
        Statement statement;
        expectWord(QLatin1String("SELECT"));
        if (current().isSymbol(u"*"))
            throw syntaxError(text_, current().position,
                              QStringLiteral("SELECT * is not supported; name the properties to "
                                             "select"));
        do {
            statement.selectList.push_back(property());
        } while (takeSymbol(u","));
        expectWord(QLatin1String("FROM"));
        statement.sources = sources();
        if (takeWord(u"WHERE"))
            statement.where = orCondition();
        if (takeWord(u"ORDER")) {
            expectWord(QLatin1String("BY"));
            do {
                OrderKey key{property(), false};
                if (takeWord(u"DESC"))
                    key.descending = true;
                else
                    takeWord(u"ASC");
                statement.orderBy.push_back(key);
            } while (takeSymbol(u","));
        }
        takeSymbol(u";");
        if (current().kind != TokenKind::End) {
            if (!statement.orderBy.empty())
                fail(QStringLiteral("',' or the end of the statement"));
            fail(statement.where ? QStringLiteral("AND, OR, ORDER BY or the end of the statement")
                                 : QStringLiteral("WHERE, ORDER BY or the end of the statement"));
        }
        return statement;
    }

private:
    const Token& current() const {
        const Token& t = tokens_[index_];
        if (t.kind == TokenKind::Invalid)
            throw syntaxError(text_, t.position, t.text);
        return t;
    }
    const Token& peek(std::size_t ahead) const {
        return tokens_[std::min(index_ + ahead, tokens_.size() - 1)];
    }
    void advance() {
        if (index_ + 1 < tokens_.size())
            ++index_;
    }

    [[noreturn]] void fail(const QString& expected) const {
        throw syntaxError(
            text_, current().position,
            QStringLiteral("expected %1 but found %2").arg(expected, current().describe()));
    }
    [[noreturn]] void failAt(qsizetype position, const QString& message) const {
        throw ProviderError(
            QStringLiteral("%1 (at %2)").arg(message, describePosition(text_, position)));
    }

    bool takeWord(QStringView word) {
        if (!current().isWord(word))
            return false;
        advance();
        return true;
    }
    bool takeSymbol(QStringView symbol) {
        if (!current().isSymbol(symbol))
            return false;
        advance();
        return true;
    }
    void expectWord(QLatin1String word) {
        if (!takeWord(QString(word)))
            fail(word);
    }
    void expectSymbol(QLatin1String symbol) {
        if (!takeSymbol(QString(symbol)))
            fail(QStringLiteral("'%1'").arg(symbol));
    }
    const Token& expectString(const QString& what) {
        if (current().kind != TokenKind::String)
            fail(what);
        const Token& literal = current();
        advance();
        return literal;
    }

    // Runs a reader of a literal's contents; its errors point into the literal.
    template <typename Read> auto readLiteral(const Token& literal, Read read) {
        try {
            return read(literal.text);
        } catch (const LiteralError& e) {
            throw syntaxError(text_, literalPosition(text_, literal, e.offset), e.message);
        }
    }

    Property property() {
        if (current().kind != TokenKind::Word)
            fail(QStringLiteral("a property name"));
        const std::optional<Property> found = findProperty(current().text);
        if (!found)
            failAt(current().position,
                   QStringLiteral("Unknown property '%1'").arg(excerpt(current().text)));
        advance();
        return *found;
    }

    std::vector<CatalogSource> sources() {
        std::vector<CatalogSource> result;
        if (!takeSymbol(u"(")) {
            result.push_back(catalogSource());
            return result;
        }
        qsizetype unionPosition = -1;
        for (;;) {
            const qsizetype tablePosition = current().position;
            expectWord(QLatin1String("TABLE"));
            CatalogSource& source = result.emplace_back(catalogSource());
            source.tablePosition = tablePosition;
            source.unionPosition = unionPosition;
            unionPosition = current().position;
            if (!takeWord(u"UNION"))
                break;
            expectWord(QLatin1String("ALL"));
        }
        expectSymbol(QLatin1String(")"));
        return result;
    }

    // [host.]catalog..SCOPE(...) or SCOPE(...)
    CatalogSource catalogSource() {
        CatalogSource source;
        source.position = current().position;
        source.tablePosition = source.position;
        source.catalogPosition = source.position;
        if (current().isWord(u"SCOPE") && peek(1).isSymbol(u"(")) {
            source.catalog = DefaultCatalog;
            source.catalogNamed = false;
        } else {
            QStringList names;
            for (;;) {
                if (current().kind != TokenKind::Word)
                    fail(QStringLiteral("a catalog name"));
                source.catalogPosition = current().position;
                names << current().text;
                advance();
                if (current().isSymbol(u".") && peek(1).isSymbol(u".")) {
                    advance();
                    advance();
                    break;
                }
                if (!takeSymbol(u"."))
                    fail(QStringLiteral("'..' and SCOPE after the catalog name"));
            }
            source.catalog = names.takeLast();
            source.host = names.join(QLatin1Char('.'));
        }
        expectWord(QLatin1String("SCOPE"));
        expectSymbol(QLatin1String("("));
        if (!current().isSymbol(u")")) {
            do {
                const Token& scope = expectString(QStringLiteral("a scope in single quotes"));
                for (ScopeFolder& folder : readLiteral(scope, parseScopeText))
                    source.folders.push_back(std::move(folder));
            } while (takeSymbol(u","));
        }
        source.end = current().position + 1;
        expectSymbol(QLatin1String(")"));
        return source;
    }

    Condition orCondition() {
        std::vector<Condition> operands;
        operands.push_back(andCondition());
        while (takeWord(u"OR"))
            operands.push_back(andCondition());
        if (operands.size() == 1)
            return std::move(operands.front());
        return Condition{OrCondition{std::move(operands)}};
    }

    Condition andCondition() {
        std::vector<Condition> operands;
        operands.push_back(notCondition());
        while (takeWord(u"AND"))
            operands.push_back(notCondition());
        if (operands.size() == 1)
            return std::move(operands.front());
        return Condition{AndCondition{std::move(operands)}};
    }

    Condition notCondition() {
        const qsizetype position = current().position;
        if (takeWord(u"NOT")) {
            const NestingGuard guard(*this, position);
            return negated(notCondition());
        }
        return primary();
    }

    // Bounds the nesting of parentheses and NOTs: hostile text gets an error
    // rather than exhausting the stack, and SQLite's parser is never handed
    // more than it can read.
    class NestingGuard {
    public:
        NestingGuard(Parser& parser, qsizetype position) : parser_(parser) {
            if (++parser_.depth_ > MaxNesting)
                throw syntaxError(
                    parser_.text_, position,
                    QStringLiteral("conditions are nested more than %1 deep").arg(MaxNesting));
        }
        ~NestingGuard() { --parser_.depth_; }
        NestingGuard(const NestingGuard&) = delete;
        NestingGuard& operator=(const NestingGuard&) = delete;

    private:
        Parser& parser_;
    };

    static Condition negated(Condition c) {
        return Condition{NotCondition{std::make_unique<Condition>(std::move(c))}};
    }

    Condition primary() {
        const qsizetype position = current().position;
        if (takeSymbol(u"(")) {
            const NestingGuard guard(*this, position);
            Condition inner = orCondition();
            expectSymbol(QLatin1String(")"));
            return inner;
        }
        if (current().kind != TokenKind::Word)
            fail(QStringLiteral("a condition"));
        if (peek(1).isSymbol(u"(")) {
            if (current().isWord(u"CONTAINS") || current().isWord(u"FREETEXT"))
                return fullText();
            if (current().isWord(u"MATCHES"))
                return matches();
        }
        const Property p = property();
        if (takeWord(u"LIKE"))
            return like(p, position);
        if (current().isWord(u"NOT") && peek(1).isWord(u"LIKE")) {
            advance();
            advance();
            return negated(like(p, position));
        }
        return comparison(p, position);
    }

    Condition fullText() {
        const bool freeText = current().isWord(u"FREETEXT");
        advance();
        advance(); // (
        FullTextPredicate predicate;
        if (takeSymbol(u"*")) {
            expectSymbol(QLatin1String(","));
        } else if (current().kind == TokenKind::Word && peek(1).isSymbol(u",")) {
            predicate.columns = fullTextColumns();
            advance();
        }
        const Token& literal = expectString(QStringLiteral("the search text in single quotes"));
        predicate.query = readLiteral(literal, freeText ? parseFreeText : parseContainsText);
        expectSymbol(QLatin1String(")"));
        return Condition{std::move(predicate)};
    }

    // The column named before a full-text text: Contents, All, or a text
    // property that the full-text index holds.
    QStringList fullTextColumns() {
        const Token& column = current();
        advance();
        if (column.isWord(u"All"))
            return {};
        if (column.isWord(u"Contents"))
            return {QStringLiteral("contents")};
        const std::optional<Property> p = findProperty(column.text);
        if (!p)
            failAt(column.position,
                   QStringLiteral("Unknown property '%1'").arg(excerpt(column.text)));
        if (!fulltextColumn(*p))
            failAt(column.position, QStringLiteral("The full text of property %1 is not indexed; "
                                                   "use Contents, All or a text property")
                                        .arg(propertyName(*p)));
        return {QString::fromLatin1(fulltextColumn(*p))};
    }

    Condition matches() {
        advance();
        advance(); // (
        const qsizetype position = current().position;
        const Property p = property();
        requireText(p, position, QStringLiteral("MATCHES"));
        expectSymbol(QLatin1String(","));
        const Token& literal = expectString(QStringLiteral("a pattern in single quotes"));
        auto matcher = readLiteral(literal, PatternMatcher::fromMatches);
        expectSymbol(QLatin1String(")"));
        return Condition{PatternPredicate{p, std::make_shared<PatternMatcher>(std::move(matcher))}};
    }

    Condition like(Property p, qsizetype position) {
        requireText(p, position, QStringLiteral("LIKE"));
        const Token& literal = expectString(QStringLiteral("a pattern in single quotes"));
        auto matcher = readLiteral(literal, PatternMatcher::fromLike);
        return Condition{PatternPredicate{p, std::make_shared<PatternMatcher>(std::move(matcher))}};
    }

    void requireText(Property p, qsizetype position, const QString& what) {
        if (!isTextKind(propertyKind(p)))
            failAt(position, QStringLiteral("%1 needs a text property, but %2 is not one")
                                 .arg(what, propertyName(p)));
    }

    CompareOp compareOp() {
        static const std::pair<const char16_t*, CompareOp> ops[] = {
            {u"=", CompareOp::Equal},         {u"!=", CompareOp::NotEqual},
            {u"<>", CompareOp::NotEqual},     {u"<", CompareOp::Less},
            {u">", CompareOp::Greater},       {u"<=", CompareOp::LessEqual},
            {u">=", CompareOp::GreaterEqual}, {u"^a", CompareOp::AllBits},
            {u"^s", CompareOp::SomeBits}};
        for (const auto& [symbol, op] : ops) {
            if (takeSymbol(symbol))
                return op;
        }
        fail(QStringLiteral("LIKE or a comparison (=, !=, <>, <, >, <=, >=, ^a, ^s)"));
    }

    Condition comparison(Property p, qsizetype position) {
        const qsizetype opPosition = current().position;
        const CompareOp op = compareOp();
        const PropertyKind kind = propertyKind(p);
        const bool bitwise = op == CompareOp::AllBits || op == CompareOp::SomeBits;
        if (bitwise && kind != PropertyKind::Integer)
            failAt(opPosition, QStringLiteral("%1 compares bits and needs a number property, but "
                                              "%2 is not one")
                                   .arg(op == CompareOp::AllBits ? "^a" : "^s", propertyName(p)));
        if (kind == PropertyKind::TextList && op != CompareOp::Equal && op != CompareOp::NotEqual)
            failAt(opPosition,
                   QStringLiteral("%1 can only be compared with = or <>").arg(propertyName(p)));
        Quantifier quantifier = Quantifier::None;
        if (takeWord(u"ALL"))
            quantifier = Quantifier::All;
        else if (takeWord(u"SOME") || takeWord(u"ANY"))
            quantifier = Quantifier::Any;
        if (quantifier == Quantifier::None && !current().isWord(u"ARRAY")) {
            if (kind == PropertyKind::TextList)
                return keywordComparison(p, op);
            return Condition{Comparison{p, op, value(p)}};
        }
        if (kind == PropertyKind::TextList)
            failAt(position,
                   QStringLiteral("%1 cannot be compared with an array").arg(propertyName(p)));
        expectWord(QLatin1String("ARRAY"));
        expectSymbol(QLatin1String("["));
        std::vector<Value> values;
        do {
            values.push_back(value(p));
        } while (takeSymbol(u","));
        expectSymbol(QLatin1String("]"));
        return Condition{ArrayComparison{p, op, quantifier, std::move(values)}};
    }

    // A list property equals a text when one of its entries does.
    Condition keywordComparison(Property p, CompareOp op) {
        const QString text = std::get<QString>(value(p));
        Condition hasEntry{
            PatternPredicate{p, std::make_shared<PatternMatcher>(PatternMatcher::exact(text))}};
        return op == CompareOp::Equal ? std::move(hasEntry) : negated(std::move(hasEntry));
    }

    Value value(Property p) {
        const Token& t = current();
        switch (propertyKind(p)) {
        case PropertyKind::Integer:
            if (t.kind != TokenKind::Number)
                fail(QStringLiteral("a number to compare %1 with").arg(propertyName(p)));
            advance();
            return t.number;
        case PropertyKind::Date:
            if (t.kind != TokenKind::String)
                fail(QStringLiteral("a date in single quotes to compare %1 with")
                         .arg(propertyName(p)));
            advance();
            return readLiteral(t, parseDateLiteral);
        default:
            if (t.kind != TokenKind::String)
                fail(QStringLiteral("a text in single quotes to compare %1 with")
                         .arg(propertyName(p)));
            advance();
            return t.text;
        }
    }

    // SQLite's own parser gives up on conditions nested much deeper (its
    // stack holds about 100 entries, and each level takes up to three).
    static constexpr int MaxNesting = 24;

    const QString& text_;
    std::vector<Token> tokens_;
    std::size_t index_ = 0;
    int depth_ = 0;
};

} // namespace

Statement parseStatement(const QString& text) {
    return Parser(text).parse();
}

} // namespace tessellon::statement
