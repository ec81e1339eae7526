#include "indexing/filters/RtfFilter.h"

#include "indexing/filters/FilterLimits.h"

#include <QList>
#include <QRegularExpression>
#include <QStringDecoder>

namespace tessellon::RtfFilter {

namespace {

// Info holds the named properties and no text of its own.
enum class Target { Body, Skip, Info, Title, Subject, Author, Keywords, Comments };

struct Group {
    Target target = Target::Body;
    int unicodeSkip = 1;
};

Target destinationFor(const QByteArray& word, Target current) {
    if (word == "title")
        return Target::Title;
    if (word == "subject")
        return Target::Subject;
    if (word == "author")
        return Target::Author;
    if (word == "keywords")
        return Target::Keywords;
    if (word == "doccomm")
        return Target::Comments;
    static const QList<QByteArray> skipped{
        "fonttbl", "colortbl",  "stylesheet", "pict",     "header",    "footer",
        "object",  "themedata", "datastore",  "xmlnstbl", "listtable", "listoverridetable",
        "rsidtbl", "generator", "operator",   "company",  "category"};
    if (word == "info")
        return Target::Info;
    if (skipped.contains(word))
        return Target::Skip;
    return current;
}

} // namespace

FilterResult extract(const QByteArray& bytes, const FilterBudget& budget) {
    FilterResult r;
    if (!bytes.startsWith("{\\rtf"))
        return FilterResult::failed(QStringLiteral("not an RTF document"));
    r.state = FilterState::Filtered;
    QString title, subject, author, keywords, comments;
    QList<Group> stack{Group{}};
    QStringDecoder windows1252("windows-1252");
    int pendingSkip = 0; // characters still to skip after a \uN
    auto emit = [&](const QString& s) {
        switch (stack.last().target) {
        case Target::Body:
            r.text += s;
            break;
        case Target::Title:
            title += s;
            break;
        case Target::Subject:
            subject += s;
            break;
        case Target::Author:
            author += s;
            break;
        case Target::Keywords:
            keywords += s;
            break;
        case Target::Comments:
            comments += s;
            break;
        case Target::Skip:
        case Target::Info:
            break;
        }
    };
    bool destinationNext = false;
    const qsizetype n = bytes.size();
    qsizetype steps = 0;
    for (qsizetype i = 0; i < n && r.text.size() < FilterLimits::MaxTextChars; ++i) {
        if (++steps % 65536 == 0)
            budget.check();
        const char c = bytes[i];
        if (c == '{') {
            if (stack.size() < FilterLimits::MaxNestingDepth)
                stack << stack.last();
            continue;
        }
        if (c == '}') {
            if (stack.size() > 1)
                stack.removeLast();
            continue;
        }
        if (c == '\r' || c == '\n')
            continue;
        if (c != '\\') {
            if (pendingSkip > 0) {
                --pendingSkip;
                continue;
            }
            emit(QString(QLatin1Char(c)));
            continue;
        }
        if (++i >= n)
            break;
        const char next = bytes[i];
        if (next == '\'' && i + 2 < n) {
            const QByteArray hex = bytes.mid(i + 1, 2);
            i += 2;
            if (pendingSkip > 0) {
                --pendingSkip;
                continue;
            }
            bool ok = false;
            const char byte = char(hex.toInt(&ok, 16));
            if (ok)
                emit(windows1252.decode(QByteArray(1, byte)));
            continue;
        }
        if (next == '*') {
            destinationNext = true;
            continue;
        }
        if (!std::isalpha(static_cast<unsigned char>(next))) {
            if (next == '~')
                emit(QStringLiteral(" "));
            else if (next == '\\' || next == '{' || next == '}')
                emit(QString(QLatin1Char(next)));
            continue;
        }
        qsizetype j = i;
        while (j < n && std::isalpha(static_cast<unsigned char>(bytes[j])))
            ++j;
        const QByteArray word = bytes.mid(i, j - i);
        qsizetype k = j;
        if (k < n && (bytes[k] == '-' || std::isdigit(static_cast<unsigned char>(bytes[k])))) {
            ++k;
            while (k < n && std::isdigit(static_cast<unsigned char>(bytes[k])) && k - j < 12)
                ++k;
        }
        const int parameter = bytes.mid(j, k - j).toInt();
        i = (k < n && bytes[k] == ' ') ? k : k - 1;
        if (destinationNext) {
            destinationNext = false;
            const Target t = destinationFor(word, Target::Skip);
            stack.last().target = t;
            continue;
        }
        if (word == "par" || word == "line" || word == "row" || word == "sect" || word == "page")
            emit(QStringLiteral("\n"));
        else if (word == "tab" || word == "cell")
            emit(QStringLiteral("\t"));
        else if (word == "uc")
            stack.last().unicodeSkip = parameter;
        else if (word == "u") {
            const char16_t unit = char16_t(parameter < 0 ? parameter + 65536 : parameter);
            emit(QString(QChar(unit)));
            pendingSkip = stack.last().unicodeSkip;
        } else if (stack.last().target != Target::Skip) {
            stack.last().target = destinationFor(word, stack.last().target);
        }
    }
    r.title = title.simplified();
    r.subject = subject.simplified();
    r.author = author.simplified();
    r.comments = comments.simplified();
    for (const QString& k : keywords.split(QRegularExpression(QStringLiteral("[,;]"))))
        if (!k.trimmed().isEmpty())
            r.keywords << k.trimmed();
    r.text.truncate(FilterLimits::MaxTextChars);
    return r;
}

} // namespace tessellon::RtfFilter
