#include "app/CommandLine.h"

namespace tessellon {

std::optional<QString> ParseParam(const QString& argument, BatchOptions& options) {
    QString arg = argument;
    const QString prefix = QStringLiteral("TSSEARCH://");
    // Searched in the argument itself: an upper-cased copy can be longer
    // ("ß" becomes "SS"), and its positions would not fit the original.
    if (const qsizetype at = arg.indexOf(prefix, 0, Qt::CaseInsensitive); at >= 0)
        arg.remove(at, prefix.size());
    while (arg.endsWith(u'/'))
        arg.chop(1);

    if (arg.startsWith(u'/') && arg.size() >= 2) {
        const QString value = arg.mid(2);
        switch (arg[1].toUpper().unicode()) {
        case u'S':
            options.queryFile = value;
            return std::nullopt;
        case u'F':
            options.resultFile = value;
            // Asked for a report without saying where: an exit status of 0
            // would pass for a written report.
            if (value.isEmpty())
                return QStringLiteral("Error: /F needs the path of the report file.");
            return std::nullopt;
        case u'N': {
            options.limitText = value;
            bool ok = false;
            const int limit = value.toInt(&ok);
            if (!ok)
                return QStringLiteral("Error: ") + value + QStringLiteral(" not a number.");
            options.resultLimit = limit;
            return std::nullopt;
        }
        case u'Q':
            options.quit = true;
            return std::nullopt;
        default:
            break;
        }
    }
    if (arg.contains(u".tsn"))
        options.searchFile = arg;
    return std::nullopt;
}

BatchOptions parseArguments(const QStringList& arguments) {
    BatchOptions options;
    for (const QString& argument : arguments)
        ParseParam(argument, options);
    return options;
}

} // namespace tessellon
