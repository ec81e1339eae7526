#include "indexing/store/SqliteStatement.h"

#include <sqlite3.h>

namespace tessellon {

SqliteStatement::SqliteStatement(SqliteHandle& db, const char* sql) : db_(db) {
    prepare(QByteArray(sql));
}

SqliteStatement::SqliteStatement(SqliteHandle& db, const QString& sql) : db_(db) {
    prepare(sql.toUtf8());
}

void SqliteStatement::prepare(const QByteArray& sql) {
    if (sqlite3_prepare_v2(db_.handle(), sql.constData(), int(sql.size()), &stmt_, nullptr) !=
        SQLITE_OK)
        db_.fail();
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(stmt_);
}

SqliteStatement& SqliteStatement::bind(int index, std::int64_t value) {
    sqlite3_bind_int64(stmt_, index, value);
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(stmt_, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    return *this;
}

SqliteStatement& SqliteStatement::bindUtf8View(int index, const QByteArray& utf8) {
    sqlite3_bind_text(stmt_, index, utf8.constData(), int(utf8.size()), SQLITE_STATIC);
    return *this;
}

SqliteStatement& SqliteStatement::bindBlob(int index, const QByteArray& bytes) {
    sqlite3_bind_blob(stmt_, index, bytes.isEmpty() ? "" : bytes.constData(), int(bytes.size()),
                      SQLITE_TRANSIENT);
    return *this;
}

SqliteStatement& SqliteStatement::bindPointer(int index, const void* pointer, const char* type) {
    sqlite3_bind_pointer(stmt_, index, const_cast<void*>(pointer), type, nullptr);
    return *this;
}

bool SqliteStatement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    // Reset, so that a statement kept for reuse takes new bindings; SQLite
    // keeps the error's message for fail() to read.
    sqlite3_reset(stmt_);
    db_.fail();
}

void SqliteStatement::run() {
    while (step()) {
    }
    reset();
}

void SqliteStatement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

SqliteStatement::Type SqliteStatement::type(int column) const {
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_INTEGER:
        return Type::Integer;
    case SQLITE_FLOAT:
        return Type::Real;
    case SQLITE_TEXT:
        return Type::Text;
    case SQLITE_BLOB:
        return Type::Blob;
    default:
        return Type::Null;
    }
}

bool SqliteStatement::isNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

std::int64_t SqliteStatement::integer(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

double SqliteStatement::real(int column) const {
    return sqlite3_column_double(stmt_, column);
}

QString SqliteStatement::text(int column) const {
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(stmt_, column));
}

QByteArray SqliteStatement::blob(int column) const {
    const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
    return QByteArray(data, sqlite3_column_bytes(stmt_, column));
}

} // namespace tessellon
