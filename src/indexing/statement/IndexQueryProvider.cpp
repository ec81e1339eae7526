#include "indexing/statement/IndexQueryProvider.h"

#include "indexing/statement/Parser.h"
#include "indexing/statement/ProviderFunctions.h"
#include "indexing/statement/QueryPlanner.h"
#include "indexing/statement/ResultValue.h"
#include "indexing/statement/SqliteConnection.h"
#include "indexing/statement/SqliteQuery.h"
#include "indexing/statement/StatementRecordSet.h"
#include "indexing/statement/SyntaxError.h"

#include <QSysInfo>
#include <sqlite3.h>

namespace tessellon {

using namespace statement;

namespace {

// The stores one statement reads: one schema per distinct store file.
struct AttachedStores {
    QStringList schemaOfSource; // per source of the statement
    QStringList schemas;        // distinct
    QStringList catalogNames;   // per distinct schema, for messages
    QStringList files;          // per distinct schema
};

void bindAll(SqliteQuery& query, const std::vector<SqlParameter>& parameters) {
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
// read-only or locked for long misses one count; the answer is not lost.
void countQuery(SqliteConnection& connection, const QString& schema) {
    try {
        connection.exec(QStringLiteral("INSERT INTO %1.meta(key, value) VALUES('query_count', 1) "
                                       "ON CONFLICT(key) DO UPDATE SET value = "
                                       "coalesce(value, 0) + 1")
                            .arg(schema));
    } catch (const ProviderError&) {
    }
}

} // namespace

IndexQueryProvider::IndexQueryProvider(CatalogResolver& catalogs, QString localHostName)
    : catalogs_(catalogs),
      localHostName_(localHostName.isEmpty() ? QSysInfo::machineHostName() : localHostName) {}

std::shared_ptr<const RecordSet> IndexQueryProvider::execute(const QString&, const QString& text,
                                                             int maxRecords) {
    const Statement parsed = parseStatement(text);

    AttachedStores stores;
    for (const CatalogSource& source : parsed.sources) {
        const QString where = describePosition(text, source.position);
        if (!source.host.isEmpty() && source.host.compare(localHostName_, Qt::CaseInsensitive) != 0)
            throw ProviderError(
                QStringLiteral("The host '%1' cannot be reached (at %2)").arg(source.host, where));
        const std::optional<ResolvedCatalog> catalog = catalogs_.findCatalog(source.catalog);
        if (!catalog && !source.catalogNamed)
            throw ProviderError(QStringLiteral("There is no catalog '%1' to search; name a catalog "
                                               "in the statement (Catalog..SCOPE())")
                                    .arg(source.catalog));
        if (!catalog)
            throw ProviderError(
                QStringLiteral("Unknown catalog '%1' (at %2)").arg(source.catalog, where));
        if (catalog->stopped)
            throw ProviderError(QStringLiteral("The catalog '%1' is stopped and cannot be searched")
                                    .arg(catalog->name));
        qsizetype index = stores.files.indexOf(catalog->storeFile);
        if (index < 0) {
            index = stores.files.size();
            stores.files << catalog->storeFile;
            stores.catalogNames << catalog->name;
            stores.schemas << QStringLiteral("c%1").arg(index);
        }
        stores.schemaOfSource << stores.schemas[index];
    }

    SqliteConnection connection;
    const int attachLimit = sqlite3_limit(connection.handle(), SQLITE_LIMIT_ATTACHED, -1);
    if (stores.files.size() > attachLimit)
        throw ProviderError(
            QStringLiteral("A statement can search at most %1 catalogs at once").arg(attachLimit));
    connection.setBusyTimeout(BusyTimeoutMs);
    registerProviderFunctions(connection.handle());
    for (qsizetype i = 0; i < stores.files.size(); ++i) {
        try {
            connection.attach(stores.files[i], stores.schemas[i]);
            SqliteQuery probe(connection,
                              QStringLiteral("SELECT 1 FROM %1.sqlite_master WHERE name = "
                                             "'documents'")
                                  .arg(stores.schemas[i]));
            if (!probe.step())
                throw ProviderError(QStringLiteral("it holds no index yet"));
        } catch (const ProviderError& e) {
            throw ProviderError(
                QStringLiteral("The index of catalog '%1' cannot be opened (%2): %3")
                    .arg(stores.catalogNames[i], stores.files[i], e.message()));
        }
    }

    const QueryPlan plan = planQuery(parsed, stores.schemaOfSource, maxRecords);
    std::vector<StatementRecordSet::Row> rows;
    try {
        SqliteQuery query(connection, plan.sql);
        bindAll(query, plan.parameters);
        while (query.step()) {
            StatementRecordSet::Row row;
            row.reserve(plan.selectList.size());
            for (std::size_t c = 0; c < plan.selectList.size(); ++c)
                row.push_back(resultValue(plan.selectList[c], query, int(c)));
            rows.push_back(std::move(row));
        }
    } catch (const ProviderError& e) {
        throw ProviderError(
            QStringLiteral("The statement could not be executed: %1").arg(e.message()));
    }

    for (const QString& schema : stores.schemas)
        countQuery(connection, schema);

    QStringList names;
    for (Property p : plan.selectList)
        names << propertyName(p);
    return std::make_shared<StatementRecordSet>(names, std::move(rows));
}

} // namespace tessellon
