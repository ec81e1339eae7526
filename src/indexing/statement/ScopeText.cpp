#include "indexing/statement/ScopeText.h"

#include "indexing/statement/SyntaxError.h"

namespace tessellon::statement {

namespace {

class ScopeReader {
public:
    explicit ScopeReader(const QString& text) : text_(text) {}

    std::vector<ScopeFolder> read() {
        bool deep = true;
        if (takeWord(QLatin1String("DEEP"))) {
            expectTraversalOf();
        } else if (takeWord(QLatin1String("SHALLOW"))) {
            deep = false;
            expectTraversalOf();
        }
        std::vector<ScopeFolder> folders;
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == QLatin1Char('(')) {
            ++pos_;
            do {
                folders.push_back({readPath(true), deep});
                skipBlanks();
            } while (takeChar(QLatin1Char(',')));
            if (!takeChar(QLatin1Char(')')))
                fail(QStringLiteral("',' or ')'"));
        } else {
            folders.push_back({readPath(false), deep});
        }
        skipBlanks();
        if (pos_ < text_.size())
            fail(QStringLiteral("the end of the scope"));
        return folders;
    }

private:
    void skipBlanks() {
        while (pos_ < text_.size() && text_[pos_].isSpace())
            ++pos_;
    }

    [[noreturn]] void fail(const QString& expected) const {
        const QString found = pos_ < text_.size() ? QStringLiteral("'%1'").arg(text_[pos_])
                                                  : QStringLiteral("the end of the scope");
        throw LiteralError{pos_, QStringLiteral("expected %1 but found %2").arg(expected, found)};
    }

    bool takeChar(QChar c) {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool takeWord(QLatin1String word) {
        skipBlanks();
        const qsizetype end = pos_ + word.size();
        if (text_.mid(pos_, word.size()).compare(word, Qt::CaseInsensitive) != 0 ||
            (end < text_.size() && !text_[end].isSpace()))
            return false;
        pos_ = end;
        return true;
    }

    void expectTraversalOf() {
        if (!takeWord(QLatin1String("TRAVERSAL")))
            fail(QStringLiteral("TRAVERSAL"));
        if (!takeWord(QLatin1String("OF")))
            fail(QStringLiteral("OF"));
    }

    // A quoted path; without quotes it runs to the next blank (or, inside a
    // list, to the next comma or closing parenthesis).
    QString readPath(bool inList) {
        skipBlanks();
        const qsizetype start = pos_;
        if (pos_ < text_.size() && text_[pos_] == QLatin1Char('"')) {
            const qsizetype end = text_.indexOf(QLatin1Char('"'), pos_ + 1);
            if (end < 0)
                throw LiteralError{start, QStringLiteral("the path that begins here has no "
                                                         "closing double quote")};
            pos_ = end + 1;
            const QString path = text_.mid(start + 1, end - start - 1);
            if (path.isEmpty())
                throw LiteralError{start, QStringLiteral("a path is empty")};
            return path;
        }
        while (pos_ < text_.size() && !text_[pos_].isSpace() &&
               !(inList && (text_[pos_] == QLatin1Char(',') || text_[pos_] == QLatin1Char(')'))))
            ++pos_;
        if (pos_ == start)
            fail(QStringLiteral("a path"));
        return text_.mid(start, pos_ - start);
    }

    const QString& text_;
    qsizetype pos_ = 0;
};

} // namespace

std::vector<ScopeFolder> parseScopeText(const QString& text) {
    return ScopeReader(text).read();
}

} // namespace tessellon::statement
