#include "gui/FileDialogFilter.h"

namespace tessellon {

namespace {

// The patterns of one entry as Qt matches them: "*.*" becomes "*", and
// every pattern is offered in lower and upper case too.
QStringList qtPatterns(const QString& patterns) {
    QStringList result;
    for (const QString& pattern : patterns.split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        if (trimmed == u"*.*") {
            result << QStringLiteral("*");
            continue;
        }
        result << trimmed << trimmed.toLower() << trimmed.toUpper();
    }
    result.removeDuplicates();
    return result;
}

} // namespace

QStringList qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString label = parts[i];
        const QString patterns = parts[i + 1];
        const QString bracketed = QStringLiteral("(") + patterns + u')';
        if (label.endsWith(bracketed))
            label = label.chopped(bracketed.size()).trimmed();
        filters << label + QStringLiteral(" (") + qtPatterns(patterns).join(u' ') + u')';
    }
    return filters;
}

} // namespace tessellon
