// Reading the config text's lines by number, with the value encodings of the
// format (integers, booleans "-1"/"0" or True/False, dates yyyy-MM-dd). A
// missing or unreadable line throws an Error that names the line.
#pragma once

#include <QDate>
#include <QStringList>

namespace tessellon {

class ConfigLines {
public:
    explicit ConfigLines(const QStringList& lines) : lines_(lines) {}

    qsizetype size() const { return lines_.size(); }
    const QString& text(qsizetype index) const;
    int integer(qsizetype index) const;
    bool boolean(qsizetype index) const;
    QDate date(qsizetype index) const;

private:
    [[noreturn]] void fail(qsizetype index, const QString& problem) const;
    const QStringList& lines_;
};

// Booleans as the format writes them.
inline QString booleanText(bool value) {
    return value ? QStringLiteral("-1") : QStringLiteral("0");
}

} // namespace tessellon
