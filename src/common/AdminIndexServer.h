// The administration interface of the indexing service: whether it runs on
// the bound machine, the catalogs in their enumeration order, and each
// catalog's state and figures. The local implementation reads the catalog
// registry and the index stores; tests use fakes. Every operation may throw
// Error; callers decide what a failure shows.
#pragma once

#include "common/Error.h"

#include <QString>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>

namespace tessellon {

// One catalog (the catalog object of the enumeration or of a name).
class CatalogAdmin {
public:
    virtual ~CatalogAdmin() = default;
    virtual QString CatalogName() = 0;
    virtual QString CatalogLocation() = 0;
    virtual bool IsCatalogRunning() = 0;
    virtual bool IsCatalogPaused() = 0;
    virtual bool IsCatalogStopped() = 0;
    virtual bool IsUpToDate() = 0;
    virtual std::int64_t IndexSize() = 0; // megabytes
    virtual std::int64_t TotalDocumentCount() = 0;
    virtual std::int64_t DocumentsToFilter() = 0;
    virtual std::int64_t QueryCount() = 0;
    virtual void StartCatalog() = 0;
    virtual void StopCatalog() = 0;
};

// One connection, bound to a machine by its name ("." is the local machine).
class AdminIndexServer {
public:
    virtual ~AdminIndexServer() = default;
    virtual bool IsRunning() = 0;
    virtual QString MachineName() = 0;
    // Binds the connection to that machine; throws when it cannot be reached.
    virtual void SetMachineName(const QString& name) = 0;
    // True while the enumeration stands on a catalog.
    virtual bool FindFirstCatalog() = 0;
    virtual bool FindNextCatalog() = 0;
    // The catalog at which the enumeration stands.
    virtual std::unique_ptr<CatalogAdmin> GetCatalog() = 0;
    virtual std::unique_ptr<CatalogAdmin> GetCatalogByName(const QString& name) = 0;
};

// Where an enumeration stands in the catalogs a connection read at
// FindFirstCatalog. FindNextCatalog before any FindFirstCatalog begins one;
// a cursor past the end, or not begun, stands on no catalog.
template <typename List> class CatalogCursor {
public:
    bool begin(List catalogs) {
        catalogs_ = std::move(catalogs);
        position_ = 0;
        return onCatalog();
    }
    bool begun() const { return position_ >= 0; }
    bool next() {
        if (onCatalog())
            ++position_;
        return onCatalog();
    }
    // Throws ProviderError when the cursor stands on no catalog.
    auto current() const {
        if (!onCatalog())
            throw ProviderError(QStringLiteral("The catalog enumeration stands on no catalog"));
        return catalogs_.at(position_);
    }

private:
    bool onCatalog() const { return position_ >= 0 && position_ < qsizetype(catalogs_.size()); }

    List catalogs_;
    qsizetype position_ = -1;
};

// The state word of a catalog: "running", "paused", "stopped", or empty
// when it is none of them. Throws when the state cannot be read (the local
// indexing service does not run).
inline QString catalogStateText(CatalogAdmin& catalog) {
    if (catalog.IsCatalogRunning())
        return QStringLiteral("running");
    if (catalog.IsCatalogPaused())
        return QStringLiteral("paused");
    if (catalog.IsCatalogStopped())
        return QStringLiteral("stopped");
    return {};
}

// The indexing service's state as the program and tessellon-admin say it.
inline QString serviceStateText(bool running) {
    return running ? QStringLiteral("Indexing Service is running")
                   : QStringLiteral("Indexing Service is NOT running");
}

// What a figure shows when it cannot be read.
inline const QString NotAccessible = QStringLiteral("not accessible");

// A figure read in a guarded step: its text, or NotAccessible when the read
// fails.
template <typename Read> QString guardedFigure(Read read) {
    try {
        return read();
    } catch (const std::exception&) {
        return NotAccessible;
    }
}

// Creates a fresh, unbound connection (bound to the component's default
// machine until a name is set).
using AdminConnectionFactory = std::function<std::unique_ptr<AdminIndexServer>()>;

} // namespace tessellon
