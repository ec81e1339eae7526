#include "indexing/statement/FullTextQuery.h"

#include "indexing/statement/SyntaxError.h"

#include <QRegularExpression>

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
            return QStringLiteral("the phrase \"%1\"").arg(excerpt(text));
        default:
            return QStringLiteral("'%1'").arg(excerpt(text));
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
    const FtToken& next() const { return tokens_[std::min(index_ + 1, tokens_.size() - 1)]; }
    void advance() { ++index_; }

    [[noreturn]] void fail(const QString& expected) const {
        throw LiteralError{
            current().offset,
            QStringLiteral("expected %1 but found %2").arg(expected, current().describe())};
    }
    [[noreturn]] static void failTooDeep(qsizetype offset) {
        throw LiteralError{
            offset,
            QStringLiteral("the condition is nested more than %1 deep").arg(MaxFullTextDepth)};
    }
    static FullTextExpr bounded(FullTextExpr expr, qsizetype offset) {
        if (expr.depth > MaxFullTextDepth)
            failTooDeep(offset);
        return expr;
    }

    bool isOperatorWord(const FtToken& t) const {
        return t.isKeyword(QLatin1String("AND")) || t.isKeyword(QLatin1String("OR")) ||
               t.isKeyword(QLatin1String("NOT")) || t.isKeyword(QLatin1String("NEAR"));
    }
    // Whether the token can begin an operand: a word (operator words included,
    // as words stand where an operand is expected), a phrase or '('.
    static bool beginsOperand(const FtToken& t) {
        return t.kind == FtToken::Kind::Word || t.kind == FtToken::Kind::Phrase ||
               t.isSymbol(QLatin1String("("));
    }

    // Operands joined by one operator (its keyword or its symbol) become one
    // node; a single operand stands for itself.
    template <typename ParseOperand>
    FullTextExpr parseJoined(FullTextExpr::Kind kind, const char* keyword, const char* symbol,
                             ParseOperand parseOperand) {
        const qsizetype offset = current().offset;
        std::vector<FullTextExpr> operands{parseOperand()};
        while (current().isKeyword(QLatin1String(keyword)) ||
               current().isSymbol(QLatin1String(symbol))) {
            advance();
            operands.push_back(parseOperand());
        }
        return operands.size() == 1
                   ? std::move(operands.front())
                   : bounded(FullTextExpr::combine(kind, std::move(operands)), offset);
    }

    FullTextExpr parseOr() {
        return parseJoined(FullTextExpr::Kind::Or, "OR", "|", [this] { return parseAnd(); });
    }

    // A run of ANDs stays one node; AND NOT takes everything before it.
    FullTextExpr parseAnd() {
        FullTextExpr left = parseNear();
        for (;;) {
            const qsizetype offset = current().offset;
            bool negated = false;
            if (current().isSymbol(QLatin1String("&!"))) {
                advance();
                negated = true;
            } else if (current().isKeyword(QLatin1String("AND")) ||
                       current().isSymbol(QLatin1String("&"))) {
                advance();
                // "AND NOT" at the end, or before an operator, ends with the word "not".
                if (current().isKeyword(QLatin1String("NOT")) && beginsOperand(next())) {
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
                left.depth = std::max(left.depth, right.depth + 1);
                left.operands.push_back(std::move(right));
                left = bounded(std::move(left), offset);
                continue;
            }
            std::vector<FullTextExpr> operands;
            operands.push_back(std::move(left));
            operands.push_back(std::move(right));
            left = bounded(FullTextExpr::combine(negated ? FullTextExpr::Kind::AndNot
                                                         : FullTextExpr::Kind::And,
                                                 std::move(operands)),
                           offset);
        }
    }

    FullTextExpr parseNear() {
        const qsizetype offset = current().offset;
        FullTextExpr near =
            parseJoined(FullTextExpr::Kind::Near, "NEAR", "~", [this] { return parseUnary(); });
        if (near.kind == FullTextExpr::Kind::Near && near.operands.size() > MaxNearOperands)
            throw LiteralError{
                offset,
                QStringLiteral("NEAR joins at most %1 words or phrases").arg(MaxNearOperands)};
        return near;
    }

    FullTextExpr parseUnary() {
        const FtToken& t = current();
        if (t.isSymbol(QLatin1String("("))) {
            // Bounded, so that hostile text cannot exhaust the stack.
            if (++depth_ > MaxFullTextDepth)
                failTooDeep(t.offset);
            advance();
            FullTextExpr inner = parseOr();
            if (!current().isSymbol(QLatin1String(")")))
                fail(QStringLiteral("')'"));
            advance();
            --depth_;
            return inner;
        }
        if (t.isKeyword(QLatin1String("FORMSOF")) && next().isSymbol(QLatin1String("(")))
            return parseFormsOf();
        if (t.kind == FtToken::Kind::Phrase) {
            advance();
            return termOf(t.text, t.offset);
        }
        if (t.kind == FtToken::Kind::Word)
            return parseWordRun();
        fail(QStringLiteral("a word or a phrase"));
    }

    // Words side by side form a phrase; a prefix word ends it. The first word
    // is a word even when it spells an operator.
    FullTextExpr parseWordRun() {
        const qsizetype offset = current().offset;
        QStringList words;
        do {
            words << current().text;
            advance();
            if (words.last().endsWith(QLatin1Char('*')))
                break;
        } while (current().kind == FtToken::Kind::Word && !isOperatorWord(current()));
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

    std::vector<FtToken> tokens_;
    std::size_t index_ = 0;
    int depth_ = 0;
};

} // namespace

FullTextExpr parseContainsText(const QString& text) {
    return ContainsParser(text).parse();
}

FullTextExpr parseFreeText(const QString& text) {
    std::vector<FullTextExpr> terms;
    qsizetype pos = 0;
    for (;;) {
        while (pos < text.size() && text[pos].isSpace())
            ++pos;
        if (pos >= text.size())
            break;
        const qsizetype start = pos;
        if (text[pos] == QLatin1Char('"')) {
            const QStringList words =
                readPhrase(text, start, pos)
                    .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
            for (const QString& word : words)
                terms.push_back(FullTextExpr::term(word, false));
            if (words.size() > 1)
                terms.push_back(FullTextExpr::term(words.join(QLatin1Char(' ')), false));
            continue;
        }
        while (pos < text.size() && !text[pos].isSpace() && text[pos] != QLatin1Char('"'))
            ++pos;
        terms.push_back(FullTextExpr::term(text.mid(start, pos - start), false));
    }
    if (terms.empty())
        throw LiteralError{0, QStringLiteral("the free-text condition is empty")};
    return terms.size() == 1 ? std::move(terms.front())
                             : FullTextExpr::combine(FullTextExpr::Kind::Or, std::move(terms));
}

} // namespace tessellon::statement
