// The patterns of MATCHES and LIKE, compiled once per statement into a
// matcher that tests whole values, ignoring letter case. SQLite calls it for
// each candidate row through a function the executor registers. Matching
// runs on an automaton (RE2) that takes time linear in the value whatever
// the pattern, so no pattern can make a statement backtrack for minutes.
#pragma once

#include "indexing/statement/AsciiGlob.h"

#include <QString>
#include <memory>

namespace re2 {
class RE2;
}

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

    bool matches(const QString& value) const;
    // The same test on UTF-8 bytes, answered without decoding them when the
    // pattern and the value are plain ASCII; nothing when it cannot say.
    std::optional<bool> matchesAscii(const char* value, qsizetype size) const {
        return glob_ ? glob_->matches(value, size) : std::nullopt;
    }

private:
    PatternMatcher(const QString& regexPattern, std::optional<AsciiGlob> glob);
    std::shared_ptr<const re2::RE2> regex_;
    std::optional<AsciiGlob> glob_;
};

} // namespace tessellon::statement
