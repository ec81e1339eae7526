// The data-access provider over the catalogs' index stores: parses a
// statement, finds its catalogs through the resolver, attaches their stores
// to one SQLite connection, runs the planned SELECT and returns typed rows.
// Every answered statement counts in its catalogs' query count. One provider
// serves one thread at a time.
#pragma once

#include "common/QueryProvider.h"
#include "indexing/registry/CatalogResolver.h"
#include "indexing/statement/OrderedAnswer.h"

#include <chrono>
#include <memory>

namespace tessellon {

namespace statement {
class AttachedStores;
class HostStatements;
struct Statement;
} // namespace statement

class IndexQueryProvider : public QueryProvider {
public:
    // localHostName: the host prefix that means this computer (letter case
    // ignored). The parts of a statement that name other hosts go to
    // `hosts`; without it, those hosts cannot be reached.
    explicit IndexQueryProvider(CatalogResolver& catalogs, QString localHostName = QString(),
                                statement::HostStatements* hosts = nullptr);
    ~IndexQueryProvider() override;

    // The connection text is not consulted: the statement names its catalogs.
    std::shared_ptr<const RecordSet> execute(const QString& connectionText,
                                             const QString& statement, int maxRecords) override;
    // The same rows, with their places in the order when withPlaces.
    statement::OrderedAnswer answer(const QString& statement, int maxRecords, bool withPlaces);

    // How long a statement waits for a store that a writer holds locked.
    static constexpr int BusyTimeoutMs = 5000;
    // How long counting the statement may wait for such a store.
    static constexpr int CountBusyTimeoutMs = 250;

    // How long a statement may run before it is stopped with an error that
    // says so: long enough for any search a person waits for, short enough
    // that a runaway statement gives the window and the catalog back.
    static constexpr std::chrono::milliseconds DefaultTimeLimit{30000};
    void setTimeLimit(std::chrono::milliseconds limit) { timeLimit_ = limit; }

private:
    statement::OrderedAnswer run(const QString& text, const statement::Statement& parsed,
                                 int maxRecords, bool withPlaces);
    statement::OrderedAnswer acrossHosts(const QString& text, const statement::Statement& parsed,
                                         int maxRecords);

    CatalogResolver& catalogs_;
    statement::HostStatements* hosts_;
    std::chrono::milliseconds timeLimit_ = DefaultTimeLimit;
    QString localHostName_;
    std::unique_ptr<statement::AttachedStores> stores_;
};

} // namespace tessellon
