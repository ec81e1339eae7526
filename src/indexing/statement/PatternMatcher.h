// The patterns of MATCHES and LIKE, compiled once per statement into a
// matcher that tests whole values, ignoring letter case. SQLite calls it for
// each candidate row through a function the executor registers.
#pragma once

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

private:
    explicit PatternMatcher(const QString& regexPattern);
    QRegularExpression regex_;
};

} // namespace tessellon::statement
