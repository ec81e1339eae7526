// A fast path for the most common patterns ("*.txt", "budget.xls",
// "report%"): wildcards and ASCII letters only, matched directly on a
// value's UTF-8 bytes without decoding it. Values with other characters, and
// patterns with classes, groups or counts, go to the full matcher.
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace tessellon::statement {

class AsciiGlob {
public:
    // The glob of a pattern whose only special characters are anyRun and
    // anyOne (either may be a null QChar for none); nothing when the pattern
    // holds a non-ASCII character or one of `unsupported`.
    static std::optional<AsciiGlob> fromPattern(const QString& pattern, QChar anyRun, QChar anyOne,
                                                const QString& unsupported);

    // Whole-value match ignoring ASCII letter case; nothing when the value
    // holds a byte outside ASCII (the caller then asks the full matcher).
    std::optional<bool> matches(const char* value, qsizetype size) const;

private:
    static constexpr int AnyRun = -1;
    static constexpr int AnyOne = -2;
    std::vector<int> items_; // lower-case ASCII characters or AnyRun/AnyOne
};

} // namespace tessellon::statement
