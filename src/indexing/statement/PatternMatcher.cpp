#include "indexing/statement/PatternMatcher.h"

#include "indexing/statement/SyntaxError.h"

#include <QRegularExpression>
#include <re2/re2.h>

namespace tessellon::statement {

namespace {

// A character as a literal of the expression: ASCII characters other than
// letters, digits and '_' take a backslash; the engine refuses one before a
// letter, a digit, '_' or a character beyond ASCII, which are literals as
// they stand.
QString literal(QChar c) {
    const bool word = c.isLetterOrNumber() || c == QLatin1Char('_');
    return c.unicode() < 0x80 && !word ? QLatin1Char('\\') + QString(c) : QString(c);
}

QString literal(const QString& text) {
    QString out;
    for (const QChar c : text)
        out += literal(c);
    return out;
}

// Copies a character class "[...]" that begins at `pos` into regex syntax and
// moves `pos` behind it. Only '^' at the start and '-' between two
// characters keep a meaning; everything else is a character of the class.
QString translateClass(const QString& pattern, qsizetype& pos) {
    const qsizetype start = pos;
    ++pos;
    QString out = QStringLiteral("[");
    if (pos < pattern.size() && pattern[pos] == QLatin1Char('^')) {
        out += QLatin1Char('^');
        ++pos;
    }
    bool empty = true;
    while (pos < pattern.size() && (pattern[pos] != QLatin1Char(']') || empty)) {
        const QChar c = pattern[pos];
        const bool range = c == QLatin1Char('-') && !empty && pos + 1 < pattern.size() &&
                           pattern[pos + 1] != QLatin1Char(']');
        out += range ? QString(QLatin1Char('-')) : literal(c);
        empty = false;
        ++pos;
    }
    if (pos >= pattern.size())
        throw LiteralError{start, QStringLiteral("the class that begins here has no closing ']'")};
    ++pos;
    return out + QLatin1Char(']');
}

// The count form "|{m|}", "|{m,|}" or "|{m,n|}" beginning at `pos` (at '{').
QString translateCount(const QString& pattern, qsizetype& pos) {
    const qsizetype start = pos - 1;
    const qsizetype end = pattern.indexOf(QLatin1String("|}"), pos);
    if (end < 0)
        throw LiteralError{start, QStringLiteral("the count that begins here has no closing '|}'")};
    const QString inner = pattern.mid(pos + 1, end - pos - 1);
    static const QRegularExpression countForm(QStringLiteral("^(\\d+)(,(\\d*))?$"));
    const auto m = countForm.match(inner);
    if (!m.hasMatch() ||
        (!m.captured(3).isEmpty() && m.captured(3).toInt() < m.captured(1).toInt()))
        throw LiteralError{start, QStringLiteral("expected a count m, m, or m,n between '|{' and "
                                                 "'|}' but found '%1'")
                                      .arg(excerpt(inner))};
    pos = end + 2;
    return QLatin1Char('{') + inner + QLatin1Char('}');
}

QString translateMatches(const QString& pattern) {
    QString out;
    int openGroups = 0;
    bool hasItem = false; // whether a repeat has something to apply to
    qsizetype pos = 0;
    while (pos < pattern.size()) {
        const QChar c = pattern[pos];
        if (c == QLatin1Char('*')) {
            out += QLatin1String(".*");
            ++pos;
        } else if (c == QLatin1Char('?')) {
            out += QLatin1Char('.');
            ++pos;
        } else if (c == QLatin1Char('[')) {
            out += translateClass(pattern, pos);
        } else if (c != QLatin1Char('|')) {
            out += literal(c);
            ++pos;
        } else {
            const qsizetype escapeAt = pos;
            if (pos + 1 >= pattern.size())
                throw LiteralError{escapeAt, QStringLiteral("the escape '|' ends the pattern")};
            const QChar e = pattern[pos + 1];
            pos += 2;
            const bool repeat = e == QLatin1Char('*') || e == QLatin1Char('+') ||
                                e == QLatin1Char('?') || e == QLatin1Char('{');
            if (repeat && !hasItem)
                throw LiteralError{escapeAt, QStringLiteral("'|%1' repeats nothing").arg(e)};
            if (e == QLatin1Char('(')) {
                out += QLatin1String("(?:");
                ++openGroups;
                hasItem = false;
                continue;
            } else if (e == QLatin1Char(')')) {
                if (openGroups == 0)
                    throw LiteralError{escapeAt, QStringLiteral("'|)' closes no group")};
                out += QLatin1Char(')');
                --openGroups;
            } else if (e == QLatin1Char(',')) {
                if (openGroups == 0)
                    throw LiteralError{escapeAt, QStringLiteral("'|,' stands outside a group")};
                out += QLatin1Char('|');
                hasItem = false;
                continue;
            } else if (e == QLatin1Char('{')) {
                out += translateCount(pattern, --pos);
            } else if (repeat) {
                out += e;
            } else if (e == QLatin1Char('|')) {
                out += QLatin1String("\\|");
            } else {
                throw LiteralError{escapeAt, QStringLiteral("unknown escape '|%1'").arg(e)};
            }
            // A repeat must follow an item, not another repeat.
            hasItem = !repeat;
            continue;
        }
        hasItem = true;
    }
    if (openGroups > 0)
        throw LiteralError{pattern.size(), QStringLiteral("a group '|(' is not closed")};
    return out;
}

QString translateLike(const QString& pattern) {
    QString out;
    qsizetype pos = 0;
    while (pos < pattern.size()) {
        const QChar c = pattern[pos];
        if (c == QLatin1Char('%')) {
            out += QLatin1String(".*");
            ++pos;
        } else if (c == QLatin1Char('_')) {
            out += QLatin1Char('.');
            ++pos;
        } else if (c == QLatin1Char('[')) {
            out += translateClass(pattern, pos);
        } else {
            out += literal(c);
            ++pos;
        }
    }
    return out;
}

} // namespace

PatternMatcher::PatternMatcher(const QString& regexPattern, std::optional<AsciiGlob> glob)
    : glob_(std::move(glob)) {
    RE2::Options options;
    options.set_case_sensitive(false);
    options.set_dot_nl(true);
    options.set_log_errors(false);
    const QByteArray utf8 = regexPattern.toUtf8();
    auto regex =
        std::make_shared<const RE2>(re2::StringPiece(utf8.constData(), utf8.size()), options);
    // What the translation cannot rule out, such as a reversed range [z-a]
    // or a count too large for the engine.
    if (!regex->ok())
        throw LiteralError{0, QStringLiteral("the pattern is not valid: %1")
                                  .arg(excerpt(QString::fromStdString(regex->error())))};
    regex_ = std::move(regex);
}

bool PatternMatcher::matches(const QString& value) const {
    const QByteArray utf8 = value.toUtf8();
    return RE2::FullMatch(re2::StringPiece(utf8.constData(), utf8.size()), *regex_);
}

PatternMatcher PatternMatcher::fromMatches(const QString& pattern) {
    return PatternMatcher(
        translateMatches(pattern),
        AsciiGlob::fromPattern(pattern, QLatin1Char('*'), QLatin1Char('?'), QStringLiteral("[|")));
}

PatternMatcher PatternMatcher::exact(const QString& text) {
    return PatternMatcher(literal(text), AsciiGlob::fromPattern(text, QChar(), QChar(), QString()));
}

PatternMatcher PatternMatcher::fromLike(const QString& pattern) {
    return PatternMatcher(
        translateLike(pattern),
        AsciiGlob::fromPattern(pattern, QLatin1Char('%'), QLatin1Char('_'), QStringLiteral("[")));
}

} // namespace tessellon::statement
