// The catalog manager window's logic: the catalogs of this computer with
// their figures and scan progress, the indexing service's state, and the
// commands that add, remove, edit, start, stop, pause, resume and rescan a
// catalog and start or stop the service. Every failure becomes the window's
// message, saying what failed and why; the table shows what is.
#pragma once

#include "common/CatalogManagement.h"
#include "common/ControlModels.h"
#include "common/Platform.h"

#include <functional>

namespace tessellon {

class CatalogManager {
public:
    CatalogManager(CatalogManagement& management, Platform& platform);

    // The table's column captions, in order.
    static const QStringList columnCaptions;

    // --- Controls --------------------------------------------------------
    QList<ManagedCatalog> catalogs;
    int selectedIndex = -1; // kept by name across refreshes
    QString serviceState;
    QString message; // the last command's failure or outcome
    ButtonModel Add, Remove, Edit, Start, Stop, Pause, Resume, Rescan;
    ButtonModel ServiceStart, ServiceStop;

    // The texts of one table cell.
    QString cellText(int row, int column) const;
    // Whether the row's catalog has a scan under way (its progress bar).
    bool scanning(int row) const;

    // --- Operations ------------------------------------------------------
    // Reads the catalogs and the service state again (the window does so
    // every second while it is open).
    void refresh();
    void select(int row);
    // What the add and edit dialogs start from.
    CatalogDraft newDraft();
    CatalogDraft draftOfSelected() const;
    // False, with the reason in `message`, when the catalog could not be
    // added or changed: the dialog then stays open with what was typed.
    bool addCatalog(const CatalogDraft& draft);
    bool editCatalog(const CatalogDraft& draft);
    // Asks first, naming the index that goes and the files that stay.
    void removeSelected();
    void changeSelected(CatalogChange change);
    void rescanSelected();
    void startService();
    void stopService();

private:
    // Runs one command; a failure becomes "Cannot <what>: <why>".
    bool attempt(const QString& what, const std::function<void()>& command);
    void enableButtons();
    const ManagedCatalog* selected() const;

    CatalogManagement& management_;
    Platform& platform_;
    bool serviceRunning_ = false;
    bool readFailed_ = false;
};

} // namespace tessellon
