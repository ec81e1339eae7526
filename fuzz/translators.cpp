// The texts inside CONTAINS, FREETEXT, MATCHES and LIKE: the first byte picks
// which reader gets the rest. A full-text tree that is read must translate
// into the index's query syntax; a pattern that compiles must then test a
// few values.
#include "FuzzSupport.h"

#include "indexing/statement/Fts5Expression.h"
#include "indexing/statement/FullTextQuery.h"
#include "indexing/statement/PatternMatcher.h"
#include "indexing/statement/SyntaxError.h"

using namespace tessellon::statement;

namespace {

void fullText(const FullTextExpr& expr) {
    const QString fts5 = toFts5(expr);
    restrictToColumns(fts5, QStringList{QStringLiteral("title"), QStringLiteral("body")});
}

void pattern(const PatternMatcher& matcher, const QString& text) {
    for (const QString& value :
         {text, QStringLiteral("report 2014.txt"), QString(), QStringLiteral("CAFÉ-Ünïcode ß")}) {
        const bool plain = matcher.matches(value);
        const QByteArray utf8 = value.toUtf8();
        const std::optional<bool> ascii = matcher.matchesAscii(utf8.constData(), utf8.size());
        // Where the ASCII path answers it must agree with the full matcher.
        if (ascii && *ascii != plain)
            abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const QString text = QString::fromUtf8(tessellon::fuzz::bytes(data + 1, size - 1));
    try {
        switch (data[0] % 4) {
        case 0:
            fullText(parseContainsText(text));
            break;
        case 1:
            fullText(parseFreeText(text));
            break;
        case 2:
            pattern(PatternMatcher::fromMatches(text), text);
            break;
        default:
            pattern(PatternMatcher::fromLike(text), text);
            break;
        }
    } catch (const LiteralError&) {
    }
    return 0;
}
