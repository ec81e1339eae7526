#include "query/WordSplitting.h"

namespace tessellon {

namespace {

QString trimmedOfControls(const QString& s) {
    qsizetype start = 0;
    qsizetype end = s.size();
    while (start < end && s[start].unicode() <= 32)
        ++start;
    while (end > start && s[end - 1].unicode() <= 32)
        --end;
    return s.mid(start, end - start);
}

QString readQuotedPiece(const QString& text, qsizetype& pos, QChar quote) {
    QString piece;
    ++pos;
    while (pos < text.size()) {
        if (text[pos] == quote) {
            if (pos + 1 < text.size() && text[pos + 1] == quote) {
                piece += quote;
                pos += 2;
                continue;
            }
            ++pos;
            return piece;
        }
        piece += text[pos++];
    }
    return piece;
}

} // namespace

QStringList SplitDelimited(const QString& text, QChar delimiter, QChar quotechar) {
    QStringList list;
    qsizetype pos = 0;
    while (pos < text.size()) {
        if (text[pos] == quotechar) {
            list << readQuotedPiece(text, pos, quotechar);
        } else {
            const qsizetype start = pos;
            while (pos < text.size() && text[pos] != delimiter)
                ++pos;
            list << text.mid(start, pos - start);
        }
        if (pos < text.size() && text[pos] == delimiter) {
            if (pos == text.size() - 1)
                list << QString();
            ++pos;
        }
    }
    for (QString& entry : list)
        entry = trimmedOfControls(entry);
    return list;
}

QStringList GetAllWords(const QString& text, QChar delimiter, QChar quotechar) {
    QStringList words = SplitDelimited(text, delimiter, quotechar);
    for (qsizetype i = words.size() - 1; i >= 0; --i) {
        if (words[i].isEmpty())
            words.removeAt(i);
        else if (words[i].contains(u' ') || words[i].contains(delimiter))
            words[i] = quotechar + words[i] + quotechar;
    }
    return words;
}

QStringList GetAllWords(const ComboBoxModel& acombobox, QChar delimiter, QChar quotechar) {
    return GetAllWords(acombobox.text, delimiter, quotechar);
}

QString QuoteWhole(const QString& text) {
    if (text.isEmpty())
        return text;
    QString quoted = text;
    if (!quoted.startsWith(u'"'))
        quoted.prepend(u'"');
    if (!quoted.endsWith(u'"'))
        quoted.append(u'"');
    return quoted;
}

} // namespace tessellon
