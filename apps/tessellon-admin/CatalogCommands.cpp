// The sub-commands that change the registry: add, remove, and the state
// changes start, stop, pause and resume.
#include "AdminCommand.h"

#include "indexing/service/LocalCatalogManagement.h"

namespace tessellon::admin {

namespace {

// "--scope DIR" or "--scope=DIR"; advances i past the value.
QString optionValue(const QStringList& args, qsizetype& i, const QString& option) {
    const QString& arg = args[i];
    if (arg.startsWith(option + QLatin1Char('=')))
        return arg.mid(option.size() + 1);
    if (i + 1 >= args.size())
        throw UsageError(QStringLiteral("%1 needs a value").arg(option));
    return args[++i];
}

bool isOption(const QString& arg, const QString& option) {
    return arg == option || arg.startsWith(option + QLatin1Char('='));
}

int changeState(const QStringList& args, QTextStream& out, CatalogChange change, const char* done) {
    const QString name = singleArgument(args, QStringLiteral("catalog name"));
    LocalCatalogManagement().change(name, change);
    out << "Catalog " << name << ' ' << done << ".\n";
    return 0;
}

} // namespace

QString singleArgument(const QStringList& args, const QString& what) {
    if (args.size() != 1 || args.first().startsWith(QLatin1String("--")))
        throw UsageError(QStringLiteral("expects exactly one %1").arg(what));
    return args.first();
}

int addCatalog(const QStringList& args, QTextStream& out, QTextStream&) {
    LocalCatalogManagement management;
    CatalogDraft draft;
    draft.excludes = management.defaultExcludes();
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (isOption(arg, QStringLiteral("--scope")))
            draft.folders << optionValue(args, i, QStringLiteral("--scope"));
        else if (isOption(arg, QStringLiteral("--location")))
            draft.location = optionValue(args, i, QStringLiteral("--location"));
        else if (isOption(arg, QStringLiteral("--exclude")))
            draft.excludes << optionValue(args, i, QStringLiteral("--exclude"));
        else if (arg.startsWith(QLatin1String("--")))
            throw UsageError(QStringLiteral("unknown option '%1'").arg(arg));
        else if (draft.name.isEmpty())
            draft.name = arg;
        else
            throw UsageError(QStringLiteral("unexpected argument '%1'").arg(arg));
    }
    if (draft.name.isEmpty())
        throw UsageError(QStringLiteral("expects a catalog name"));
    if (draft.folders.isEmpty())
        throw UsageError(QStringLiteral("expects at least one --scope folder"));
    const QString location = management.add(draft);
    out << "Catalog " << draft.name << " added (location " << location << ").\n";
    return 0;
}

int removeCatalog(const QStringList& args, QTextStream& out, QTextStream&) {
    const QString name = singleArgument(args, QStringLiteral("catalog name"));
    LocalCatalogManagement().remove(name);
    out << "Catalog " << name << " removed.\n";
    return 0;
}

int startCatalog(const QStringList& args, QTextStream& out, QTextStream&) {
    return changeState(args, out, CatalogChange::Start, "started");
}

int stopCatalog(const QStringList& args, QTextStream& out, QTextStream&) {
    return changeState(args, out, CatalogChange::Stop, "stopped");
}

int pauseCatalog(const QStringList& args, QTextStream& out, QTextStream&) {
    return changeState(args, out, CatalogChange::Pause, "paused");
}

int resumeCatalog(const QStringList& args, QTextStream& out, QTextStream&) {
    return changeState(args, out, CatalogChange::Resume, "resumed");
}

} // namespace tessellon::admin
