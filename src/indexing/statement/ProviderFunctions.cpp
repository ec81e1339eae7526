#include "indexing/statement/ProviderFunctions.h"

#include "common/Error.h"
#include "common/PathCodec.h"
#include "indexing/statement/PatternMatcher.h"
#include "indexing/statement/QueryPlanner.h"
#include "indexing/store/Fts5Api.h"
#include "indexing/store/NameCollation.h"

#include <sqlite3.h>

namespace tessellon::statement {

namespace {

// Tests one value: a text, or a path's raw bytes (a blob), which decode
// through the path codec. Plain ASCII is matched on the bytes themselves.
bool matchesValue(const PatternMatcher& matcher, const char* data, qsizetype size, bool isPath) {
    if (const std::optional<bool> fast = matcher.matchesAscii(data, size))
        return *fast;
    const QByteArray bytes = QByteArray::fromRawData(data, size);
    return matcher.matches(isPath ? PathCodec::fromBytes(bytes) : QString::fromUtf8(bytes));
}

const PatternMatcher* boundMatcher(sqlite3_context* context, sqlite3_value* argument) {
    const auto* matcher =
        static_cast<const PatternMatcher*>(sqlite3_value_pointer(argument, MatcherPointerType));
    if (!matcher)
        sqlite3_result_error(context, "pattern argument is not a bound pattern", -1);
    return matcher;
}

// The bytes of a text or blob value.
QByteArray valueBytes(sqlite3_value* value, bool& isPath) {
    isPath = sqlite3_value_type(value) == SQLITE_BLOB;
    const void* data = isPath ? sqlite3_value_blob(value) : sqlite3_value_text(value);
    return QByteArray::fromRawData(static_cast<const char*>(data), sqlite3_value_bytes(value));
}

void matchFunction(sqlite3_context* context, int, sqlite3_value** arguments) {
    const PatternMatcher* matcher = boundMatcher(context, arguments[0]);
    if (!matcher)
        return;
    bool isPath = false;
    const QByteArray value = valueBytes(arguments[1], isPath);
    sqlite3_result_int(context, matchesValue(*matcher, value.constData(), value.size(), isPath));
}

// True when any line of the value matches (the keywords of a document).
void matchEntryFunction(sqlite3_context* context, int, sqlite3_value** arguments) {
    const PatternMatcher* matcher = boundMatcher(context, arguments[0]);
    if (!matcher)
        return;
    bool isPath = false;
    const QByteArray list = valueBytes(arguments[1], isPath);
    bool found = false;
    qsizetype start = 0;
    while (!found && start < list.size()) {
        qsizetype end = list.indexOf('\n', start);
        if (end < 0)
            end = list.size();
        found =
            end > start && matchesValue(*matcher, list.constData() + start, end - start, isPath);
        start = end + 1;
    }
    sqlite3_result_int(context, found ? 1 : 0);
}

void hitsFunction(const Fts5ExtensionApi* api, Fts5Context* fts, sqlite3_context* context, int,
                  sqlite3_value**) {
    int count = 0;
    if (api->xInstCount(fts, &count) != SQLITE_OK)
        count = 0;
    sqlite3_result_int(context, count);
}

void check(sqlite3* db, int rc) {
    if (rc != SQLITE_OK)
        throw ProviderError(QStringLiteral("The query engine cannot start: %1")
                                .arg(QString::fromUtf8(sqlite3_errmsg(db))));
}

} // namespace

void registerProviderFunctions(sqlite3* db) {
    check(db, NameCollation::registerWith(db));
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_DIRECTONLY;
    check(db, sqlite3_create_function(db, MatchFunction, 2, flags, nullptr, matchFunction, nullptr,
                                      nullptr));
    check(db, sqlite3_create_function(db, MatchEntryFunction, 2, flags, nullptr, matchEntryFunction,
                                      nullptr, nullptr));
    fts5_api* api = fts5ApiOf(db);
    if (!api)
        throw ProviderError(QStringLiteral("The query engine cannot start: SQLite lacks FTS5"));
    check(db, api->xCreateFunction(api, HitsFunction, nullptr, hitsFunction, nullptr));
}

} // namespace tessellon::statement
