// The sub-commands that change the registry: add, remove, and the state
// changes start, stop, pause and resume.
#include "AdminCommand.h"

#include "indexing/registry/CatalogRegistry.h"
#include "indexing/registry/ServicePaths.h"
#include "indexing/store/IndexStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tessellon::admin {

namespace {

CatalogRegistry registry() {
    return CatalogRegistry(ServicePaths::registryFile());
}

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

int changeState(const QStringList& args, QTextStream& out, CatalogState state, const char* done) {
    const QString name = singleArgument(args, QStringLiteral("catalog name"));
    QString registered;
    registry().modify([&](QList<CatalogEntry>& catalogs) {
        const qsizetype i = CatalogRegistry::indexOf(catalogs, name);
        if (i < 0)
            throw Error(QStringLiteral("Catalog '%1' does not exist").arg(name));
        catalogs[i].state = state;
        registered = catalogs[i].name;
    });
    out << "Catalog " << registered << ' ' << done << ".\n";
    return 0;
}

} // namespace

QString singleArgument(const QStringList& args, const QString& what) {
    if (args.size() != 1 || args.first().startsWith(QLatin1String("--")))
        throw UsageError(QStringLiteral("expects exactly one %1").arg(what));
    return args.first();
}

int addCatalog(const QStringList& args, QTextStream& out, QTextStream&) {
    CatalogEntry entry;
    entry.excludes = defaultExcludePatterns();
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (isOption(arg, QStringLiteral("--scope")))
            entry.scopes << optionValue(args, i, QStringLiteral("--scope"));
        else if (isOption(arg, QStringLiteral("--location")))
            entry.location = optionValue(args, i, QStringLiteral("--location"));
        else if (isOption(arg, QStringLiteral("--exclude")))
            entry.excludes << optionValue(args, i, QStringLiteral("--exclude"));
        else if (arg.startsWith(QLatin1String("--")))
            throw UsageError(QStringLiteral("unknown option '%1'").arg(arg));
        else if (entry.name.isEmpty())
            entry.name = arg;
        else
            throw UsageError(QStringLiteral("unexpected argument '%1'").arg(arg));
    }
    if (entry.name.isEmpty())
        throw UsageError(QStringLiteral("expects a catalog name"));
    CatalogRegistry::checkName(entry.name);
    if (entry.scopes.isEmpty())
        throw UsageError(QStringLiteral("expects at least one --scope folder"));
    for (QString& scope : entry.scopes) {
        const QFileInfo info(scope);
        if (!info.isDir())
            throw Error(QStringLiteral("Scope folder '%1' does not exist").arg(scope));
        scope = QDir::cleanPath(info.absoluteFilePath());
    }
    entry.location = entry.location.isEmpty()
                         ? ServicePaths::defaultLocation(entry.name)
                         : QDir::cleanPath(QFileInfo(entry.location).absoluteFilePath());
    registry().modify([&](QList<CatalogEntry>& catalogs) {
        const qsizetype i = CatalogRegistry::indexOf(catalogs, entry.name);
        if (i >= 0)
            throw Error(QStringLiteral("Catalog '%1' already exists").arg(catalogs[i].name));
        if (!QDir().mkpath(entry.location))
            throw FileError(QStringLiteral("Cannot create the location %1").arg(entry.location));
        // An empty store at once, so the new catalog answers queries (with
        // no rows) before its first scan.
        IndexStore store(ServicePaths::storeFile(entry.location));
        catalogs << entry;
    });
    out << "Catalog " << entry.name << " added (location " << entry.location << ").\n";
    return 0;
}

int removeCatalog(const QStringList& args, QTextStream& out, QTextStream&) {
    const QString name = singleArgument(args, QStringLiteral("catalog name"));
    CatalogEntry removed;
    registry().modify([&](QList<CatalogEntry>& catalogs) {
        const qsizetype i = CatalogRegistry::indexOf(catalogs, name);
        if (i < 0)
            throw Error(QStringLiteral("Catalog '%1' does not exist").arg(name));
        removed = catalogs.takeAt(i);
    });
    // Only the store's own files go; the folder stays when it holds others.
    const QString store = ServicePaths::storeFile(removed.location);
    for (const char* suffix : {"", "-wal", "-shm", ".writer"})
        QFile::remove(store + QLatin1String(suffix));
    QDir().rmdir(removed.location);
    out << "Catalog " << removed.name << " removed.\n";
    return 0;
}

int startCatalog(const QStringList& args, QTextStream& out, QTextStream&) {
    return changeState(args, out, CatalogState::Running, "started");
}

int stopCatalog(const QStringList& args, QTextStream& out, QTextStream&) {
    return changeState(args, out, CatalogState::Stopped, "stopped");
}

int pauseCatalog(const QStringList& args, QTextStream& out, QTextStream&) {
    return changeState(args, out, CatalogState::Paused, "paused");
}

int resumeCatalog(const QStringList& args, QTextStream& out, QTextStream&) {
    return changeState(args, out, CatalogState::Running, "resumed");
}

} // namespace tessellon::admin
