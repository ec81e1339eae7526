// The sub-commands that change the registry: add, remove, and the state
// changes start, stop, pause and resume.
#include "AdminCommand.h"

#include "CommandOptions.h"
#include "indexing/service/LocalCatalogManagement.h"

namespace tessellon::admin {

namespace {

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
    const CommandOptions options =
        parseOptions(args, {QStringLiteral("--scope"), QStringLiteral("--location"),
                            QStringLiteral("--exclude")});
    if (options.arguments.size() > 1)
        throw UsageError(QStringLiteral("unexpected argument '%1'").arg(options.arguments[1]));
    CatalogDraft draft;
    draft.name = options.arguments.value(0);
    draft.folders = options.values.value(QStringLiteral("--scope"));
    draft.location = options.value(QStringLiteral("--location"));
    draft.excludes =
        management.defaultExcludes() + options.values.value(QStringLiteral("--exclude"));
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
