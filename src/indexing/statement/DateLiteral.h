// Date literals of conditions: 'yyyy-mm-dd' or 'yyyy/mm/dd', optionally with
// ' hh:mm:ss[.fff]'. With a time of day the literal is one instant in UTC; a
// date alone is the whole calendar day in the user's local time.
#pragma once

#include <QString>
#include <cstdint>

namespace tessellon::statement {

struct DateLiteral {
    std::int64_t firstMs = 0; // first millisecond it names, since the epoch
    std::int64_t lastMs = 0;  // last millisecond (equal to firstMs for an instant)
};

// Throws LiteralError when the text is no such date.
DateLiteral parseDateLiteral(const QString& text);

} // namespace tessellon::statement
