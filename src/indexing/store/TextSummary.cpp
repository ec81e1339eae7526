#include "indexing/store/TextSummary.h"

namespace tessellon::TextSummary {

namespace {
constexpr qsizetype Limit = 250;
}

QString characterization(const QString& text) {
    QString out;
    qsizetype lastSentenceEnd = 0;
    qsizetype lastBlank = 0;
    bool pendingBlank = false;
    for (qsizetype i = 0; i < text.size() && out.size() < Limit; ++i) {
        const QChar c = text[i];
        if (c.isSpace()) {
            pendingBlank = !out.isEmpty();
            continue;
        }
        if (pendingBlank) {
            lastBlank = out.size();
            out += QLatin1Char(' ');
            pendingBlank = false;
        }
        out += c;
        if (c == u'.' || c == u'!' || c == u'?')
            lastSentenceEnd = out.size();
    }
    if (out.size() < Limit)
        return out;
    if (lastSentenceEnd > 0)
        return out.left(lastSentenceEnd);
    return lastBlank > 0 ? out.left(lastBlank) : out;
}

} // namespace tessellon::TextSummary
