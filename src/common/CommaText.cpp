#include "common/CommaText.h"

namespace tessellon::CommaText {

namespace {

bool isBlankOrControl(QChar c) {
    return c.unicode() <= 32;
}

bool needsQuotes(const QString& entry) {
    for (QChar c : entry) {
        if (isBlankOrControl(c) || c == u',' || c == u'"')
            return true;
    }
    return false;
}

QString quoted(const QString& entry) {
    QString doubled = entry;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

// Reads a quoted entry starting at text[pos] == '"'; leaves pos behind the
// closing quote (or at the end when it is missing).
QString readQuoted(const QString& text, qsizetype& pos) {
    QString entry;
    ++pos;
    while (pos < text.size()) {
        const QChar c = text[pos];
        if (c == u'"') {
            if (pos + 1 < text.size() && text[pos + 1] == u'"') {
                entry += u'"';
                pos += 2;
                continue;
            }
            ++pos;
            return entry;
        }
        entry += c;
        ++pos;
    }
    return entry;
}

void skipBlanks(const QString& text, qsizetype& pos) {
    while (pos < text.size() && isBlankOrControl(text[pos]))
        ++pos;
}

} // namespace

QString write(const QStringList& entries) {
    if (entries.size() == 1 && entries.front().isEmpty())
        return QStringLiteral("\"\"");
    QString out;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (i > 0)
            out += u',';
        out += needsQuotes(entries[i]) ? quoted(entries[i]) : entries[i];
    }
    return out;
}

QStringList read(const QString& text) {
    QStringList entries;
    qsizetype pos = 0;
    skipBlanks(text, pos);
    while (pos < text.size()) {
        if (text[pos] == u'"') {
            entries << readQuoted(text, pos);
        } else {
            const qsizetype start = pos;
            while (pos < text.size() && !isBlankOrControl(text[pos]) && text[pos] != u',')
                ++pos;
            entries << text.mid(start, pos - start);
        }
        skipBlanks(text, pos);
        if (pos < text.size() && text[pos] == u',') {
            if (pos + 1 == text.size())
                entries << QString();
            ++pos;
            skipBlanks(text, pos);
        }
    }
    return entries;
}

} // namespace tessellon::CommaText
