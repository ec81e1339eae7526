#include "CommandOptions.h"

#include "AdminCommand.h"

namespace tessellon::admin {

CommandOptions parseOptions(const QStringList& args, const QStringList& withValue,
                            const QStringList& flags) {
    CommandOptions parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QLatin1String("--"))) {
            parsed.arguments << arg;
            continue;
        }
        const qsizetype equals = arg.indexOf(u'=');
        const QString name = equals < 0 ? arg : arg.left(equals);
        if (flags.contains(arg)) {
            parsed.flags.insert(arg);
        } else if (!withValue.contains(name)) {
            throw UsageError(QStringLiteral("unknown option '%1'").arg(arg));
        } else if (equals >= 0) {
            parsed.values[name] << arg.mid(equals + 1);
        } else if (i + 1 < args.size()) {
            parsed.values[name] << args[++i];
        } else {
            throw UsageError(QStringLiteral("%1 needs a value").arg(name));
        }
    }
    return parsed;
}

} // namespace tessellon::admin
