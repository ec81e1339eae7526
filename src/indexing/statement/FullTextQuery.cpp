#include "indexing/statement/FullTextQuery.h"

#include "indexing/statement/SyntaxError.h"

namespace tessellon::statement {

namespace {

struct FtToken {
    enum class Kind { Word, Phrase, Symbol, End };
    Kind kind = Kind::End;
    QString text;
    qsizetype offset = 0;

    bool isKeyword(QLatin1String word) const {
        return kind == Kind::Word && text.compare(word, Qt::CaseInsensitive) == 0;
    }
    bool isSymbol(QLatin1String symbol) const { return kind == Kind::Symbol && text == symbol; }
    QString describe() const {
        switch (kind) {
        case Kind::End:
            return QStringLiteral("the end of the condition");
        case Kind::Phrase:
            return QStringLiteral("the phrase \"%1\"").arg(text);
        default:
            return QStringLiteral("'%1'").arg(text);
        }
    }
};

// Reads a double-quoted phrase that begins at `start`; returns its contents
// and moves `pos` behind the closing quote.
QString readPhrase(const QString& text, qsizetype start, qsizetype& pos) {
    const qsizetype end = text.indexOf(QLatin1Char('"'), start + 1);
    if (end < 0)
        throw LiteralError{start, QStringLiteral("the phrase that begins here has no closing "
                                                 "double quote")};
    pos = end + 1;
    return text.mid(start + 1, end - start - 1);
}

std::vector<FtToken> tokenizeContains(const QString& text) {
    static const QString separators = QStringLiteral("\"()|~&,");
    std::vector<FtToken> tokens;
    qsizetype pos = 0;
    for (;;) {
        while (pos < text.size() && text[pos].isSpace())
            ++pos;
        if (pos >= text.size())
            break;
        const qsizetype start = pos;
        const QChar c = text[pos];
        if (c == QLatin1Char('"')) {
            tokens.push_back({FtToken::Kind::Phrase, readPhrase(text, start, pos), start});
        } else if (c == QLatin1Char('&') && pos + 1 < text.size() &&
                   text[pos + 1] == QLatin1Char('!')) {
            tokens.push_back({FtToken::Kind::Symbol, QStringLiteral("&!"), start});
            pos += 2;
        } else if (separators.contains(c)) {
            tokens.push_back({FtToken::Kind::Symbol, QString(c), start});
            ++pos;
        } else {
            while (pos < text.size() && !text[pos].isSpace() && !separators.contains(text[pos]))
                ++pos;
            tokens.push_back({FtToken::Kind::Word, text.mid(start, pos - start), start});
        }
    }
    tokens.push_back({FtToken::Kind::End, QString(), text.size()});
    return tokens;
}

// A word or phrase ending in '*' asks for every word that begins with it.
FullTextExpr termOf(QString words, qsizetype offset) {
    words = words.trimmed();
    const bool prefix = words.endsWith(QLatin1Char('*'));
    if (prefix)
        words = words.chopped(1).trimmed();
    if (words.isEmpty())
        throw LiteralError{offset, QStringLiteral("a word or phrase is empty")};
    return FullTextExpr::term(words, prefix);
}

// Crude English stemming for FORMSOF(INFLECTIONAL, ...): the stem is then
// matched as a prefix, so "running" also finds "run" and "runs".
QString stemOf(const QString& word) {
    static const QStringList suffixes = {QStringLiteral("ing"), QStringLiteral("ed"),
                                         QStringLiteral("es"), QStringLiteral("s")};
    const QString lower = word.toLower();
    for (const QString& suffix : suffixes) {
        if (lower.endsWith(suffix) && lower.size() - suffix.size() >= 3)
            return lower.chopped(suffix.size());
    }
    return lower;
}

class ContainsParser {
public:
    explicit ContainsParser(const QString& text) : tokens_(tokenizeContains(text)) {}

    FullTextExpr parse() {
        if (current().kind == FtToken::Kind::End)
            throw LiteralError{0, QStringLiteral("the full-text condition is empty")};
        FullTextExpr expr = parseOr();
        if (current().kind != FtToken::Kind::End)
            fail(QStringLiteral("AND, OR, NEAR or the end of the condition"));
        return expr;
    }

private:
    const FtToken& current() const { return tokens_[index_]; }
    void advance() { ++index_; }

    [[noreturn]] void fail(const QString& expected) const {
        throw LiteralError{
            current().offset,
            QStringLiteral("expected %1 but found %2").arg(expected, current().describe())};
    }

    bool isOperatorWord(const FtToken& t) const {
        return t.isKeyword(QLatin1String("AND")) || t.isKeyword(QLatin1String("OR")) ||
               t.isKeyword(QLatin1String("NOT")) || t.isKeyword(QLatin1String("NEAR"));
    }

    // Operands joined by one operator (its keyword or its symbol) become one
    // node; a single operand stands for itself.
    template <typename ParseOperand>
    FullTextExpr parseJoined(FullTextExpr::Kind kind, const char* keyword, const char* symbol,
                             ParseOperand parseOperand) {
        std::vector<FullTextExpr> operands{parseOperand()};
        while (current().isKeyword(QLatin1String(keyword)) ||
               current().isSymbol(QLatin1String(symbol))) {
            advance();
            operands.push_back(parseOperand());
        }
        return operands.size() == 1 ? std::move(operands.front())
                                    : FullTextExpr::combine(kind, std::move(operands));
    }

    FullTextExpr parseOr() {
        return parseJoined(FullTextExpr::Kind::Or, "OR", "|", [this] { return parseAnd(); });
    }

    // A run of ANDs stays one node; AND NOT takes everything before it.
    FullTextExpr parseAnd() {
        FullTextExpr left = parseNear();
        for (;;) {
            bool negated = false;
            if (current().isSymbol(QLatin1String("&!"))) {
                advance();
                negated = true;
            } else if (current().isKeyword(QLatin1String("AND")) ||
                       current().isSymbol(QLatin1String("&"))) {
                advance();
                if (current().isKeyword(QLatin1String("NOT"))) {
                    advance();
                    negated = true;
                }
            } else if (current().isKeyword(QLatin1String("NOT"))) {
                fail(QStringLiteral("AND NOT instead of NOT"));
            } else {
                return left;
            }
            FullTextExpr right = parseNear();
            if (!negated && left.kind == FullTextExpr::Kind::And) {
                left.operands.push_back(std::move(right));
                continue;
            }
            std::vector<FullTextExpr> operands;
            operands.push_back(std::move(left));
            operands.push_back(std::move(right));
            left = FullTextExpr::combine(negated ? FullTextExpr::Kind::AndNot
                                                 : FullTextExpr::Kind::And,
                                         std::move(operands));
        }
    }

    FullTextExpr parseNear() {
        return parseJoined(FullTextExpr::Kind::Near, "NEAR", "~", [this] { return parseUnary(); });
    }

    FullTextExpr parseUnary() {
        const FtToken& t = current();
        if (t.isSymbol(QLatin1String("("))) {
            // Bounded, so that hostile text cannot exhaust the stack.
            if (++depth_ > MaxNesting)
                throw LiteralError{t.offset, QStringLiteral("parentheses are nested more than %1 "
                                                            "deep")
                                                 .arg(MaxNesting)};
            advance();
            FullTextExpr inner = parseOr();
            if (!current().isSymbol(QLatin1String(")")))
                fail(QStringLiteral("')'"));
            advance();
            --depth_;
            return inner;
        }
        if (t.isKeyword(QLatin1String("FORMSOF")) &&
            tokens_[index_ + 1].isSymbol(QLatin1String("(")))
            return parseFormsOf();
        if (t.kind == FtToken::Kind::Phrase) {
            advance();
            return termOf(t.text, t.offset);
        }
        if (t.kind == FtToken::Kind::Word && !isOperatorWord(t))
            return parseWordRun();
        fail(QStringLiteral("a word or a phrase"));
    }

    // Words side by side form a phrase; a prefix word ends it.
    FullTextExpr parseWordRun() {
        const qsizetype offset = current().offset;
        QStringList words;
        while (current().kind == FtToken::Kind::Word && !isOperatorWord(current())) {
            words << current().text;
            advance();
            if (words.last().endsWith(QLatin1Char('*')))
                break;
        }
        return termOf(words.join(QLatin1Char(' ')), offset);
    }

    FullTextExpr parseFormsOf() {
        advance(); // FORMSOF
        advance(); // (
        if (!current().isKeyword(QLatin1String("INFLECTIONAL")))
            fail(QStringLiteral("INFLECTIONAL"));
        advance();
        std::vector<FullTextExpr> forms;
        while (current().isSymbol(QLatin1String(","))) {
            advance();
            const FtToken& word = current();
            if (word.kind != FtToken::Kind::Word && word.kind != FtToken::Kind::Phrase)
                fail(QStringLiteral("a word"));
            forms.push_back(FullTextExpr::term(stemOf(termOf(word.text, word.offset).text), true));
            advance();
        }
        if (forms.empty())
            fail(QStringLiteral("','"));
        if (!current().isSymbol(QLatin1String(")")))
            fail(QStringLiteral("')'"));
        advance();
        return forms.size() == 1 ? std::move(forms.front())
                                 : FullTextExpr::combine(FullTextExpr::Kind::Or, std::move(forms));
    }

    static constexpr int MaxNesting = 100;

    std::vector<FtToken> tokens_;
    std::size_t index_ = 0;
    int depth_ = 0;
};

} // namespace

FullTextExpr parseContainsText(const QString& text) {
    return ContainsParser(text).parse();
}

FullTextExpr parseFreeText(const QString& text) {
    std::vector<FullTextExpr> phrases;
    std::vector<FullTextExpr> words;
    qsizetype pos = 0;
    for (;;) {
        while (pos < text.size() && text[pos].isSpace())
            ++pos;
        if (pos >= text.size())
            break;
        const qsizetype start = pos;
        if (text[pos] == QLatin1Char('"')) {
            const QString phrase = readPhrase(text, start, pos).trimmed();
            if (!phrase.isEmpty())
                phrases.push_back(FullTextExpr::term(phrase, false));
            continue;
        }
        while (pos < text.size() && !text[pos].isSpace() && text[pos] != QLatin1Char('"'))
            ++pos;
        words.push_back(FullTextExpr::term(text.mid(start, pos - start), false));
    }
    if (phrases.empty() && words.empty())
        throw LiteralError{0, QStringLiteral("the free-text condition is empty")};
    if (words.size() > 1)
        words = {FullTextExpr::combine(FullTextExpr::Kind::Or, std::move(words))};
    for (FullTextExpr& w : words)
        phrases.push_back(std::move(w));
    return phrases.size() == 1 ? std::move(phrases.front())
                               : FullTextExpr::combine(FullTextExpr::Kind::And, std::move(phrases));
}

} // namespace tessellon::statement
