// Managing the catalogs of this computer and its indexing service: what the
// catalog manager window and tessellon-admin both do, through one
// implementation. The local implementation changes the catalog registry and
// the index stores; tests use fakes. Every operation may throw Error with a
// message that says what failed and why; a failed change leaves the registry
// as it was.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace tessellon {

// A catalog as the user declares it when adding or editing one.
struct CatalogDraft {
    QString name;
    QStringList folders;
    QStringList excludes;
    QString location; // where its index goes; empty for the default folder
};

enum class CatalogChange { Start, Stop, Pause, Resume };

// One catalog with its figures, as `tessellon-admin list` prints them: a
// figure that cannot be read is NotAccessible.
struct ManagedCatalog {
    QString name;
    QString location;
    QStringList folders;
    QStringList excludes;
    QString state;
    QString upToDate;
    QString sizeMegabytes;
    QString documents;
    QString toFilter;
    QString failed;
    QString problem;    // the last filter error, or why the index is damaged
    QDateTime lastScan; // invalid until a full comparison completed
    // The running or interrupted scan: documents filtered of those it has to
    // filter; both 0 when no scan is under way.
    std::int64_t scanDone = 0;
    std::int64_t scanTotal = 0;
};

class CatalogManagement {
public:
    virtual ~CatalogManagement() = default;

    // Whether catalogs were ever declared here (an emptied registry counts).
    virtual bool hasRegistry() = 0;
    // The catalogs in registry order.
    virtual QList<ManagedCatalog> catalogs() = 0;
    // The patterns a new catalog leaves out.
    virtual QStringList defaultExcludes() = 0;
    // Declares the catalog with an empty index; returns its location.
    virtual QString add(const CatalogDraft& draft) = 0;
    // Deletes the catalog's index and its entry; the indexed files stay.
    // Returns the removed index's location.
    virtual QString remove(const QString& name) = 0;
    // New folders and excludes for an existing catalog.
    virtual void edit(const CatalogDraft& draft) = 0;
    virtual void change(const QString& name, CatalogChange change) = 0;
    // Asks the indexing service for a full comparison of the catalog now.
    virtual void requestRescan(const QString& name) = 0;

    virtual bool serviceRunning() = 0;
    // Both wait until the service has started or ended.
    virtual void startService() = 0;
    virtual void stopService() = 0;
};

} // namespace tessellon
