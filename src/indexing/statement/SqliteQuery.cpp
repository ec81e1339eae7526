#include "indexing/statement/SqliteQuery.h"

#include "common/Error.h"
#include "indexing/statement/SqliteConnection.h"

#include <sqlite3.h>

namespace tessellon::statement {

SqliteQuery::SqliteQuery(SqliteConnection& connection, const QString& sql)
    : connection_(connection) {
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(connection.handle(), utf8.constData(), int(utf8.size()), &statement_,
                           nullptr) != SQLITE_OK)
        throw ProviderError(connection.lastError());
}

SqliteQuery::~SqliteQuery() {
    sqlite3_finalize(statement_);
}

void SqliteQuery::bind(int index, std::int64_t value) {
    sqlite3_bind_int64(statement_, index, value);
}

void SqliteQuery::bind(int index, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(statement_, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void SqliteQuery::bindBlob(int index, const QByteArray& bytes) {
    // A zero-length blob still compares as a blob, never as NULL.
    sqlite3_bind_blob(statement_, index, bytes.isEmpty() ? "" : bytes.constData(),
                      int(bytes.size()), SQLITE_TRANSIENT);
}

void SqliteQuery::bindPointer(int index, const void* pointer, const char* type) {
    sqlite3_bind_pointer(statement_, index, const_cast<void*>(pointer), type, nullptr);
}

bool SqliteQuery::step() {
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw ProviderError(connection_.lastError());
}

bool SqliteQuery::isNull(int column) const {
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

std::int64_t SqliteQuery::integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

double SqliteQuery::real(int column) const {
    return sqlite3_column_double(statement_, column);
}

QString SqliteQuery::text(int column) const {
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(statement_, column));
}

QByteArray SqliteQuery::blob(int column) const {
    const auto* data = static_cast<const char*>(sqlite3_column_blob(statement_, column));
    return QByteArray(data, sqlite3_column_bytes(statement_, column));
}

} // namespace tessellon::statement
