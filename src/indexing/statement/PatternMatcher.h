// The patterns of MATCHES and LIKE, compiled once per statement into a
// matcher that tests whole values, ignoring letter case. SQLite calls it for
// each candidate row through a function the executor registers.
#pragma once

#include "indexing/statement/AsciiGlob.h"

#include <QRegularExpression>
#include <QString>

namespace tessellon::statement {

class PatternMatcher {
public:
    // MATCHES: * any run, ? any one character, [...] classes ([^...] negated);
    // after the escape '|': |( |) groups, |, alternatives, |* |+ |? repeats of
    // the preceding item, |{m|} |{m,|} |{m,n|} counts. Throws LiteralError.
    static PatternMatcher fromMatches(const QString& pattern);
    // LIKE: % any run, _ any one character, [...] classes. Throws LiteralError.
    static PatternMatcher fromLike(const QString& pattern);
    // The text itself, letter case ignored.
    static PatternMatcher exact(const QString& text);

    bool matches(const QString& value) const { return regex_.match(value).hasMatch(); }
    // The same test on UTF-8 bytes, answered without decoding them when the
    // pattern and the value are plain ASCII; nothing when it cannot say.
    std::optional<bool> matchesAscii(const char* value, qsizetype size) const {
        return glob_ ? glob_->matches(value, size) : std::nullopt;
    }

private:
    PatternMatcher(const QString& regexPattern, std::optional<AsciiGlob> glob);
    QRegularExpression regex_;
    std::optional<AsciiGlob> glob_;
};

} // namespace tessellon::statement
