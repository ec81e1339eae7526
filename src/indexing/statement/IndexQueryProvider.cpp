#include "indexing/statement/IndexQueryProvider.h"

#include "common/ThisComputer.h"
#include "indexing/statement/AttachedStores.h"
#include "indexing/statement/HostParts.h"
#include "indexing/statement/HostStatements.h"
#include "indexing/statement/Parser.h"
#include "indexing/statement/ProviderFunctions.h"
#include "indexing/statement/QueryPlanner.h"
#include "indexing/statement/ResultValue.h"
#include "indexing/statement/StatementRecordSet.h"
#include "indexing/statement/SyntaxError.h"
#include "indexing/store/SqliteStatement.h"
#include "indexing/store/StoreCheck.h"
#include "indexing/store/StoreDamage.h"

#include <functional>
#include <future>
#include <mutex>

namespace tessellon {

using namespace statement;

namespace {

// The catalogs one statement reads, resolved and checked.
struct StatementCatalogs {
    std::vector<ResolvedCatalog> ofSource; // per source of the statement
    QStringList files;                     // distinct store files
};

void bindAll(SqliteStatement& query, const std::vector<SqlParameter>& parameters) {
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        const int index = int(i) + 1;
        std::visit(
            [&](const auto& value) {
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, QByteArray>)
                    query.bindBlob(index, value);
                else if constexpr (std::is_same_v<T, const PatternMatcher*>)
                    query.bindPointer(index, value, MatcherPointerType);
                else
                    query.bind(index, value);
            },
            parameters[i]);
    }
}

// Counts the answered statement in the store's meta table. A store that is
// read-only, or locked by a writer for longer than a short wait, misses one
// count: the answer is not held back for a statistic.
void countQuery(SqliteConnection& connection, const QString& schema) {
    try {
        // No sync on this commit: losing the last counts in a power cut is
        // better than making every answer wait for the disk.
        connection.exec(QStringLiteral("PRAGMA %1.synchronous = NORMAL").arg(schema));
        connection.exec(QStringLiteral("INSERT INTO %1.meta(key, value) VALUES('query_count', 1) "
                                       "ON CONFLICT(key) DO UPDATE SET value = "
                                       "coalesce(value, 0) + 1")
                            .arg(schema));
    } catch (const ProviderError&) {
    }
}

std::int64_t firstInteger(SqliteStatement& query) {
    return query.step() ? query.integer(0) : 0;
}

// The plan of a name-order candidate: its match read into MatchedIds, then
// the name index walked or the matched documents sorted, whichever reads less.
QueryPlan planByName(SqliteConnection& connection, const Statement& statement,
                     const NameOrderCandidate& candidate, const QString& schema, int maxRecords,
                     bool withPlaces) {
    if (candidate.match.isEmpty())
        return planNameOrder(statement, schema, maxRecords, true, withPlaces);
    const QString table = QLatin1String(MatchedIds);
    connection.exec(QStringLiteral("DELETE FROM %1").arg(table));
    SqliteStatement fill(connection,
                         QStringLiteral("INSERT INTO %1 (id) SELECT rowid FROM %2.fulltext "
                                        "WHERE fulltext MATCH ?")
                             .arg(table, schema));
    fill.bind(1, candidate.match);
    fill.step();
    SqliteStatement matches(connection, QStringLiteral("SELECT count(*) FROM %1").arg(table));
    SqliteStatement documents(connection,
                              QStringLiteral("SELECT max(id) FROM %1.documents").arg(schema));
    const bool walk =
        firstInteger(matches) >= nameWalkThreshold(firstInteger(documents), maxRecords);
    return planNameOrder(statement, schema, maxRecords, walk, withPlaces);
}

// SQLite found a store of the statement malformed without saying which: the
// stores that fail their check are marked damaged, so that their writer
// rebuilds them, or every store of the statement when none fails it (the
// checks do not see every damage).
void markDamagedStores(SqliteConnection& connection, const StatementCatalogs& catalogs,
                       const QStringList& schemaOfSource, const QString& what) {
    QStringList damaged;
    if (catalogs.files.size() > 1) {
        for (std::size_t i = 0; i < catalogs.ofSource.size(); ++i) {
            const QString& file = catalogs.ofSource[i].storeFile;
            if (!damaged.contains(file) &&
                !StoreCheck::problem(connection, schemaOfSource[qsizetype(i)],
                                     StoreCheck::Depth::PagesAndFullText)
                     .isEmpty())
                damaged << file;
        }
    }
    for (const QString& file : damaged.isEmpty() ? catalogs.files : damaged)
        StoreDamage::mark(file, what);
}

SortValue sortValue(const SqliteStatement& row, int column) {
    switch (row.type(column)) {
    case SqliteStatement::Type::Integer:
        return row.integer(column);
    case SqliteStatement::Type::Real:
        return row.real(column);
    case SqliteStatement::Type::Text:
        return SortText{row.blob(column)};
    case SqliteStatement::Type::Blob:
        return row.blob(column);
    case SqliteStatement::Type::Null:
        break;
    }
    return std::monostate();
}

// A host's answer must fit the statement before its rows are merged: one
// value per selected property, no more rows than asked for, and a place of
// the order's length per row, naming one of the host's catalogs, each row
// in its place after the one before.
void checkHostAnswer(const OrderedAnswer& answer, const HostPart& part, std::size_t columns,
                     const std::vector<KeyOrder>& order, int maxRecords) {
    bool fits = std::size_t(answer.names.size()) == columns &&
                answer.places.size() == answer.rows.size() &&
                (maxRecords <= 0 || answer.rows.size() <= std::size_t(maxRecords));
    for (std::size_t r = 0; fits && r < answer.rows.size(); ++r) {
        const RowPlace& place = answer.places[r];
        const auto* catalog = place.size() == order.size()
                                  ? std::get_if<std::int64_t>(&place[order.size() - 2])
                                  : nullptr;
        fits = answer.rows[r].size() == columns && catalog && *catalog >= 0 &&
               std::size_t(*catalog) < part.sources.size() &&
               (r == 0 || comparePlaces(answer.places[r - 1], place, order) <= 0);
    }
    if (!fits)
        throw ProviderError(
            QStringLiteral("The host %1 sent an answer that does not fit the statement")
                .arg(part.host));
}

const char* const RebuildNote = " (the index is damaged and is rebuilt at its next update)";

} // namespace

IndexQueryProvider::IndexQueryProvider(CatalogResolver& catalogs, QString localHostName,
                                       HostStatements* hosts)
    : catalogs_(catalogs), hosts_(hosts),
      localHostName_(localHostName.isEmpty() ? thisComputerName() : localHostName) {}

IndexQueryProvider::~IndexQueryProvider() = default;

std::shared_ptr<const RecordSet> IndexQueryProvider::execute(const QString&, const QString& text,
                                                             int maxRecords) {
    OrderedAnswer rows = answer(text, maxRecords, false);
    return std::make_shared<StatementRecordSet>(std::move(rows.names), std::move(rows.rows));
}

OrderedAnswer IndexQueryProvider::answer(const QString& text, int maxRecords, bool withPlaces) {
    const Statement parsed = parseStatement(text);
    const bool elsewhere =
        hosts_ && std::any_of(parsed.sources.begin(), parsed.sources.end(),
                              [this](const CatalogSource& source) {
                                  return !namesThisComputer(source.host, localHostName_);
                              });
    return elsewhere ? acrossHosts(text, parsed, maxRecords)
                     : run(text, parsed, maxRecords, withPlaces);
}

// Each computer runs its part with the statement's order and limit, all at
// once; the parts' rows merge in that order, so the answer is the one a
// single engine over all the catalogs would give. A part that fails fails
// the whole with its message.
OrderedAnswer IndexQueryProvider::acrossHosts(const QString& text, const Statement& parsed,
                                              int maxRecords) {
    const std::vector<HostPart> parts = splitByHost(text, parsed, [this](const QString& host) {
        return namesThisComputer(host, localHostName_);
    });
    const std::vector<KeyOrder> order = placeOrder(parsed);

    // The first part to fail calls off the others and its error is the
    // statement's; the others' errors are only the consequence.
    Cancellation cancellation;
    std::mutex failureMutex;
    std::exception_ptr failure;
    const auto guarded = [&](const std::function<OrderedAnswer()>& work) {
        try {
            return work();
        } catch (...) {
            {
                const std::lock_guard lock(failureMutex);
                if (!failure)
                    failure = std::current_exception();
            }
            cancellation.cancel();
            return OrderedAnswer();
        }
    };
    std::vector<std::future<OrderedAnswer>> asked(parts.size());
    for (std::size_t p = 0; p < parts.size(); ++p) {
        if (!parts[p].host.isEmpty())
            asked[p] = std::async(std::launch::async, [&, &part = parts[p]] {
                return guarded([&] {
                    OrderedAnswer answer =
                        hosts_->ask(part.host, part.statement, maxRecords, cancellation);
                    checkHostAnswer(answer, part, parsed.selectList.size(), order, maxRecords);
                    return answer;
                });
            });
    }
    std::vector<OrderedAnswer> answers(parts.size());
    for (std::size_t p = 0; p < parts.size(); ++p) {
        if (parts[p].host.isEmpty())
            answers[p] = guarded([&] {
                return run(parts[p].statement, parseStatement(parts[p].statement), maxRecords,
                           true);
            });
    }
    for (std::size_t p = 0; p < parts.size(); ++p) {
        if (asked[p].valid())
            answers[p] = asked[p].get();
    }
    if (failure)
        std::rethrow_exception(failure);

    for (std::size_t p = 0; p < parts.size(); ++p) {
        // A part numbers its catalogs from 0; the whole numbers them in the
        // order the statement names them.
        for (RowPlace& place : answers[p].places) {
            SortValue& catalog = place[order.size() - 2];
            catalog = std::int64_t(parts[p].sources[std::size_t(std::get<std::int64_t>(catalog))]);
        }
    }
    OrderedAnswer merged = mergeAnswers(std::move(answers), order, maxRecords);
    merged.names.clear();
    for (Property p : parsed.selectList)
        merged.names << propertyName(p);
    return merged;
}

OrderedAnswer IndexQueryProvider::run(const QString& text, const Statement& parsed, int maxRecords,
                                      bool withPlaces) {
    StatementCatalogs catalogs;
    for (const CatalogSource& source : parsed.sources) {
        const QString where = describePosition(text, source.position);
        if (!namesThisComputer(source.host, localHostName_))
            throw ProviderError(QStringLiteral("The host '%1' cannot be reached (at %2)")
                                    .arg(excerpt(source.host), where));
        const std::optional<ResolvedCatalog> catalog = catalogs_.findCatalog(source.catalog);
        if (!catalog && !source.catalogNamed)
            throw ProviderError(QStringLiteral("There is no catalog '%1' to search; name a catalog "
                                               "in the statement (Catalog..SCOPE())")
                                    .arg(excerpt(source.catalog)));
        if (!catalog)
            throw ProviderError(
                QStringLiteral("Unknown catalog '%1' (at %2)").arg(excerpt(source.catalog), where));
        if (catalog->stopped)
            throw ProviderError(QStringLiteral("The catalog '%1' is stopped and cannot be searched")
                                    .arg(catalog->name));
        catalogs.ofSource.push_back(*catalog);
        if (!catalogs.files.contains(catalog->storeFile))
            catalogs.files << catalog->storeFile;
    }

    if (!stores_)
        stores_ = std::make_unique<AttachedStores>();
    stores_->reserveFor(catalogs.files);
    SqliteConnection& connection = stores_->connection();
    connection.setBusyTimeout(BusyTimeoutMs);
    QStringList schemaOfSource;
    for (const ResolvedCatalog& catalog : catalogs.ofSource) {
        try {
            schemaOfSource << stores_->schemaFor(catalog.storeFile);
        } catch (const ProviderError& e) {
            const bool damaged = dynamic_cast<const MalformedStoreError*>(&e) != nullptr;
            if (damaged)
                StoreDamage::mark(catalog.storeFile, e.message());
            throw ProviderError(
                QStringLiteral("The index of catalog '%1' cannot be opened (%2): %3%4")
                    .arg(catalog.name, catalog.storeFile, e.message(),
                         QLatin1String(damaged ? RebuildNote : "")));
        }
    }

    OrderedAnswer answer;
    QueryPlan plan;
    try {
        const SqliteConnection::TimeLimit timeLimit(connection, timeLimit_);
        const std::optional<NameOrderCandidate> byName = nameOrderCandidate(parsed, maxRecords);
        plan = byName ? planByName(connection, parsed, *byName, schemaOfSource.front(), maxRecords,
                                   withPlaces)
                      : planQuery(parsed, schemaOfSource, maxRecords, withPlaces);
        SqliteStatement query(connection, plan.sql);
        bindAll(query, plan.parameters);
        const int selected = int(plan.selectList.size());
        while (query.step()) {
            StatementRecordSet::Row row;
            row.reserve(plan.selectList.size());
            for (int c = 0; c < selected; ++c)
                row.push_back(resultValue(plan.selectList[std::size_t(c)], query, c));
            answer.rows.push_back(std::move(row));
            if (plan.placeColumns > 0) {
                RowPlace place;
                for (int c = selected; c < selected + plan.placeColumns; ++c)
                    place.push_back(sortValue(query, c));
                answer.places.push_back(std::move(place));
            }
        }
    } catch (const MalformedStoreError& e) {
        markDamagedStores(connection, catalogs, schemaOfSource, e.message());
        throw ProviderError(QStringLiteral("The statement could not be executed: %1%2")
                                .arg(e.message(), QLatin1String(RebuildNote)));
    } catch (const ProviderError& e) {
        throw ProviderError(
            QStringLiteral("The statement could not be executed: %1").arg(e.message()));
    }

    connection.setBusyTimeout(CountBusyTimeoutMs);
    schemaOfSource.removeDuplicates();
    for (const QString& schema : schemaOfSource)
        countQuery(connection, schema);

    for (Property p : plan.selectList)
        answer.names << propertyName(p);
    return answer;
}

} // namespace tessellon
