// One command line of a sub-command split into its options and its other
// arguments: "--name VALUE" or "--name=VALUE" for an option with a value
// (given again, it adds a value), "--name" for a flag.
#pragma once

#include <QHash>
#include <QSet>
#include <QStringList>

namespace tessellon::admin {

struct CommandOptions {
    QHash<QString, QStringList> values; // in the order given
    QSet<QString> flags;
    QStringList arguments;

    // The last value of an option, or empty.
    QString value(const QString& option) const {
        const QStringList given = values.value(option);
        return given.isEmpty() ? QString() : given.last();
    }
};

// Throws UsageError for an option not named here and for a missing value.
CommandOptions parseOptions(const QStringList& args, const QStringList& withValue,
                            const QStringList& flags = {});

} // namespace tessellon::admin
