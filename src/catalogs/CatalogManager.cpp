#include "catalogs/CatalogManager.h"

#include "common/AdminIndexServer.h"
#include "common/Error.h"

#include <QLocale>

namespace tessellon {

const QStringList CatalogManager::columnCaptions = {
    QStringLiteral("Catalog"),   QStringLiteral("State"),     QStringLiteral("Up to date"),
    QStringLiteral("Folders"),   QStringLiteral("Documents"), QStringLiteral("To filter"),
    QStringLiteral("Size (Mb)"), QStringLiteral("Last scan")};

CatalogManager::CatalogManager(CatalogManagement& management, Platform& platform)
    : management_(management), platform_(platform) {
    Add.caption = QStringLiteral("Add ...");
    Remove.caption = QStringLiteral("Remove");
    Edit.caption = QStringLiteral("Edit ...");
    Start.caption = QStringLiteral("Start");
    Stop.caption = QStringLiteral("Stop");
    Pause.caption = QStringLiteral("Pause");
    Resume.caption = QStringLiteral("Resume");
    Rescan.caption = QStringLiteral("Rescan now");
    ServiceStart.caption = QStringLiteral("Start Indexing Service");
    ServiceStop.caption = QStringLiteral("Stop Indexing Service");
    enableButtons();
}

QString CatalogManager::cellText(int row, int column) const {
    const ManagedCatalog& c = catalogs[row];
    switch (column) {
    case 0:
        return c.name;
    case 1:
        return c.state;
    case 2:
        return c.upToDate;
    case 3:
        return c.folders.join(QStringLiteral("; "));
    case 4:
        return c.documents;
    case 5:
        return c.toFilter;
    case 6:
        return c.sizeMegabytes;
    case 7:
        return c.lastScan.isValid()
                   ? QLocale::c().toString(c.lastScan.toLocalTime(), u"yyyy-MM-dd HH:mm:ss")
                   : QStringLiteral("never");
    default:
        return {};
    }
}

bool CatalogManager::scanning(int row) const {
    return catalogs[row].scanTotal > 0;
}

const ManagedCatalog* CatalogManager::selected() const {
    return selectedIndex >= 0 && selectedIndex < catalogs.size() ? &catalogs[selectedIndex]
                                                                 : nullptr;
}

bool CatalogManager::attempt(const QString& what, const std::function<void()>& command) {
    message.clear();
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        message = QStringLiteral("Cannot %1: %2").arg(what, errorMessage(e));
        return false;
    }
}

void CatalogManager::refresh() {
    const QString selectedName = selected() ? selected()->name : QString();
    // A failed read stays on show until a read succeeds; a command's
    // outcome stays until the next command.
    try {
        serviceRunning_ = management_.serviceRunning();
        catalogs = management_.catalogs();
        if (readFailed_)
            message.clear();
        readFailed_ = false;
    } catch (const std::exception& e) {
        message = QStringLiteral("Cannot read the catalogs: %1").arg(errorMessage(e));
        readFailed_ = true;
    }
    serviceState = serviceStateText(serviceRunning_);
    selectedIndex = -1;
    for (int i = 0; i < catalogs.size(); ++i) {
        if (catalogs[i].name == selectedName)
            selectedIndex = i;
    }
    enableButtons();
}

void CatalogManager::select(int row) {
    selectedIndex = row >= 0 && row < catalogs.size() ? row : -1;
    enableButtons();
}

void CatalogManager::enableButtons() {
    const ManagedCatalog* c = selected();
    // Without the service a catalog's state cannot be read: every change
    // is offered.
    const bool known = c && c->state != NotAccessible;
    Remove.enabled = Edit.enabled = Rescan.enabled = c != nullptr;
    Start.enabled = c && (!known || c->state == u"stopped");
    Stop.enabled = c && (!known || c->state != u"stopped");
    Pause.enabled = c && (!known || c->state == u"running");
    Resume.enabled = c && (!known || c->state == u"paused");
    ServiceStart.enabled = !serviceRunning_;
    ServiceStop.enabled = serviceRunning_;
}

CatalogDraft CatalogManager::newDraft() {
    CatalogDraft draft;
    attempt(QStringLiteral("read the default excludes"),
            [&] { draft.excludes = management_.defaultExcludes(); });
    return draft;
}

CatalogDraft CatalogManager::draftOfSelected() const {
    const ManagedCatalog* c = selected();
    return c ? CatalogDraft{c->name, c->folders, c->excludes, c->location} : CatalogDraft{};
}

bool CatalogManager::addCatalog(const CatalogDraft& draft) {
    QString location;
    const bool added = attempt(QStringLiteral("add the catalog %1").arg(draft.name),
                               [&] { location = management_.add(draft); });
    if (added)
        message = QStringLiteral("Catalog %1 added; its index is in %2").arg(draft.name, location);
    refresh();
    return added;
}

bool CatalogManager::editCatalog(const CatalogDraft& draft) {
    const bool changed = attempt(QStringLiteral("change the catalog %1").arg(draft.name),
                                 [&] { management_.edit(draft); });
    if (changed)
        message = QStringLiteral("Catalog %1 changed").arg(draft.name);
    refresh();
    return changed;
}

void CatalogManager::removeSelected() {
    const ManagedCatalog* c = selected();
    if (!c)
        return;
    const QString name = c->name;
    const QString question =
        QStringLiteral("Remove the catalog %1?\r\n\r\nIts index in %2 is deleted. The files it "
                       "indexed (%3) stay as they are.")
            .arg(name, c->location, c->folders.join(QStringLiteral("; ")));
    if (!platform_.askYesNo(QStringLiteral("Remove Catalog"), question, Answer::No))
        return;
    if (attempt(QStringLiteral("remove the catalog %1").arg(name),
                [&] { management_.remove(name); }))
        message = QStringLiteral("Catalog %1 removed").arg(name);
    refresh();
}

void CatalogManager::changeSelected(CatalogChange change) {
    const ManagedCatalog* c = selected();
    if (!c)
        return;
    static const char* const verbs[] = {"start", "stop", "pause", "resume"};
    const QString name = c->name;
    attempt(QStringLiteral("%1 the catalog %2").arg(QLatin1String(verbs[int(change)]), name),
            [&] { management_.change(name, change); });
    refresh();
}

void CatalogManager::rescanSelected() {
    const ManagedCatalog* c = selected();
    if (!c)
        return;
    const QString name = c->name;
    if (attempt(QStringLiteral("rescan the catalog %1").arg(name),
                [&] { management_.requestRescan(name); }))
        message = serviceRunning_
                      ? QStringLiteral("Rescan of %1 requested").arg(name)
                      : QStringLiteral("Rescan of %1 requested; it starts when the Indexing "
                                       "Service starts")
                            .arg(name);
    refresh();
}

void CatalogManager::startService() {
    platform_.setBusyCursor();
    attempt(QStringLiteral("start the Indexing Service"), [&] { management_.startService(); });
    platform_.setNormalCursor();
    refresh();
}

void CatalogManager::stopService() {
    platform_.setBusyCursor();
    attempt(QStringLiteral("stop the Indexing Service"), [&] { management_.stopService(); });
    platform_.setNormalCursor();
    refresh();
}

} // namespace tessellon
