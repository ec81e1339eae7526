#include "support/FakeCatalogManagement.h"

#include "common/Error.h"

using namespace tessellon;

void FakeCatalogManagement::mayFail(const QString& command) {
    if (failing.contains(command))
        throw Error(QStringLiteral("%1 refused").arg(command));
}

QList<ManagedCatalog> FakeCatalogManagement::catalogs() {
    mayFail(QStringLiteral("catalogs"));
    return rows;
}

QString FakeCatalogManagement::add(const CatalogDraft& draft) {
    log << QStringLiteral("add %1 %2 excludes %3")
               .arg(draft.name, draft.folders.join(u';'), draft.excludes.join(u';'));
    mayFail(QStringLiteral("add"));
    ManagedCatalog row;
    row.name = draft.name;
    row.folders = draft.folders;
    row.excludes = draft.excludes;
    row.location = QStringLiteral("/data/catalogs/") + draft.name;
    row.state = QStringLiteral("running");
    rows << row;
    registryExists = true;
    return row.location;
}

QString FakeCatalogManagement::remove(const QString& name) {
    log << QStringLiteral("remove ") + name;
    mayFail(QStringLiteral("remove"));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rows[i].name == name)
            return rows.takeAt(i).location;
    }
    throw Error(QStringLiteral("Catalog '%1' does not exist").arg(name));
}

void FakeCatalogManagement::edit(const CatalogDraft& draft) {
    log << QStringLiteral("edit %1 %2 excludes %3")
               .arg(draft.name, draft.folders.join(u';'), draft.excludes.join(u';'));
    mayFail(QStringLiteral("edit"));
}

void FakeCatalogManagement::change(const QString& name, CatalogChange change) {
    static const char* const words[] = {"start", "stop", "pause", "resume"};
    const QString word = QLatin1String(words[int(change)]);
    log << word + u' ' + name;
    mayFail(word);
}

void FakeCatalogManagement::requestRescan(const QString& name) {
    log << QStringLiteral("rescan ") + name;
    mayFail(QStringLiteral("rescan"));
}

bool FakeCatalogManagement::serviceRunning() {
    return running;
}

void FakeCatalogManagement::startService() {
    log << QStringLiteral("service start");
    mayFail(QStringLiteral("service start"));
    running = true;
}

void FakeCatalogManagement::stopService() {
    log << QStringLiteral("service stop");
    mayFail(QStringLiteral("service stop"));
    running = false;
}
