// One prepared SQLite statement: bind parameters, step through rows, read
// columns. Finalized when it goes out of scope.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

struct sqlite3_stmt;

namespace tessellon::statement {

class SqliteConnection;

class SqliteQuery {
public:
    // Throws ProviderError when SQLite cannot prepare it.
    SqliteQuery(SqliteConnection& connection, const QString& sql);
    ~SqliteQuery();
    SqliteQuery(const SqliteQuery&) = delete;
    SqliteQuery& operator=(const SqliteQuery&) = delete;

    // Parameters are counted from 1.
    void bind(int index, std::int64_t value);
    void bind(int index, const QString& text);
    void bindBlob(int index, const QByteArray& bytes);
    // Hands a pointer to registered functions (sqlite3_bind_pointer).
    void bindPointer(int index, const void* pointer, const char* type);

    // Moves to the next row; false when there is none. Throws ProviderError.
    bool step();

    bool isNull(int column) const;
    std::int64_t integer(int column) const;
    double real(int column) const;
    QString text(int column) const;
    QByteArray blob(int column) const;

private:
    SqliteConnection& connection_;
    sqlite3_stmt* statement_ = nullptr;
};

} // namespace tessellon::statement
